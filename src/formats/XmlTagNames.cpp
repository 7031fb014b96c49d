#include "formats/XmlTagNames.h"

namespace data
{
bool isNamed (const juce::XmlElement& element, juce::StringRef tag) noexcept
{
    return element.getTagName() == tag;
}

juce::XmlElement* findChild (const juce::XmlElement& parent, juce::StringRef tag) noexcept
{
    for (auto* child : parent.getChildIterator())
        if (isNamed (*child, tag))
            return child;
    return nullptr;
}

std::vector<juce::XmlElement*> getChildrenNamed (const juce::XmlElement& parent, juce::StringRef tag)
{
    std::vector<juce::XmlElement*> children;
    for (auto* child : parent.getChildIterator())
        if (isNamed (*child, tag))
            children.push_back (child);
    return children;
}
} // namespace data
