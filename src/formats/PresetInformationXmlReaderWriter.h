#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace x48305_data
{
class PresetInformation;

// A preset's information as "solivane_Preset" with the children DataID,
// Name, Author, Version, NumOfProg, Date, Prefix and Copyright.
class PresetInformationXmlReaderWriter
{
public:
    static constexpr const char* rootTag = "solivane_Preset";

    virtual ~PresetInformationXmlReaderWriter() {}

    std::unique_ptr<juce::XmlElement> createXml (const PresetInformation& information) const;

    // False, with nothing changed, when the root is not "solivane_Preset".
    // A missing child leaves its field, except that a missing NumOfProg
    // means 500.
    bool readXml (const juce::XmlElement& element, PresetInformation& information) const;
};
} // namespace x48305_data
