#include "support/PrivateTemporaryFolder.h"

#include <cstdlib>
#include <vector>

namespace testsupport
{
PrivateTemporaryFolder::PrivateTemporaryFolder()
{
    const auto base = juce::File::getSpecialLocation (juce::File::tempDirectory);
    const auto pattern = base.getChildFile ("slvn-XXXXXX").getFullPathName();

    std::vector<char> path (pattern.toRawUTF8(), pattern.toRawUTF8() + pattern.getNumBytesAsUTF8() + 1);
    if (::mkdtemp (path.data()) != nullptr)
        folder = juce::File (juce::CharPointer_UTF8 (path.data()));
}

PrivateTemporaryFolder::~PrivateTemporaryFolder()
{
    if (isValid())
        folder.deleteRecursively();
}
} // namespace testsupport
