#include "library/LibraryDataDeserializer.h"

#include "data/SerializedSectionDataReader.h"
#include "library/LibraryData.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
int LibraryDataDeserializer::deserialize (const data::SerializedData& source)
{
    data::SerializedSectionDataReader reader (source);
    if (! reader.read())
        return resultBadContainer;
    if (reader.getTag() != tags::library)
        return resultWrongTag;

    library->reset();

    int number = 0;
    for (const auto& section : reader.getSections())
    {
        const data::SerializedData nested (section.data.getData(), section.data.getSize());
        if (section.tag == tags::libraryProgram)
        {
            // A program past the 500th lands on the spare program.
            if (! library->getProgram (number).deserialize (nested))
                return resultBadProgram;
            ++number;
        }
        else if (section.tag == tags::libraryLiveSet)
        {
            if (! library->getFavoriteData().deserialize (nested))
                return resultBadLiveSet;
        }
    }
    return resultOk;
}
} // namespace x48305_data
