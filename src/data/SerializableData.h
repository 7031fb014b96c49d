#pragma once

#include "data/SerializedData.h"

namespace data
{
// A model object that can be turned into a tagged container and read back.
class SerializableData
{
public:
    virtual ~SerializableData() {}
    virtual SerializedData serialize() const = 0;
    virtual bool deserialize (const SerializedData& source) = 0;
};
} // namespace data
