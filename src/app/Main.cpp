#include "application/PreferencesData.h"
#include "application/SingleInstanceGuard.h"
#include "application/SolivaneLibrarianApplication.h"

#include <cstdio>

namespace
{
juce::StringArray argumentsOf (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));
    return arguments;
}
} // namespace

int main (int argc, char* argv[])
{
    using x48305_application::SingleInstanceGuard;

    // Decided before anything else starts: a second launch opens no MIDI
    // client, writes no preferences and shows no window. A working folder
    // that has gone gives no path; "/" stands in for it.
    const auto folder = juce::File::getCurrentWorkingDirectory().getFullPathName();
    const x48305_application::ForwardedCommandLine ownCommandLine {
        folder.startsWithChar ('/') ? folder : juce::String ("/"),
        argumentsOf (argc, argv)
    };
    SingleInstanceGuard guard (x48305_preferences::PreferencesData::getFolder());

    switch (guard.claim (ownCommandLine))
    {
        case SingleInstanceGuard::Outcome::forwarded:
            return 0;
        case SingleInstanceGuard::Outcome::refused:
            std::fprintf (stderr, "The running solivane Sound Librarian refused this command line.\n");
            return 1;
        case SingleInstanceGuard::Outcome::noAnswer:
            std::fprintf (stderr, "solivane Sound Librarian is running but did not answer.\n");
            return 1;
        case SingleInstanceGuard::Outcome::firstInstance:
            break;
    }

    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
