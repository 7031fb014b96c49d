#include "support/ApplicationMidiBackend.h"

#include "midiport/DefaultBackend.h"

namespace testsupport
{
std::shared_ptr<midiport::VirtualBackend> applicationMidiBackend()
{
    static const auto backend = [] {
        auto made = std::make_shared<midiport::VirtualBackend>();
        midiport::setDefaultBackend (made);
        return made;
    }();
    return backend;
}
} // namespace testsupport
