#pragma once

namespace application
{
// Told after the preferences changed; reads the keys it needs itself.
class PreferencesDataChangeBroadcasterObserver
{
public:
    virtual void preferencesDataChanged() = 0;
    virtual ~PreferencesDataChangeBroadcasterObserver() {}
};
} // namespace application
