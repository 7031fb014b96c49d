#include "formats/ProgramInformationXmlReaderWriter.h"

#include "formats/XmlTagNames.h"
#include "formats/XmlTextElements.h"
#include "library/ProgramData.h"

namespace x48305_data
{
namespace
{
constexpr const char* programmerTag = "Programmer";
constexpr const char* commentTag = "Comment";
} // namespace

std::unique_ptr<juce::XmlElement> ProgramInformationXmlReaderWriter::createXml (const ProgramInformation& information) const
{
    auto root = std::make_unique<juce::XmlElement> (rootTag);
    data::addTextElement (*root, programmerTag, information.getProgrammer());
    data::addTextElement (*root, commentTag, information.getComment());
    return root;
}

std::unique_ptr<juce::XmlElement> ProgramInformationXmlReaderWriter::createXml (const ProgramData& program) const
{
    return createXml (program.getInformation());
}

bool ProgramInformationXmlReaderWriter::readXml (const juce::XmlElement& element, ProgramInformation& information) const
{
    if (! data::isNamed (element, rootTag))
        return false;

    if (auto* programmer = data::findChild (element, programmerTag))
        information.setProgrammer (programmer->getAllSubText());
    if (auto* comment = data::findChild (element, commentTag))
        information.setComment (comment->getAllSubText());
    return true;
}

bool ProgramInformationXmlReaderWriter::readXml (const juce::XmlElement& element, ProgramData& program) const
{
    return readXml (element, program.getInformation());
}
} // namespace x48305_data
