#include "application/CommandLineReceiver.h"
#include "application/CommandLineReplies.h"
#include "application/CommandLineSender.h"
#include "application/ForwardedCommandLineMailbox.h"
#include "application/InstanceLock.h"
#include "application/InstanceSocket.h"
#include "application/SingleInstanceGuard.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <mutex>
#include <vector>

namespace
{
using namespace x48305_application;
using Outcome = SingleInstanceGuard::Outcome;
using Clock = std::chrono::steady_clock;

long long millisecondsSince (Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds> (Clock::now() - start).count();
}

// Collects what the mailbox hands to the application, for one test.
class MailboxRecorder
{
public:
    MailboxRecorder()
    {
        ForwardedCommandLineMailbox::getInstance().setHandler ([this] (const ForwardedCommandLine& line) {
            received.push_back (line);
        });
    }

    ~MailboxRecorder() { ForwardedCommandLineMailbox::getInstance().clearHandler(); }

    bool waitFor (std::size_t count)
    {
        return testsupport::runMessageLoopUntil ([&] { return received.size() >= count; }, 5000);
    }

    std::vector<ForwardedCommandLine> received;
};

// What a receiver delivers, from its own thread.
struct Deliveries
{
    void add (ForwardedCommandLine line)
    {
        const std::lock_guard<std::mutex> guard (lock);
        lines.push_back (std::move (line));
    }

    std::size_t count()
    {
        const std::lock_guard<std::mutex> guard (lock);
        return lines.size();
    }

