#include "application/CommandLineSender.h"

#include "application/CommandLineReplies.h"
#include "application/InstanceSocket.h"

#include <sys/socket.h>

#include <cerrno>

namespace x48305_application
{
CommandLineSender::CommandLineSender (std::string name, int timeout)
    : socketName (std::move (name)), timeoutMilliseconds (timeout)
{
}

CommandLineSender::Result CommandLineSender::send (const ForwardedCommandLine& commandLine) const
{
    const auto bytes = commandLine.encode();
    if (bytes.empty())
        return Result::refused;

    const auto socket = instance_socket::connectTo (socketName, timeoutMilliseconds);
    if (! socket.isValid())
        return errno == ECONNREFUSED || errno == ENOENT ? Result::noListener : Result::failed;

    // The command line names the user's files: it goes to nobody else.
    if (! instance_socket::peerIsSameUser (socket.get()))
        return Result::foreignOwner;

    return sendBytes (socket.get(), bytes);
}

CommandLineSender::Result CommandLineSender::sendBytes (int fd, const std::string& bytes) const
{
    std::size_t sent = 0;
    while (sent < bytes.size())
    {
        const auto written = ::send (fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Result::failed;
        sent += static_cast<std::size_t> (written);
    }
    ::shutdown (fd, SHUT_WR);

    // The answer is one short line, then the instance closes the connection.
    std::string answer;
    char buffer[8];
    while (answer.size() < sizeof (buffer))
    {
        const auto received = ::recv (fd, buffer, sizeof (buffer), 0);
        if (received < 0 && errno == EINTR)
            continue;
        if (received <= 0)
            break;
        answer.append (buffer, static_cast<std::size_t> (received));
    }
    if (answer == commandLineAccepted)
        return Result::delivered;
    if (answer == commandLineRefused)
        return Result::refused;
    return Result::failed;
}
} // namespace x48305_application
