#pragma once

#include <juce_core/juce_core.h>

namespace data
{
// Appends a child element that holds the text as one text node (an empty
// text still gets its empty text node).
juce::XmlElement& addTextElement (juce::XmlElement& parent, const juce::String& tag, const juce::String& text);
juce::XmlElement& addTextElement (juce::XmlElement& parent, const juce::String& tag, int value);
} // namespace data
