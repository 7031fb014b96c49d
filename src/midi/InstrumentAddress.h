#pragma once

#include <cstdint>

namespace x48305_midi
{
// The instrument's family code and member ID, which address every maker
// message. Until the holder of these values installs itself, both are
// 0xFFFFFFFF: messages then carry 0x7F bytes and no reply matches.
struct InstrumentAddress
{
    static constexpr std::uint32_t unknownFamilyCode = 0xFFFFFFFFu;
    static constexpr std::uint32_t anyMember = 0xFFFFFFFFu;

    std::uint32_t familyCode = unknownFamilyCode;
    std::uint32_t memberId = anyMember;
};

// Implemented by the object that knows the instrument's address (the MIDI
// device manager). Builders and analyzers that are not given an address
// read it from the installed source.
class InstrumentAddressSource
{
public:
    virtual ~InstrumentAddressSource() = default;
    virtual InstrumentAddress getInstrumentAddress() const = 0;
};

// Installs the process-wide source (nullptr removes it). The source must stay
// alive until it is removed again. Safe to call from any thread.
void setInstrumentAddressSource (const InstrumentAddressSource* source);

// Removes the source only when it is still the installed one.
void clearInstrumentAddressSource (const InstrumentAddressSource* source);

// The installed source's address, or the unknown address when none is installed.
InstrumentAddress getCurrentInstrumentAddress();
}
