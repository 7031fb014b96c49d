#pragma once

#include "application/InstanceSocket.h"

#include <juce_core/juce_core.h>

namespace x48305_application
{
// An exclusive advisory lock (flock) on one file, held while the object
// lives or until the process ends, whichever comes first: a killed instance
// never leaves a lock behind. The file itself stays; its content is never
// read or written.
class InstanceLock
{
public:
    explicit InstanceLock (juce::File lockFile);

    enum class State
    {
        locked,         // this object holds the lock
        heldElsewhere,  // another open of the file holds it
        unavailable     // the file cannot be opened or locked at all
    };

    // Takes the lock unless another holder has it; never waits.
    State tryLock();

private:
    juce::File file;
    UniqueFd fd;
    bool locked = false;
};
} // namespace x48305_application