    std::mutex lock;
    std::vector<ForwardedCommandLine> lines;
};

// A socket name no other test (or test program) uses.
std::string uniqueName (const char* what)
{
    static std::atomic<int> counter { 0 };
    return std::string ("slvn-test.") + what + "." + std::to_string (::getpid()) + "." + std::to_string (counter++);
}

// A raw client that sends bytes as they are and returns the answer ("" when
// the connection closed without one).
std::string exchangeRaw (const std::string& name, const std::string& bytes, bool closeSendingSide = true)
{
    auto socket = instance_socket::connectTo (name, 3000);
    if (! socket.isValid())
        return "<no connection>";
    std::size_t sent = 0;
    while (sent < bytes.size())
    {
        const auto n = ::send (socket.get(), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += (std::size_t) n;
    }
    if (closeSendingSide)
        ::shutdown (socket.get(), SHUT_WR);

    std::string answer;
    char buffer[16];
    ssize_t n = 0;
    while ((n = ::recv (socket.get(), buffer, sizeof (buffer), 0)) > 0)
        answer.append (buffer, (std::size_t) n);
    return answer;
}

sockaddr_un abstractAddress (const std::string& name, socklen_t& length)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy (address.sun_path + 1, name.data(), name.size());
    length = (socklen_t) (offsetof (sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

TEST (SingleInstanceChannelTest, FirstInstanceListensAndASecondLaunchForwardsWithItsFolder)
{
    testsupport::TemporaryFolder preferences;
    MailboxRecorder mailbox;

    SingleInstanceGuard first (preferences.get());
    ASSERT_EQ (first.claim ({ "/first", {} }), Outcome::firstInstance);
    EXPECT_TRUE (SingleInstanceGuard::lockFileIn (preferences.get()).existsAsFile());

    const auto start = Clock::now();
    SingleInstanceGuard second (preferences.get());
    EXPECT_EQ (second.claim ({ "/home/u/work", { "-NSFoo", "1", "a b.slvnprog" } }), Outcome::forwarded);
    EXPECT_LT (millisecondsSince (start), 1000);

    ASSERT_TRUE (mailbox.waitFor (1));
    EXPECT_EQ (mailbox.received[0].folder, "/home/u/work");
    EXPECT_EQ (mailbox.received[0].arguments, (juce::StringArray { "-NSFoo", "1", "a b.slvnprog" }));

    // Another preferences folder (another home) is another channel.
    testsupport::TemporaryFolder otherPreferences;
    SingleInstanceGuard elsewhere (otherPreferences.get());
    EXPECT_EQ (elsewhere.claim ({ "/x", {} }), Outcome::firstInstance);
    EXPECT_NE (instance_socket::nameFor (preferences.get()), instance_socket::nameFor (otherPreferences.get()));

    testsupport::runMessageLoop (50);
    EXPECT_EQ (mailbox.received.size(), 1u);
}

TEST (SingleInstanceChannelTest, CommandLinesWaitUntilTheApplicationIsReady)
{
    testsupport::TemporaryFolder preferences;
    SingleInstanceGuard first (preferences.get());
    ASSERT_EQ (first.claim ({ "/first", {} }), Outcome::firstInstance);

    // Launches while the first is still starting are answered at once and
    // kept until the handler is set.
    EXPECT_EQ (SingleInstanceGuard (preferences.get()).claim ({ "/a", { "one.slvnlib" } }), Outcome::forwarded);
    EXPECT_EQ (SingleInstanceGuard (preferences.get()).claim ({ "/b", { "two.slvnlib" } }), Outcome::forwarded);
    testsupport::runMessageLoop (50);

    std::vector<juce::String> order;
    bool insideSetHandler = true;
    ForwardedCommandLineMailbox::getInstance().setHandler ([&] (const ForwardedCommandLine& line) {
        EXPECT_FALSE (insideSetHandler);
        order.push_back (line.folder + "|" + line.arguments.joinIntoString (" "));
    });
    insideSetHandler = false;

    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return order.size() == 2; }, 5000));
    EXPECT_EQ (order, (std::vector<juce::String> { "/a|one.slvnlib", "/b|two.slvnlib" }));
    ForwardedCommandLineMailbox::getInstance().clearHandler();
}

TEST (SingleInstanceChannelTest, ALaunchWhileTheFirstIsStartingRetriesForABoundedTime)
{
    testsupport::TemporaryFolder preferences;
    const auto name = instance_socket::nameFor (preferences.get());

    // The first has its lock but no socket yet.
    InstanceLock starting (SingleInstanceGuard::lockFileIn (preferences.get()));
    ASSERT_EQ (starting.tryLock(), InstanceLock::State::locked);

    auto start = Clock::now();
    EXPECT_EQ (SingleInstanceGuard (preferences.get()).claim ({ "/x", {} }, 300), Outcome::noAnswer);
    EXPECT_GE (millisecondsSince (start), 300);
    EXPECT_LT (millisecondsSince (start), 2000);

    // Its socket opens while the second launch is waiting.
    start = Clock::now();
    auto second = std::async (std::launch::async, [&] {
        return SingleInstanceGuard (preferences.get()).claim ({ "/late", { "late.slvnprog" } }, 4000);
    });
    std::this_thread::sleep_for (std::chrono::milliseconds (300));
    Deliveries deliveries;
    CommandLineReceiver receiver (instance_socket::listenOn (name),
                                  [&] (ForwardedCommandLine line) { deliveries.add (std::move (line)); });

    EXPECT_EQ (second.get(), Outcome::forwarded);
    EXPECT_GE (millisecondsSince (start), 300);
    ASSERT_EQ (deliveries.count(), 1u);
    EXPECT_EQ (deliveries.lines[0].arguments, juce::StringArray { "late.slvnprog" });
}

TEST (SingleInstanceChannelTest, OnceTheFirstHasGoneTheNextLaunchIsTheFirst)
{
    testsupport::TemporaryFolder preferences;
    {
        SingleInstanceGuard first (preferences.get());
        ASSERT_EQ (first.claim ({ "/x", {} }), Outcome::firstInstance);
    }

    // Lock file and all: nothing the first left behind blocks the next.
    EXPECT_TRUE (SingleInstanceGuard::lockFileIn (preferences.get()).existsAsFile());
    const auto start = Clock::now();
    SingleInstanceGuard next (preferences.get());
    EXPECT_EQ (next.claim ({ "/x", {} }), Outcome::firstInstance);
    EXPECT_LT (millisecondsSince (start), 200);

    // A lock file that cannot be made does not keep the program from starting.
    SingleInstanceGuard withoutLock (preferences.get().getChildFile ("no such folder"));
    EXPECT_EQ (withoutLock.claim ({ "/x", {} }), Outcome::firstInstance);
}

TEST (SingleInstanceChannelTest, ReceiverTreatsWhatArrivesAsOutsideInput)
{
    const auto name = uniqueName ("receiver");
    Deliveries deliveries;
    CommandLineReceiver receiver (instance_socket::listenOn (name),
                                  [&] (ForwardedCommandLine line) { deliveries.add (std::move (line)); },
                                  300);

    const auto good = ForwardedCommandLine { "/home/u", { "a.slvnlib" } }.encode();

    EXPECT_EQ (exchangeRaw (name, "GET / HTTP/1.0\r\n\r\n"), commandLineRefused);
    EXPECT_EQ (exchangeRaw (name, good.substr (0, good.size() - 1)), commandLineRefused);
    EXPECT_EQ (exchangeRaw (name, ""), commandLineRefused);

    // More than the cap: reading stops there and the text is refused (or the
    // connection is dropped while the sender still writes).
    const auto oversized = exchangeRaw (name, std::string (ForwardedCommandLine::maxMessageBytes + 4096, 'a'));
    EXPECT_TRUE (oversized == commandLineRefused || oversized.empty()) << oversized;

    // A sender that never finishes is given up after the read time-out, and
    // the next one is served.
    auto stalled = instance_socket::connectTo (name, 3000);
    ASSERT_TRUE (stalled.isValid());
    ASSERT_GT (::send (stalled.get(), good.data(), 5, MSG_NOSIGNAL), 0);
    const auto start = Clock::now();
    EXPECT_EQ (exchangeRaw (name, good), commandLineAccepted);
    EXPECT_GE (millisecondsSince (start), 250);
    EXPECT_LT (millisecondsSince (start), 2000);

    ASSERT_EQ (deliveries.count(), 1u);
    EXPECT_EQ (deliveries.lines[0].folder, "/home/u");
    EXPECT_EQ (deliveries.lines[0].arguments, juce::StringArray { "a.slvnlib" });

    EXPECT_EQ (CommandLineSender (name).send ({ "/home/u", { "b.slvnlib" } }), CommandLineSender::Result::delivered);
    EXPECT_EQ (CommandLineSender (uniqueName ("nobody")).send ({ "/", {} }), CommandLineSender::Result::noListener);
    EXPECT_EQ (deliveries.count(), 2u);
}

// Runs fn in a child process as the user "nobody"; its exit code, or -1.
template <typename Fn>
int runAsNobody (Fn fn)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::alarm (10);
        if (::setgid (65534) != 0 || ::setuid (65534) != 0)
            ::_exit (99);
        ::_exit (fn());
    }
    int status = 0;
    if (child < 0 || ::waitpid (child, &status, 0) != child || ! WIFEXITED (status))
        return -1;
    return WEXITSTATUS (status);
}

