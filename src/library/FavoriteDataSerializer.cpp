#include "library/FavoriteDataSerializer.h"

#include "data/SerializedSectionDataWriter.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
data::SerializedData FavoriteDataSerializer::serialize() const
{
    data::SerializedData result;
    data::SerializedSectionDataWriter writer (result);
    const auto xml = FavoriteDataXmlReaderWriter().createXml (*liveSet);
    writer.addSection (tags::liveSetDocument, data::createZeroTerminatedXmlDocument (*xml));
    writer.finish (tags::liveSet);
    return result;
}
} // namespace x48305_data
