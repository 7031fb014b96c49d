#include "formats/XmlTextElements.h"

namespace data
{
juce::XmlElement& addTextElement (juce::XmlElement& parent, const juce::String& tag, const juce::String& text)
{
    auto* child = parent.createNewChildElement (tag);
    child->addTextElement (text);
    return *child;
}

juce::XmlElement& addTextElement (juce::XmlElement& parent, const juce::String& tag, int value)
{
    return addTextElement (parent, tag, juce::String (value));
}
} // namespace data
