#pragma once

#include "library/LibraryData.h"

#include <string>

namespace testsupport
{
// A library in which every program name and text and the live set depend on
// the seed.
x48305_data::LibraryData makeLibrary (int seed);

// Everything that tells two libraries apart: records, texts and live set.
std::string fingerprint (const x48305_data::LibraryData& library);

// Marks the library edited as an edit action does, in a state of its own
// that no undo step leads back from.
void markLibraryEdited();

// A program's name without the spaces that pad it to 12 characters.
std::string nameOf (const x48305_data::ProgramData& program);
} // namespace testsupport
