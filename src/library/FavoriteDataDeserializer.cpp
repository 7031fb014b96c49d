#include "library/FavoriteDataDeserializer.h"

#include "data/SerializedSectionDataReader.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/FavoriteData.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
int FavoriteDataDeserializer::deserialize (const data::SerializedData& source)
{
    data::SerializedSectionDataReader reader (source);
    if (! reader.read())
        return resultBadContainer;
    if (reader.getTag() != tags::liveSet)
        return resultWrongTag;

    liveSet->reset();

    for (const auto& section : reader.getSections())
    {
        if (section.tag != tags::liveSetDocument)
            continue;

        auto xml = data::parseXmlDocumentBytes (section.data.getData(), section.data.getSize());
        if (xml == nullptr || ! FavoriteDataXmlReaderWriter().readXml (*xml, *liveSet))
            return resultBadDocument;
    }
    return resultOk;
}
} // namespace x48305_data
