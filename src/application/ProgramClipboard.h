#pragma once

#include <juce_core/juce_core.h>

namespace x48305_data
{
class ProgramData;
} // namespace x48305_data

namespace x48305_application
{
// One library program on the desktop clipboard, in its "slvnProg" serial
// form under the program's own item type, so that a program can be copied
// between two running copies of the program. A stack object.
class ProgramClipboard
{
public:
    static constexpr const char* programDataType = "x48305_ProgramData";

    // True only when the clipboard, read back, holds the program.
    bool copy (const x48305_data::ProgramData& program) const;

    // Reads the clipboard once. True, with the program, only for a complete
    // item: it deserialises without error and carries exactly one record of
    // the full record size. Otherwise false and the output is untouched.
    bool paste (x48305_data::ProgramData& program) const;

    // The same check on bytes already taken from the clipboard.
    static bool readProgram (const juce::MemoryBlock& bytes, x48305_data::ProgramData& program);
};
} // namespace x48305_application
