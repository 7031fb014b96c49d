#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// The file that opening the path for writing reaches: every link on the way
// is followed as the system follows it (a relative target counts from the
// real folder that holds the link, so a ".." inside a linked folder climbs out
// of that folder's real parent), and a chain that ends in a dangling link
// gives the file it names, which a save creates. The result names no link.
//
// The links are followed here, not by the system, so the system's protection
// of shared folders is applied here too, whatever the machine's setting: in a
// sticky folder that everybody may write, a link is followed only when it is
// this user's own or belongs to the folder's owner. A link refused so, a loop,
// a chain longer than the system follows, or a missing folder give the
// default juce::File.
juce::File fileReachedBy (const juce::File& path);
} // namespace file
