#include "support/sim/UnitReceiveRequests.h"

namespace sim
{
namespace
{
Request headerRequest (int unitKind, int slot)
{
    Request request;
    request.kind = RequestKind::unitHeaderRequest;
    request.unitKind = unitKind;
    request.number = slot;
    return request;
}
}

std::vector<Request> unitReceiveRequests (const SimulatedInstrument& instrument, std::size_t count)
{
    using Memory = InstrumentMemory;
    std::vector<Request> requests;
    Bytes previous;
    std::size_t asked = 0;
    for (const int kind : { Memory::oscillator, Memory::modulationEffect, Memory::delayEffect, Memory::reverbEffect })
        for (int slot = 0; slot < Memory::getSlotCount (kind) && asked++ < count; ++slot)
        {
            const auto unit = instrument.getUnitSlot (kind, slot);
            const auto header = unit.isEmpty() ? Bytes (Memory::unitHeaderSize, 0) : unit.header;
            requests.push_back (headerRequest (kind, slot));
            if (asked > 1 && header == previous)
            {
                Request identity;
                identity.kind = RequestKind::identityRequest;
                requests.push_back (identity);
                requests.push_back (headerRequest (kind, slot));
            }
            previous = header;
        }
    return requests;
}
}
