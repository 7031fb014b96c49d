#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class FavoriteData;

// Reads the "slvnLvsS" form into a live set. Its codes differ from the
// program and library readers: 3 for a bad container, 2 for bad XML.
class FavoriteDataDeserializer
{
public:
    enum Result
    {
        resultOk = 0,
        resultWrongTag = 1,
        resultBadDocument = 2,
        resultBadContainer = 3
    };

    explicit FavoriteDataDeserializer (FavoriteData* liveSet) : liveSet (liveSet) {}
    virtual ~FavoriteDataDeserializer() {}

    int deserialize (const data::SerializedData& source);

private:
    FavoriteData* liveSet;
};
} // namespace x48305_data
