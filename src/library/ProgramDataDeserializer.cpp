#include "library/ProgramDataDeserializer.h"

#include "data/SerializedSectionDataReader.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/ProgramData.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
int ProgramDataDeserializer::deserialize (const data::SerializedData& source)
{
    const auto result = readSections (source);
    program->updateDigest();
    return result;
}

int ProgramDataDeserializer::readSections (const data::SerializedData& source)
{
    data::SerializedSectionDataReader reader (source);
    if (! reader.read())
        return resultBadContainer;
    if (reader.getTag() != tags::program)
        return resultWrongTag;

    program->reset();

    for (const auto& section : reader.getSections())
    {
        if (section.tag == tags::programRecord)
        {
            program->setRawData (section.data);
        }
        else if (section.tag == tags::programInformation)
        {
            auto xml = data::parseXmlDocumentBytes (section.data.getData(), section.data.getSize());
            if (xml == nullptr || ! ProgramInformationXmlReaderWriter().readXml (*xml, *program))
                return resultBadInformation;
        }
    }
    return resultOk;
}
} // namespace x48305_data
