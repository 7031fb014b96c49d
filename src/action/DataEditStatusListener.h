#pragma once

namespace application
{
// Told when the library's edited flag has changed.
class DataEditStatusListener
{
public:
    virtual void editStatusChanged (const bool& edited) = 0;
    virtual ~DataEditStatusListener() {}
};
} // namespace application
