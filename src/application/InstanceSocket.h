#pragma once

#include <juce_core/juce_core.h>

#include <string>

namespace x48305_application
{
// Owns one file descriptor and closes it when it goes.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd (int fd) : fd (fd) {}
    ~UniqueFd() { reset(); }

    UniqueFd (UniqueFd&& other) noexcept : fd (other.release()) {}
    UniqueFd& operator= (UniqueFd&& other) noexcept;

    int get() const { return fd; }
    bool isValid() const { return fd >= 0; }
    int release();
    void reset (int newFd = -1);

private:
    int fd = -1;

    UniqueFd (const UniqueFd&) = delete;
    UniqueFd& operator= (const UniqueFd&) = delete;
};

// The local stream socket through which a second launch reaches the running
// instance. Its name lives in the abstract namespace (no file, nothing left
// behind when the process ends) and is made from the user id and a digest of
// the preferences folder: every user, and every home folder of a user, has a
// channel of its own.
namespace instance_socket
{
// The abstract name, without its leading NUL.
std::string nameFor (const juce::File& preferencesFolder);

// A listening socket bound to the name; invalid when the name is taken.
UniqueFd listenOn (const std::string& name);

// A socket connected to the name, with send and receive time-outs; invalid
// when nobody listens there (errno tells why).
UniqueFd connectTo (const std::string& name, int timeoutMilliseconds);

// True when the process at the other end runs as the same user as this one.
bool peerIsSameUser (int fd);
} // namespace instance_socket
} // namespace x48305_application
