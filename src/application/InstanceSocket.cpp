#include "application/InstanceSocket.h"

#include <juce_cryptography/juce_cryptography.h>

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace x48305_application
{
UniqueFd& UniqueFd::operator= (UniqueFd&& other) noexcept
{
    if (this != &other)
        reset (other.release());
    return *this;
}

int UniqueFd::release()
{
    const int released = fd;
    fd = -1;
    return released;
}

void UniqueFd::reset (int newFd)
{
    if (fd >= 0)
        ::close (fd);
    fd = newFd;
}

namespace instance_socket
{
namespace
{
// The address of an abstract name: a NUL, then the name, no terminator.
socklen_t makeAddress (const std::string& name, sockaddr_un& address)
{
    std::memset (&address, 0, sizeof (address));
    address.sun_family = AF_UNIX;
    const auto length = std::min (name.size(), sizeof (address.sun_path) - 1);
    std::memcpy (address.sun_path + 1, name.data(), length);
    return static_cast<socklen_t> (offsetof (sockaddr_un, sun_path) + 1 + length);
}

void setTimeouts (int fd, int milliseconds)
{
    timeval timeout {};
    timeout.tv_sec = milliseconds / 1000;
    timeout.tv_usec = (milliseconds % 1000) * 1000;
    ::setsockopt (fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof (timeout));
    ::setsockopt (fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof (timeout));
}
} // namespace

std::string nameFor (const juce::File& preferencesFolder)
{
    const auto path = preferencesFolder.getFullPathName();
    const auto digest = juce::MD5 (path.toUTF8()).toHexString().substring (0, 16);
    return "solivane-librarian." + std::to_string (::geteuid()) + "." + digest.toStdString();
}

UniqueFd listenOn (const std::string& name)
{
    UniqueFd socket (::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (! socket.isValid())
        return {};

    sockaddr_un address;
    const auto length = makeAddress (name, address);
    if (::bind (socket.get(), reinterpret_cast<const sockaddr*> (&address), length) != 0
        || ::listen (socket.get(), 8) != 0)
        return {};

    return socket;
}

UniqueFd connectTo (const std::string& name, int timeoutMilliseconds)
{
    UniqueFd socket (::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (! socket.isValid())
        return {};

    // Also bounds the connect itself when the listener's queue is full.
    setTimeouts (socket.get(), timeoutMilliseconds);

    sockaddr_un address;
    const auto length = makeAddress (name, address);
    if (::connect (socket.get(), reinterpret_cast<const sockaddr*> (&address), length) != 0)
    {
        // The caller tells "nobody listens" from other failures by errno.
        const int error = errno;
        socket.reset();
        errno = error;
        return {};
    }

    return socket;
}

bool peerIsSameUser (int fd)
{
    ucred credentials {};
    socklen_t size = sizeof (credentials);
    if (::getsockopt (fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 || size != sizeof (credentials))
        return false;
    return credentials.uid == ::geteuid();
}
} // namespace instance_socket
} // namespace x48305_application
