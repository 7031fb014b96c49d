#include "ui/PresetItemPacking.h"

namespace ui
{
int packPresetItem (int presetIndex, int programNumber)
{
    if (presetIndex < 0 || presetIndex > maxPackedPresetIndex || programNumber < 0
        || programNumber >= presetItemProgramCount)
        return -1;
    return (presetIndex << presetItemProgramBits) | programNumber;
}

bool unpackPresetItem (int item, PresetItem& result)
{
    if (item < 0)
        return false;

    const int program = item & presetItemProgramMask;
    if (program >= presetItemProgramCount)
        return false;

    result.presetIndex = item >> presetItemProgramBits;
    result.programNumber = program;
    return true;
}
} // namespace ui
