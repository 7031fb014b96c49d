#include "library/UserUnitSlotData.h"

#include "data/MemoryBlockHelpers.h"
#include "formats/UserUnitBinary.h"

#include <algorithm>
#include <cstring>

namespace x48305_data
{
UserUnitSlotData::UserUnitSlotData() = default;

UserUnitSlotData::UserUnitSlotData (const juce::MemoryBlock& unitImage)
{
    // Anything shorter than the smallest image the builder makes is no unit;
    // treating it as empty also keeps the header copy inside the block.
    if (unitImage.getSize() < UnitImageLayout::minimumImageSize)
        return;

    image = unitImage;
    std::memcpy (headerSummary.data(), unitImage.getData(), headerSummary.size());
    state = UnitSlotState::FromFile;
}

UserUnitSlotData::UserUnitSlotData (const std::uint32_t& slot, const UnitHeaderSummary& header)
    : headerSummary (header), slotIndex (slot)
{
    state = (header[0] != 0 || header[1] != 0) ? UnitSlotState::InSlot : UnitSlotState::Empty;
}

UserUnitSlotData::UserUnitSlotData (const std::uint32_t& slot, const void* headerBytes, std::size_t numBytes)
    : slotIndex (slot)
{
    if (headerBytes != nullptr)
        std::memcpy (headerSummary.data(), headerBytes, std::min (numBytes, headerSummary.size()));
    state = (headerSummary[0] != 0 || headerSummary[1] != 0) ? UnitSlotState::InSlot : UnitSlotState::Empty;
}

UserUnitSlotData& UserUnitSlotData::operator= (const UserUnitSlotData& other)
{
    data::assignMemoryBlock (image, other.image);
    headerSummary = other.headerSummary;
    slotIndex = other.slotIndex;
    state = other.state;
    return *this;
}

void UserUnitSlotData::setSlotIndex (std::uint32_t slot)
{
    slotIndex = slot;
    if (state == UnitSlotState::FromFile)
        state = UnitSlotState::InSlot;
}

bool UserUnitSlotData::hasUnit() const
{
    if (state != UnitSlotState::InSlot && state != UnitSlotState::FromFile)
        return false;
    return headerSummary[0] != 0 || headerSummary[1] != 0;
}

std::string UserUnitSlotData::getName() const
{
    return hasUnit() ? readUnitName (headerSummary) : std::string();
}

std::string UserUnitSlotData::getVersionText() const
{
    if (! hasUnit())
        return {};
    return formatPackedVersion (readUnitU32 (headerSummary.data() + UnitHeaderRecord::unitVersionOffset));
}

std::string UserUnitSlotData::getApiVersionText() const
{
    if (! hasUnit())
        return {};
    return formatPackedVersion (readUnitU32 (headerSummary.data() + UnitHeaderRecord::apiVersionOffset));
}

bool UserUnitSlotData::operator== (const UserUnitSlotData& other) const
{
    return data::memoryBlocksEqual (image, other.image) && headerSummary == other.headerSummary && slotIndex == other.slotIndex
           && state == other.state;
}
} // namespace x48305_data
