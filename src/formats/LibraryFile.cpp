#include "formats/LibraryFile.h"

#include "file/FileResultCodes.h"
#include "formats/ZipLibraryFileReader.h"
#include "formats/ZipLibraryFileWriter.h"
#include "library/LibraryData.h"

#include <algorithm>

namespace x48305_file
{
int LibraryFileReader::readContent (juce::InputStream& content)
{
    ZipLibraryFileReader reader (content);
    if (const int result = reader.read(); result != file::ReadErrorNoError)
        return result;

    // Only a file that passed every check touches the library.
    target->reset();
    if (reader.getNumFavoriteData() > 0)
        target->getFavoriteData() = reader.getFavoriteData (0);

    const int count = std::min (reader.getNumProgramData(), x48305_data::LibraryData::numPrograms);
    for (int i = 0; i < count; ++i)
        target->getProgram (i) = reader.getProgramData (i);
    return file::ReadErrorNoError;
}

int LibraryFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addFavoriteData (source->getFavoriteData());
    for (int i = 0; i < x48305_data::LibraryData::numPrograms; ++i)
        writer.addProgramData (source->getProgram (i));
    return writer.write (file);
}
} // namespace x48305_file
