#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace x48305_data
{
class ProgramData;
class ProgramInformation;

// A program's programmer and comment texts as the element
// "solivane_ProgramInformation" with the children "Programmer" and "Comment".
class ProgramInformationXmlReaderWriter
{
public:
    static constexpr const char* rootTag = "solivane_ProgramInformation";

    virtual ~ProgramInformationXmlReaderWriter() {}

    std::unique_ptr<juce::XmlElement> createXml (const ProgramInformation& information) const;
    std::unique_ptr<juce::XmlElement> createXml (const ProgramData& program) const;

    // False, with nothing changed, when the root is not
    // "solivane_ProgramInformation". A missing child leaves its text.
    bool readXml (const juce::XmlElement& element, ProgramInformation& information) const;
    bool readXml (const juce::XmlElement& element, ProgramData& program) const;
};
} // namespace x48305_data
