#pragma once

#include "library/FavoriteData.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"

#include <juce_core/juce_core.h>

#include <chrono>

// Library, preset and program files of a few kilobytes whose index names one
// large entry over and over: a reader that reads an entry once a name takes
// from seconds to hours over them. Made with the project's own archive builder
// and XML writers; the tests and the fuzz seed maker share them.
namespace repeatedentry
{
enum class Entry
{
    liveSet,
    presetInformation,
    programInformation
};

// Some 1 MiB of text that deflates to about a kilobyte.
juce::String largeText();

// A container holding a live set, a preset information and program 0, each
// with the large text (the live set in an element of its own that the reader
// passes over). Its index names the chosen entry `times` times and each other
// entry once, so that every file reader takes it.
class RepeatedEntryFile
{
public:
    RepeatedEntryFile();

    juce::MemoryBlock build (Entry named, int times) const;

    x48305_data::FavoriteData liveSet;
    x48305_data::PresetInformation information;
    x48305_data::ProgramData program;
};

// Whole milliseconds since the start, for the generous bounds that tell one
// read from a thousand.
long long millisecondsSince (std::chrono::steady_clock::time_point start);
} // namespace repeatedentry
