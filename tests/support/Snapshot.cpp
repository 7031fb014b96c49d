#include "support/Snapshot.h"

namespace testsupport
{
juce::File writeSnapshot (juce::Component& component, const juce::String& name)
{
    return writeSnapshot (component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f), name);
}

juce::File writeSnapshot (const juce::Image& image, const juce::String& name)
{
    auto folderName = juce::SystemStats::getEnvironmentVariable ("SLVN_SNAPSHOT_DIR", {});
    auto folder = folderName.isNotEmpty() ? juce::File (folderName)
                                          : juce::File::getCurrentWorkingDirectory().getChildFile ("snapshots");
    folder.createDirectory();
    auto file = folder.getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    if (out.openedOk())
        juce::PNGImageFormat().writeImageToStream (image, out);
    return file;
}
}
