#pragma once

namespace midi
{
// Told on the message thread when a device search has ended.
class MidiDeviceManagerListener
{
public:
    virtual void scanFinished() {}
    virtual ~MidiDeviceManagerListener() = default;
};
}
