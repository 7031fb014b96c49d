#include "FuzzSupport.h"

#include <cstdlib>
#include <unistd.h>

namespace fuzzsupport
{
namespace
{
void removeScratchFolder()
{
    getScratchFolder().deleteRecursively();
}
} // namespace

juce::File getScratchFolder()
{
    // Never destroyed: the exit handler that removes the folder runs after
    // the destructors of function-local statics made before it.
    static const juce::File* const folder = [] {
        auto* f = new juce::File (juce::File::getSpecialLocation (juce::File::tempDirectory)
                                      .getChildFile ("slvn-fuzz-" + juce::String ((int) getpid())));
        f->deleteRecursively();
        f->createDirectory();
        std::atexit (removeScratchFolder);
        return f;
    }();
    return *folder;
}

void writeFile (const juce::File& file, const std::uint8_t* data, std::size_t size)
{
    file.deleteFile();
    juce::FileOutputStream out (file);
    if (! out.openedOk())
        __builtin_trap();
    if (size > 0)
        out.write (data, size);
}

juce::File writeInputFile (const juce::String& fileName, const std::uint8_t* data, std::size_t size)
{
    auto file = getScratchFolder().getChildFile (fileName);
    writeFile (file, data, size);
    return file;
}

juce::File useTemporaryHome()
{
    auto home = getScratchFolder().getChildFile ("home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    return home;
}
} // namespace fuzzsupport
