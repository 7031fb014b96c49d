#pragma once

#include "midiport/VirtualBackend.h"

#include <memory>

namespace testsupport
{
// The application's device manager is made once per process and keeps the
// backend that was the default then. This virtual backend is made the
// default on the first call, so that every test of a program (also when
// repeated) finds the device manager on it; call it before anything asks for
// the device manager.
std::shared_ptr<midiport::VirtualBackend> applicationMidiBackend();
} // namespace testsupport
