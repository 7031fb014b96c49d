#include "formats/PresetInformationXmlReaderWriter.h"

#include "formats/DecimalText.h"
#include "formats/XmlTagNames.h"
#include "formats/XmlTextElements.h"
#include "library/PresetInformation.h"

namespace x48305_data
{
namespace
{
void readText (const juce::XmlElement& root, const char* tag, juce::String& field)
{
    if (auto* child = data::findChild (root, tag))
        field = child->getAllSubText();
}
} // namespace

std::unique_ptr<juce::XmlElement> PresetInformationXmlReaderWriter::createXml (const PresetInformation& info) const
{
    auto root = std::make_unique<juce::XmlElement> (rootTag);
    data::addTextElement (*root, "DataID", info.DataID);
    data::addTextElement (*root, "Name", info.Name);
    data::addTextElement (*root, "Author", info.Author);
    data::addTextElement (*root, "Version", info.Version);
    data::addTextElement (*root, "NumOfProg", info.NumOfProg);
    data::addTextElement (*root, "Date", info.Date);
    data::addTextElement (*root, "Prefix", info.Prefix);
    data::addTextElement (*root, "Copyright", info.Copyright);
    return root;
}

bool PresetInformationXmlReaderWriter::readXml (const juce::XmlElement& element, PresetInformation& info) const
{
    if (! data::isNamed (element, rootTag))
        return false;

    readText (element, "DataID", info.DataID);
    readText (element, "Name", info.Name);
    readText (element, "Author", info.Author);
    readText (element, "Date", info.Date);
    readText (element, "Prefix", info.Prefix);
    readText (element, "Copyright", info.Copyright);

    if (auto* version = data::findChild (element, "Version"))
        info.Version = data::readDecimalInt (version->getAllSubText());

    if (auto* count = data::findChild (element, "NumOfProg"))
        info.NumOfProg = data::readDecimalInt (count->getAllSubText());
    else
        info.NumOfProg = PresetInformation::defaultNumOfProg;
    return true;
}
} // namespace x48305_data
