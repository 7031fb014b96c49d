#include "application/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace x48305_application
{
InstanceLock::InstanceLock (juce::File lockFile) : file (std::move (lockFile))
{
}

InstanceLock::State InstanceLock::tryLock()
{
    if (locked)
        return State::locked;

    if (! fd.isValid())
        fd.reset (::open (file.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (! fd.isValid())
        return State::unavailable;

    int result = 0;
    do
        result = ::flock (fd.get(), LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);

    if (result == 0)
    {
        locked = true;
        return State::locked;
    }
    return errno == EWOULDBLOCK ? State::heldElsewhere : State::unavailable;
}
} // namespace x48305_application
