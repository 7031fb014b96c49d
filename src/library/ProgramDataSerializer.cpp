#include "library/ProgramDataSerializer.h"

#include "data/SerializedSectionDataWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/ProgramData.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
data::SerializedData ProgramDataSerializer::serialize() const
{
    data::SerializedData result;
    data::SerializedSectionDataWriter writer (result);
    writer.addSection (tags::programRecord, program->getRawData(), programRecordSize);

    const auto xml = ProgramInformationXmlReaderWriter().createXml (program->getInformation());
    writer.addSection (tags::programInformation, data::createZeroTerminatedXmlDocument (*xml));
    writer.finish (tags::program);
    return result;
}
} // namespace x48305_data
