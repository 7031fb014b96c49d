#pragma once

#include "file/FileReader.h"
#include "library/UserUnitData.h"

namespace x48305_file
{
// Reads a user-unit package (".slvnunit": a zip with one folder holding
// "manifest.json" and "payload.bin") into a unit. The target changes only
// when the whole package was read and its image was built.
class UserUnitFileReader : public file::FileReader
{
public:
    explicit UserUnitFileReader (x48305_data::UserUnitData* target);

private:
    // A ReadResultCode: 0, or 14 and 25-29.
    int readContent (juce::InputStream& content) override;

    x48305_data::UserUnitData* target;
};
} // namespace x48305_file
