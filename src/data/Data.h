#pragma once

namespace data
{
// Root of the model classes.
class Data
{
public:
    virtual ~Data() {}
};
} // namespace data
