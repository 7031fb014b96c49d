# The framework's modules are compiled once into one static library that the
# application, the tests and every tool link against.
add_library(slvn_juce STATIC)

target_link_libraries(slvn_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_audio_basics
        juce::juce_audio_devices
        juce::juce_cryptography
    PUBLIC
        juce::juce_recommended_config_flags
        juce::pkgconfig_JUCE_IMG_LINUX_DEPS)

target_compile_definitions(slvn_juce
    PUBLIC
        JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_USE_DARK_SPLASH_SCREEN=1
        JUCE_APPLICATION_NAME_STRING="solivane Sound Librarian"
        JUCE_APPLICATION_VERSION_STRING="1.0.0")

# Consumers see the modules' headers as system headers, so that warnings in
# the framework do not drown our own.
target_include_directories(slvn_juce SYSTEM
    INTERFACE $<TARGET_PROPERTY:slvn_juce,INCLUDE_DIRECTORIES>)
target_compile_definitions(slvn_juce
    INTERFACE $<TARGET_PROPERTY:slvn_juce,COMPILE_DEFINITIONS>)

set_target_properties(slvn_juce PROPERTIES POSITION_INDEPENDENT_CODE TRUE)