TEST (SingleInstanceChannelTest, OnlyTheSameUserIsHeardAndTold)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";

    const auto name = uniqueName ("users");
    Deliveries deliveries;
    CommandLineReceiver receiver (instance_socket::listenOn (name),
                                  [&] (ForwardedCommandLine line) { deliveries.add (std::move (line)); });

    // Another user's command line gets no hearing and no answer. Everything
    // the child needs is made before it starts.
    const auto message = ForwardedCommandLine { "/tmp", { "evil.slvnlib" } }.encode();
    socklen_t length = 0;
    const auto address = abstractAddress (name, length);
    const int answerBytes = runAsNobody ([&] {
        const int fd = ::socket (AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 || ::connect (fd, reinterpret_cast<const sockaddr*> (&address), length) != 0)
            return 98;
        ::send (fd, message.data(), message.size(), MSG_NOSIGNAL);
        ::shutdown (fd, SHUT_WR);
        char buffer[16];
        // Closed unanswered, perhaps reset because the text was never read.
        const auto n = ::recv (fd, buffer, sizeof (buffer), 0);
        return n > 0 ? (int) n : 0;
    });
    EXPECT_EQ (answerBytes, 0);
    EXPECT_EQ (deliveries.count(), 0u);

    // A socket of our name held by another user is told nothing.
    const auto squatted = uniqueName ("squatted");
    socklen_t squattedLength = 0;
    const auto squattedAddress = abstractAddress (squatted, squattedLength);
    int ready[2];
    ASSERT_EQ (::pipe (ready), 0);
    auto squatter = std::async (std::launch::async, [&] {
        return runAsNobody ([&] {
            const int fd = ::socket (AF_UNIX, SOCK_STREAM, 0);
            if (fd < 0 || ::bind (fd, reinterpret_cast<const sockaddr*> (&squattedAddress), squattedLength) != 0
                || ::listen (fd, 1) != 0)
                return 98;
            [[maybe_unused]] const auto w = ::write (ready[1], "r", 1);
            const int connection = ::accept (fd, nullptr, nullptr);
            char buffer[64];
            const auto n = ::recv (connection, buffer, sizeof (buffer), 0);
            return n == 0 ? 0 : 1; // 0: the connection closed with nothing sent
        });
    });
    char signal = 0;
    ASSERT_EQ (::read (ready[0], &signal, 1), 1);
    EXPECT_EQ (CommandLineSender (squatted).send ({ "/home/u", { "secret.slvnlib" } }),
               CommandLineSender::Result::foreignOwner);
    EXPECT_EQ (squatter.get(), 0);
    ::close (ready[0]);
    ::close (ready[1]);
}
} // namespace
