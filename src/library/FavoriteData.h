#pragma once

#include "data/Data.h"
#include "data/SerializableData.h"

#include <cstdint>

namespace x48305_data
{
// The live set: 4 banks of 8 favourite program numbers; 500 marks an empty
// slot.
class FavoriteData : public data::Data, private data::SerializableData
{
public:
    static constexpr int numBanks = 4;
    static constexpr int numSlots = 8;
    static constexpr uint32_t emptySlot = 500;

    FavoriteData();
    ~FavoriteData() override {}

    FavoriteData (const FavoriteData&) = default;
    FavoriteData& operator= (const FavoriteData&) = default;

    // No range check: callers keep bank within 0-3 and slot within 0-7.
    void setProgramNumber (int bank, int slot, unsigned number) { table[bank][slot] = number; }
    unsigned getProgramNumber (int bank, int slot) const { return table[bank][slot]; }

    void reset();

    bool operator== (const FavoriteData& other) const;
    bool operator!= (const FavoriteData& other) const { return ! operator== (other); }

    // The "slvnLvsS" serial form.
    data::SerializedData serialize() const override;
    bool deserialize (const data::SerializedData& source) override;

private:
    uint32_t table[numBanks][numSlots];
};
} // namespace x48305_data
