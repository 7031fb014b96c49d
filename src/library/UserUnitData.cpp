#include "library/UserUnitData.h"

#include "data/MemoryBlockHelpers.h"
#include "formats/UserUnitBinary.h"

namespace x48305_data
{
UserUnitData::UserUnitData() : statusText ("Uninitialized data.") {}

UserUnitData::UserUnitData (const UnitHeaderRecord& header, const juce::MemoryBlock& payload)
{
    std::size_t imageSize = 0;
    std::string errorText;
    auto built = buildUserUnitBinary (payload.getData(), header, payload.getSize(), imageSize, errorText);

    if (built == nullptr)
    {
        statusText = juce::String (errorText);
        return;
    }

    image.replaceAll (built.get(), imageSize);
}

UserUnitData& UserUnitData::operator= (const UserUnitData& other)
{
    data::assignMemoryBlock (image, other.image);
    statusText = other.statusText;
    return *this;
}

int UserUnitData::getModuleIndex() const
{
    if (image.isEmpty())
        return -1;
    return static_cast<const std::uint8_t*> (image.getData())[0] & 0x7f;
}
} // namespace x48305_data
