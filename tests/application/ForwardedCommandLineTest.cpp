#include "application/ForwardedCommandLine.h"

#include <gtest/gtest.h>

namespace
{
using x48305_application::ForwardedCommandLine;

std::string bytes (std::initializer_list<std::string> fields)
{
    std::string result;
    for (const auto& field : fields)
        result.append (field).push_back ('\0');
    return result;
}

TEST (ForwardedCommandLineTest, RoundTripsFolderAndCommandLine)
{
    const ForwardedCommandLine original { juce::String::fromUTF8 ("/home/ユーザー/my folder"),
                                          "-NSFoo 1 \"x y.slvnprog\" b.slvnlib" };
    const auto encoded = original.encode();
    ASSERT_FALSE (encoded.empty());
    EXPECT_EQ (encoded, bytes ({ "SLVN-CL1", original.folder.toStdString(), original.commandLine.toStdString() }));

    const auto decoded = ForwardedCommandLine::decode (encoded);
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ (decoded->folder, original.folder);
    EXPECT_EQ (decoded->commandLine, original.commandLine);

    // An empty command line is a launch without arguments: still fine.
    const auto bare = ForwardedCommandLine::decode (ForwardedCommandLine { "/", "" }.encode());
    ASSERT_TRUE (bare.has_value());
    EXPECT_EQ (bare->commandLine, "");
}

TEST (ForwardedCommandLineTest, RefusesEveryMalformedMessage)
{
    const std::string longest (ForwardedCommandLine::maxMessageBytes - bytes ({ "SLVN-CL1", "/", "" }).size(), 'a');
    ASSERT_TRUE (ForwardedCommandLine::decode (bytes ({ "SLVN-CL1", "/", longest })).has_value());

    struct Case
    {
        const char* what;
        std::string message;
    };
    const Case cases[] = {
        { "empty", "" },
        { "no terminator", bytes ({ "SLVN-CL1", "/tmp" }) + "a.slvnlib" },
        { "two fields", bytes ({ "SLVN-CL1", "/tmp" }) },
        { "four fields", bytes ({ "SLVN-CL1", "/tmp", "a", "b" }) },
        { "wrong magic", bytes ({ "SLVN-CL2", "/tmp", "a" }) },
        { "magic of another program", bytes ({ "HELLO", "/tmp", "a" }) },
        { "relative folder", bytes ({ "SLVN-CL1", "tmp", "a" }) },
        { "empty folder", bytes ({ "SLVN-CL1", "", "a" }) },
        { "folder too long", bytes ({ "SLVN-CL1", "/" + std::string (ForwardedCommandLine::maxFolderBytes, 'f'), "a" }) },
        { "one byte too many", bytes ({ "SLVN-CL1", "/", longest + "a" }) },
        { "far too long", bytes ({ "SLVN-CL1", "/", std::string (1 << 20, 'a') }) },
        { "newline", bytes ({ "SLVN-CL1", "/tmp", "a\nb" }) },
        { "escape", bytes ({ "SLVN-CL1", "/tmp", "a\x1b[2Jb" }) },
        { "delete", bytes ({ "SLVN-CL1", "/tmp\x7f", "a" }) },
        { "broken UTF-8", bytes ({ "SLVN-CL1", "/tmp", "a\xc3" }) },
        { "stray continuation byte", bytes ({ "SLVN-CL1", "/t\x80mp", "a" }) },
    };

    for (const auto& c : cases)
        EXPECT_FALSE (ForwardedCommandLine::decode (c.message).has_value()) << c.what;

    // The sender never produces what the receiver would refuse.
    EXPECT_TRUE ((ForwardedCommandLine { "relative", "a" }.encode().empty()));
    EXPECT_TRUE ((ForwardedCommandLine { "/", juce::String (longest) + "a" }.encode().empty()));
    EXPECT_TRUE ((ForwardedCommandLine { "/", "line\nbreak" }.encode().empty()));
}
} // namespace
