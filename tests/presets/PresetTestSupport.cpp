#include "PresetTestSupport.h"

#include "formats/PresetFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace presettest
{
ScopedTestHome::ScopedTestHome()
    : temporaryVariable ("TMPDIR", temporary.getFolder().getFullPathName().toRawUTF8())
{
    EXPECT_TRUE (temporary.isValid());
    EXPECT_TRUE (scratch.isValid());
}

juce::File ScopedTestHome::getStoreFolder() const
{
    return home.presetStoreFolder();
}

x48305_data::PresetData makePreset (const juce::String& dataID, const std::string& marker)
{
    x48305_data::PresetData preset;
    preset.getInformation().DataID = dataID;
    preset.getInformation().Name = "Test " + dataID;
    preset.getInformation().Version = 1;
    preset.getProgram (0).setName (marker);
    return preset;
}

juce::File writePresetFile (const juce::File& folder, const juce::String& fileName,
                            const juce::String& dataID, const std::string& marker)
{
    const auto preset = makePreset (dataID, marker);
    const auto target = folder.getChildFile (fileName);
    x48305_file::PresetFileWriter writer (&preset);
    EXPECT_EQ (writer.write (target), 0) << fileName;
    return target;
}

std::string describePresetFile (const juce::File& file)
{
    x48305_data::PresetData preset;
    x48305_file::PresetFileReader reader (&preset);
    if (file == juce::File() || reader.read (file) != 0)
        return {};
    const juce::String name (preset.getProgram (0).getName());
    return (preset.getInformation().DataID + "|" + name.trimEnd()).toStdString();
}

juce::StringArray listFiles (const juce::File& folder)
{
    juce::StringArray names;
    // Hidden files count too: a stray temporary copy must show up.
    for (const auto& entry : juce::RangedDirectoryIterator (folder, false, "*", juce::File::findFilesAndDirectories))
        names.add (entry.getFile().getFileName());
    names.sort (false);
    return names;
}

ScopedFileSizeLimit::ScopedFileSizeLimit (rlim_t bytes)
{
    // Without this the kernel ends the process instead of failing the write.
    previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    getrlimit (RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = bytes;
    setrlimit (RLIMIT_FSIZE, &limit);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit()
{
    setrlimit (RLIMIT_FSIZE, &previous);
    std::signal (SIGXFSZ, previousHandler);
}
} // namespace presettest
