#include "midiport/MidiPort.h"

namespace midiport
{
std::string Endpoint::getDisplayName() const
{
    return deviceName + " - " + endpointName;
}
}
