#pragma once

namespace data
{
// Told after the preset store has changed.
class PresetDataChangeBroadcasterObserver
{
public:
    virtual ~PresetDataChangeBroadcasterObserver() {}
    virtual void presetDataChanged() = 0;
};
} // namespace data
