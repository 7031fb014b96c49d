#pragma once

namespace midi
{
// Told on the message thread when a device search has ended.
class MidiDeviceScannerListener
{
public:
    virtual ~MidiDeviceScannerListener() = default;
    virtual void scanFinished() = 0;
};
}
