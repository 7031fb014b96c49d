#pragma once

namespace data
{
// Told once after any number of library or user-unit changes.
class DataChangeObserver
{
public:
    virtual void dataChanged() = 0;
    virtual ~DataChangeObserver() {}
};
} // namespace data
