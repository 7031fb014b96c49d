#include "application/CommandLineReceiver.h"

#include "application/CommandLineReplies.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace x48305_application
{
CommandLineReceiver::CommandLineReceiver (UniqueFd listeningSocket, Delivery deliveryFunction, int readTimeout)
    : listening (std::move (listeningSocket)),
      wakeUp (::eventfd (0, EFD_CLOEXEC | EFD_NONBLOCK)),
      delivery (std::move (deliveryFunction)),
      readTimeoutMilliseconds (readTimeout)
{
    thread = std::thread ([this] { run(); });
}

CommandLineReceiver::~CommandLineReceiver()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write (wakeUp.get(), &one, sizeof (one));
    thread.join();
}

bool CommandLineReceiver::waitReadable (int fd, std::optional<std::chrono::steady_clock::time_point> deadline)
{
    using namespace std::chrono;
    for (;;)
    {
        int timeout = -1;
        if (deadline)
        {
            const auto left = duration_cast<milliseconds> (*deadline - steady_clock::now()).count();
            if (left <= 0)
                return false;
            timeout = static_cast<int> (left);
        }

        pollfd fds[2] = { { fd, POLLIN, 0 }, { wakeUp.get(), POLLIN, 0 } };
        const int ready = ::poll (fds, 2, timeout);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || (fds[1].revents & POLLIN) != 0)
            return false;
        return true;
    }
}

void CommandLineReceiver::run()
{
    while (waitReadable (listening.get(), std::nullopt))
    {
        UniqueFd connection (::accept4 (listening.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (connection.isValid())
            serve (connection.get());
    }
}

void CommandLineReceiver::serve (int connection)
{
    // Another user's process gets neither an answer nor a hearing.
    if (! instance_socket::peerIsSameUser (connection))
        return;

    const auto bytes = readMessage (connection);
    auto message = bytes ? ForwardedCommandLine::decode (*bytes) : std::nullopt;

    const char* reply = message ? commandLineAccepted : commandLineRefused;
    ::send (connection, reply, std::strlen (reply), MSG_NOSIGNAL | MSG_DONTWAIT);

    if (message)
        delivery (std::move (*message));
}

std::optional<std::string> CommandLineReceiver::readMessage (int connection)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (readTimeoutMilliseconds);
    std::string bytes;
    char buffer[4096];

    while (bytes.size() <= ForwardedCommandLine::maxMessageBytes)
    {
        if (! waitReadable (connection, deadline))
            return std::nullopt;

        const auto received = ::recv (connection, buffer, sizeof (buffer), MSG_DONTWAIT);
        if (received == 0)
            return bytes;
        if (received < 0)
        {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return std::nullopt;
        }
        bytes.append (buffer, static_cast<std::size_t> (received));
    }
    return std::nullopt;
}
} // namespace x48305_application
