#pragma once

#include "midiport/MidiPort.h"

#include <memory>

namespace midiport
{
// The backend that MIDI users take when they are given none: the machine's
// ALSA sequencer, created on first use, unless the program (or a test) has set
// another one. Setting null brings back the sequencer.
std::shared_ptr<Backend> getDefaultBackend();
void setDefaultBackend (std::shared_ptr<Backend> backend);
}
