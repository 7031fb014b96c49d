#pragma once

#include "support/sim/SimulatedInstrument.h"

#include <cstddef>
#include <vector>

namespace sim
{
// The requests that a receive of the user units makes of an instrument that
// answers each request once, after the identity request that starts it:
// a header request for every slot of oscillators, modulation, delay and
// reverb effects in that order (the first `count` slots), and, for a slot
// whose header repeats the one before it, an identity request and a second
// header request, since its first answer could have been a stale repeat.
// Each carries its kind, and a header request its unit kind and slot.
std::vector<Request> unitReceiveRequests (const SimulatedInstrument& instrument, std::size_t count = 48);
}
