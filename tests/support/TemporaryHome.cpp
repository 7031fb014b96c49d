#include "support/TemporaryHome.h"

namespace testsupport
{
TemporaryFolder::TemporaryFolder()
{
    jassert (folder.isValid());
}

juce::File TemporaryFolder::write (const juce::String& relativePath, const juce::String& text) const
{
    auto file = get().getChildFile (relativePath);
    file.getParentDirectory().createDirectory();
    file.replaceWithText (text, false, false, nullptr);
    return file;
}

TemporaryHome::TemporaryHome()
    : home ("HOME", folder.get().getFullPathName().toRawUTF8()),
      configHome ("XDG_CONFIG_HOME", nullptr)
{
}

juce::File TemporaryHome::preferencesFolder() const
{
    return get().getChildFile (".config/Preferences/VEXO solivane Sound Librarian");
}

juce::File TemporaryHome::presetStoreFolder() const
{
    return preferencesFolder().getChildFile ("Preset Data");
}

const TemporaryHome& processHome()
{
    static const TemporaryHome home;
    return home;
}
} // namespace testsupport
