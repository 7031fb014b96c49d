#include "library/FavoriteData.h"

#include "library/FavoriteDataDeserializer.h"
#include "library/FavoriteDataSerializer.h"

namespace x48305_data
{
FavoriteData::FavoriteData()
{
    reset();
}

void FavoriteData::reset()
{
    for (auto& bank : table)
        for (auto& slot : bank)
            slot = emptySlot;
}

bool FavoriteData::operator== (const FavoriteData& other) const
{
    for (int bank = 0; bank < numBanks; ++bank)
        for (int slot = 0; slot < numSlots; ++slot)
            if (table[bank][slot] != other.table[bank][slot])
                return false;
    return true;
}

data::SerializedData FavoriteData::serialize() const
{
    return FavoriteDataSerializer (this).serialize();
}

bool FavoriteData::deserialize (const data::SerializedData& source)
{
    return FavoriteDataDeserializer (this).deserialize (source) == FavoriteDataDeserializer::resultOk;
}
} // namespace x48305_data
