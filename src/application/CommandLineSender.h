#pragma once

#include "application/ForwardedCommandLine.h"

#include <string>

namespace x48305_application
{
// The second launch's side of the channel: hands the command line to the
// instance that listens on the socket name and waits for its answer.
class CommandLineSender
{
public:
    enum class Result
    {
        delivered,      // the running instance took it
        refused,        // the running instance found it malformed or too long
        noListener,     // nobody listens on the name (yet)
        foreignOwner,   // the listener runs as another user: nothing was sent
        failed          // the exchange broke off or timed out
    };

    explicit CommandLineSender (std::string socketName, int timeoutMilliseconds = 2000);

    Result send (const ForwardedCommandLine& commandLine) const;

private:
    Result sendBytes (int fd, const std::string& bytes) const;

    std::string socketName;
    int timeoutMilliseconds;
};
} // namespace x48305_application
