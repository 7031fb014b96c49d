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

TEST (ForwardedCommandLineTest, RoundTripsFolderAndArgumentsExactlyAsGiven)
{
    const ForwardedCommandLine original { juce::String::fromUTF8 ("/home/ユーザー/my folder"),
                                          { "-NSFoo", "1", "q\"x y.slvnprog", "", juce::String::fromUTF8 ("ü b.slvnlib") } };
    const auto encoded = original.encode();
    ASSERT_FALSE (encoded.empty());
    EXPECT_EQ (encoded, bytes ({ "SLVN-CL2", original.folder.toStdString(), "-NSFoo", "1", "q\"x y.slvnprog", "",
                                 original.arguments[4].toStdString() }));

    const auto decoded = ForwardedCommandLine::decode (encoded);
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ (decoded->folder, original.folder);
    EXPECT_EQ (decoded->arguments, original.arguments);

    // A launch without arguments: still fine.
    const auto bare = ForwardedCommandLine::decode (ForwardedCommandLine { "/", {} }.encode());
    ASSERT_TRUE (bare.has_value());
    EXPECT_TRUE (bare->arguments.isEmpty());
}

TEST (ForwardedCommandLineTest, RefusesEveryMalformedMessage)
{
    const std::string longest (ForwardedCommandLine::maxMessageBytes - bytes ({ "SLVN-CL2", "/", "" }).size(), 'a');
    ASSERT_TRUE (ForwardedCommandLine::decode (bytes ({ "SLVN-CL2", "/", longest })).has_value());

    struct Case
    {
        const char* what;
        std::string message;
    };
    const Case cases[] = {
        { "empty", "" },
        { "no terminator", bytes ({ "SLVN-CL2", "/tmp" }) + "a.slvnlib" },
        { "no folder", bytes ({ "SLVN-CL2" }) },
        { "the earlier single-string form", bytes ({ "SLVN-CL1", "/tmp", "a" }) },
        { "magic of another program", bytes ({ "HELLO", "/tmp", "a" }) },
        { "relative folder", bytes ({ "SLVN-CL2", "tmp", "a" }) },
        { "empty folder", bytes ({ "SLVN-CL2", "", "a" }) },
        { "folder too long", bytes ({ "SLVN-CL2", "/" + std::string (ForwardedCommandLine::maxFolderBytes, 'f'), "a" }) },
        { "one byte too many", bytes ({ "SLVN-CL2", "/", longest + "a" }) },
        { "far too long", bytes ({ "SLVN-CL2", "/", std::string (1 << 20, 'a') }) },
        { "newline", bytes ({ "SLVN-CL2", "/tmp", "a\nb" }) },
        { "escape", bytes ({ "SLVN-CL2", "/tmp", "a\x1b[2Jb" }) },
        { "delete", bytes ({ "SLVN-CL2", "/tmp\x7f", "a" }) },
        { "broken UTF-8", bytes ({ "SLVN-CL2", "/tmp", "a\xc3" }) },
        { "stray continuation byte", bytes ({ "SLVN-CL2", "/t\x80mp", "a" }) },
        { "overlong form", bytes ({ "SLVN-CL2", "/home/\xe0\x82\xb6", "a" }) },
        { "surrogate", bytes ({ "SLVN-CL2", "/tmp", "\xed\xa0\x80.slvnlib" }) },
        { "beyond U+10FFFF", bytes ({ "SLVN-CL2", "/tmp", "\xf4\x90\x80\x80" }) },
    };

    for (const auto& c : cases)
        EXPECT_FALSE (ForwardedCommandLine::decode (c.message).has_value()) << c.what;

    // The sender never produces what the receiver would refuse.
    EXPECT_TRUE ((ForwardedCommandLine { "relative", { "a" } }.encode().empty()));
    EXPECT_TRUE ((ForwardedCommandLine { "/", { juce::String (longest) + "a" } }.encode().empty()));
    EXPECT_TRUE ((ForwardedCommandLine { "/", { "ok", "line\nbreak" } }.encode().empty()));
}
} // namespace
