#include "library/PresetInformation.h"

namespace x48305_data
{
void PresetInformation::reset()
{
    *this = PresetInformation();
}

bool PresetInformation::operator== (const PresetInformation& other) const
{
    return DataID == other.DataID && Name == other.Name && Author == other.Author && Copyright == other.Copyright
           && Date == other.Date && Prefix == other.Prefix && Version == other.Version && NumOfProg == other.NumOfProg;
}
} // namespace x48305_data
