#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class FavoriteData;

// Writes the live set in the "slvnLvsS" form: one "slvnLvsD" section with
// the live-set document text and a terminating zero byte.
class FavoriteDataSerializer
{
public:
    explicit FavoriteDataSerializer (const FavoriteData* liveSet) : liveSet (liveSet) {}
    virtual ~FavoriteDataSerializer() {}

    data::SerializedData serialize() const;

private:
    const FavoriteData* liveSet;
};
} // namespace x48305_data
