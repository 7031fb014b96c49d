#pragma once

#include "data/Data.h"
#include "formats/UnitHeaderRecord.h"
#include "library/UnitSlotState.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>

namespace x48305_data
{
// One user-unit slot: the unit image (when it came from a package), a copy
// of the header's first 32 bytes, the instrument slot it sits in and its
// state. The four kinds share this behaviour but are distinct types, so that
// a unit of one kind is never put into a slot of another.
class UserUnitSlotData : public data::Data
{
public:
    static constexpr std::uint32_t noSlot = 0xFFFFFFFFu;

    // An empty slot object.
    UserUnitSlotData();
    // A unit loaded from a package. An image too short to be valid (empty
    // included) gives an empty slot object.
    explicit UserUnitSlotData (const juce::MemoryBlock& unitImage);
    // A header as the instrument reports it for the given slot.
    UserUnitSlotData (const std::uint32_t& slot, const UnitHeaderSummary& header);
    // The same from raw received bytes: at most 32 are taken, missing ones
    // are zero.
    UserUnitSlotData (const std::uint32_t& slot, const void* headerBytes, std::size_t numBytes);

    UserUnitSlotData (const UserUnitSlotData&) = default;
    UserUnitSlotData& operator= (const UserUnitSlotData& other);
    ~UserUnitSlotData() override = default;

    // Records that the unit now sits in this slot of the instrument: a
    // FromFile object (just written there) becomes InSlot; other states keep
    // theirs.
    void setSlotIndex (std::uint32_t slot);
    // Changes the slot index alone, whatever the state: for following a unit
    // that the instrument moved, without taking a unit still to be written
    // for one already there.
    void setSlotIndexOnly (std::uint32_t slot) { slotIndex = slot; }

    const juce::MemoryBlock& getImage() const { return image; }
    const UnitHeaderSummary& getHeaderSummary() const { return headerSummary; }
    std::uint32_t getSlotIndex() const { return slotIndex; }
    UnitSlotState getState() const { return state; }

    // True when a unit is there: InSlot or FromFile with header bytes 0-1
    // not both zero. The texts below are empty otherwise.
    bool hasUnit() const;
    std::string getName() const;
    std::string getVersionText() const;
    std::string getApiVersionText() const;

    bool operator== (const UserUnitSlotData& other) const;
    bool operator!= (const UserUnitSlotData& other) const { return ! operator== (other); }

private:
    juce::MemoryBlock image;
    UnitHeaderSummary headerSummary {};
    std::uint32_t slotIndex = noSlot;
    UnitSlotState state = UnitSlotState::Empty;
};

class UserOscData : public UserUnitSlotData
{
public:
    using UserUnitSlotData::UserUnitSlotData;
};

class UserModFXData : public UserUnitSlotData
{
public:
    using UserUnitSlotData::UserUnitSlotData;
};

class UserDelFXData : public UserUnitSlotData
{
public:
    using UserUnitSlotData::UserUnitSlotData;
};

class UserRevFXData : public UserUnitSlotData
{
public:
    using UserUnitSlotData::UserUnitSlotData;
};
} // namespace x48305_data
