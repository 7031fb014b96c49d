# Our own code compiles without warnings.
function(slvn_enable_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
