#pragma once

#include "ZipTestSupport.h"

#include "library/LibraryData.h"
#include "library/PresetData.h"
#include "library/ProgramData.h"

#include <juce_core/juce_core.h>

namespace ziptest
{
// A program whose record, name and texts all depend on the seed.
x48305_data::ProgramData makeProgram (int seed);

// A library or preset in which every program and live-set slot differs.
void fillLibrary (x48305_data::LibraryData& library, int seed);
void fillPreset (x48305_data::PresetData& preset, int seed);

// The entries of a container as the writer makes them.
juce::MemoryBlock programRecordBytes (const x48305_data::ProgramData& program);
juce::MemoryBlock programInformationDocument (const x48305_data::ProgramData& program);
juce::MemoryBlock liveSetDocument (const x48305_data::LibraryData& library);
juce::MemoryBlock presetInformationDocument (const x48305_data::PresetInformation& information);

// An index listing the given elements inside "Contents", with a product text.
juce::MemoryBlock indexDocument (const juce::String& contentsBody, const juce::String& product = "solivane");
juce::String programElement (int number);

void expectSamePrograms (const x48305_data::ProgramData& expected, const x48305_data::ProgramData& actual);
} // namespace ziptest
