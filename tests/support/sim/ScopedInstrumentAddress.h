#pragma once

#include "midi/InstrumentAddress.h"

#include <cstdint>

namespace sim
{
// Installs a fixed instrument address (by default the Solivane's family code
// 343, any member) for as long as it lives, so that builders and analyzers
// made without an explicit address speak to the simulated instrument.
class ScopedInstrumentAddress : public x48305_midi::InstrumentAddressSource
{
public:
    explicit ScopedInstrumentAddress (std::uint32_t familyCode = 343,
                                      std::uint32_t memberId = x48305_midi::InstrumentAddress::anyMember)
        : address { familyCode, memberId }
    {
        x48305_midi::setInstrumentAddressSource (this);
    }

    ~ScopedInstrumentAddress() override
    {
        x48305_midi::clearInstrumentAddressSource (this);
    }

    ScopedInstrumentAddress (const ScopedInstrumentAddress&) = delete;
    ScopedInstrumentAddress& operator= (const ScopedInstrumentAddress&) = delete;

    x48305_midi::InstrumentAddress getInstrumentAddress() const override { return address; }

private:
    x48305_midi::InstrumentAddress address;
};
}
