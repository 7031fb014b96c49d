#include "library/LibraryDataSerializer.h"

#include "data/SerializedSectionDataWriter.h"
#include "library/LibraryData.h"
#include "library/SerialFormTags.h"

namespace x48305_data
{
data::SerializedData LibraryDataSerializer::serialize() const
{
    data::SerializedData result;
    data::SerializedSectionDataWriter writer (result);
    for (int number = 0; number < LibraryData::numPrograms; ++number)
        writer.addSection (tags::libraryProgram, library->getProgram (number).serialize());
    writer.addSection (tags::libraryLiveSet, library->getFavoriteData().serialize());
    writer.finish (tags::library);
    return result;
}
} // namespace x48305_data
