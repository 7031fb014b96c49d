#include "formats/ProgramFile.h"

#include "file/FileResultCodes.h"
#include "formats/ZipLibraryFileReader.h"
#include "formats/ZipLibraryFileWriter.h"
#include "library/ProgramData.h"

namespace x48305_file
{
int ProgramFileReader::readContent (juce::InputStream& content)
{
    ZipLibraryFileReader reader (content);
    if (const int result = reader.read(); result != file::ReadErrorNoError)
        return result;

    if (reader.getNumProgramData() == 0)
        return file::ReadErrorProgramDataMissing;
    *target = reader.getProgramData (0);
    return file::ReadErrorNoError;
}

int ProgramFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addProgramData (*source);
    return writer.write (file);
}
} // namespace x48305_file
