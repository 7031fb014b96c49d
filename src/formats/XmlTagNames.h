#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace data
{
// Element names in the documents the system reads are compared exactly, case
// included. The framework's hasTagName, getChildByName and
// getChildWithTagNameIterator ignore case (and assert in debug builds when
// only the case differs), so every reader matches names through these.
bool isNamed (const juce::XmlElement& element, juce::StringRef tag) noexcept;

// The first child element named exactly tag, or null.
juce::XmlElement* findChild (const juce::XmlElement& parent, juce::StringRef tag) noexcept;

// The child elements named exactly tag, in document order.
std::vector<juce::XmlElement*> getChildrenNamed (const juce::XmlElement& parent, juce::StringRef tag);
} // namespace data
