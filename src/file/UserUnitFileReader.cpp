#include "file/UserUnitFileReader.h"

#include "file/FileResultCodes.h"
#include "file/ZipUserUnitFileReader.h"

namespace x48305_file
{
UserUnitFileReader::UserUnitFileReader (x48305_data::UserUnitData* targetUnit) : target (targetUnit) {}

int UserUnitFileReader::readContent (juce::InputStream& content)
{
    ZipUserUnitFileReader package (content);
    if (const int result = package.read(); result != file::ReadErrorNoError)
        return result;

    const x48305_data::UserUnitData unit (package.getHeaderRecord(), package.getPayload());
    if (unit.getImage().isEmpty())
        return file::ReadErrorFailedToReadUserUnitFile;

    if (target != nullptr)
        *target = unit;
    return file::ReadErrorNoError;
}
} // namespace x48305_file
