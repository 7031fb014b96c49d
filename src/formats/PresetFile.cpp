#include "formats/PresetFile.h"

#include "file/FileResultCodes.h"
#include "formats/ZipLibraryFileReader.h"
#include "formats/ZipLibraryFileWriter.h"
#include "library/PresetData.h"

#include <algorithm>

namespace x48305_file
{
int PresetFileReader::readContent (juce::InputStream& content)
{
    ZipLibraryFileReader reader (content);
    if (const int result = reader.read(); result != file::ReadErrorNoError)
        return result;

    target->reset();
    if (reader.getNumPresetInformation() == 0)
        return file::ReadErrorPresetInformationMissing;
    target->getInformation() = reader.getPresetInformation (0);

    const int count = std::min (reader.getNumProgramData(), x48305_data::PresetData::numPrograms);
    for (int i = 0; i < count; ++i)
        target->getProgram (i) = reader.getProgramData (i);
    return file::ReadErrorNoError;
}

int PresetFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addPresetInformation (source->getInformation());
    for (int i = 0; i < x48305_data::PresetData::numPrograms; ++i)
        writer.addProgramData (source->getProgram (i));
    return writer.write (file);
}
} // namespace x48305_file
