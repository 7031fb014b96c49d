#include "library/UserData.h"

#include <algorithm>

namespace x48305_data
{
UserData& UserData::operator= (const UserData& other)
{
    if (this != &other)
        UserUnitKinds::forEach ([&] (auto kind) {
            const auto& source = groupOf<decltype (kind)> (other);
            std::copy (source.begin(), source.end() - 1, groupOf<decltype (kind)> (*this).begin());
            return 0;
        });
    return *this;
}

bool UserData::operator== (const UserData& other) const
{
    return UserUnitKinds::forEach ([&] (auto kind) {
               const auto& mine = groupOf<decltype (kind)> (*this);
               return std::equal (mine.begin(), mine.end() - 1, groupOf<decltype (kind)> (other).begin()) ? 0 : 1;
           })
           == 0;
}
} // namespace x48305_data
