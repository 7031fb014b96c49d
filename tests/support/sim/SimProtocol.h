#pragma once

#include "support/sim/SimInstrumentMemory.h"
#include "support/sim/SimSevenBitCodec.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace sim
{
// Every kind of message the simulated instrument tells apart.
enum class RequestKind
{
    deviceSearch,        // F0 7D 50 00 id F7
    identityRequest,     // F0 7E dev 06 01 F7
    programDumpRequest,  // 0x1C
    programDump,         // 0x4C, a program written to a slot
    currentProgramDump,  // 0x40
    livesetRequest,      // 0x16
    livesetDump,         // 0x46
    unitHeaderRequest,   // 0x19
    unitDump,            // 0x4A
    unitSwap,            // 0x1E
    unitClear,           // 0x1B
    other                // not for this instrument, or not understood: never answered
};

std::string toString (RequestKind kind);

// One received message as the instrument understood it.
struct Request
{
    std::size_t index = 0;        // over every message received, from 0
    std::size_t occurrence = 0;   // among the messages of the same kind, from 0
    RequestKind kind = RequestKind::other;
    Bytes bytes;                  // the whole message, F0 to F7
    int number = -1;              // program number, or the (first) slot; -1 when none
    int unitKind = 0;             // kind byte of user-unit messages
    int secondSlot = -1;          // the second slot of a swap
};

// Who the instrument is and how it speaks.
struct InstrumentIdentity
{
    int channel = 0;                      // 0-15
    std::uint32_t familyCode = 343;
    std::uint32_t memberId = 2;
    std::uint8_t versionMajor = 1;        // identity reply bytes 10, 11, 12
    std::uint8_t versionMinor = 1;
    std::uint8_t versionPatch = 0;
    std::uint8_t identityManufacturerId = 0x7D;   // byte 5 of the identity reply
    bool answerDeviceSearch = true;
    // An empty unit slot is reported in 10 bytes; when set, in the long
    // 48-byte form with 32 zero bytes.
    bool longEmptySlotReply = false;
};

// The instrument's protocol: reading requests, building replies and
// changing its memory. Pure functions of their inputs.
class Protocol
{
public:
    explicit Protocol (const InstrumentIdentity& identity) : id (identity) {}

    // Kind and fields of a received message (index and occurrence are left 0).
    Request classify (const Bytes& message) const;

    // The instrument's own answer, after it has acted on the request (stored
    // a written program, swapped units...). Empty when it does not answer.
    Bytes respond (const Request& request, InstrumentMemory& memory) const;

    // A maker message from this instrument: F0 7D 30+ch 00 fam-hi fam-lo function body F7.
    Bytes makerMessage (std::uint8_t function, const Bytes& body = {}) const;
    Bytes acknowledge() const { return makerMessage (0x23); }
    Bytes refusal() const { return makerMessage (0x24); }
    Bytes userUnitError (std::uint8_t function = 0x27) const { return makerMessage (function); }

    Bytes identityReply() const;
    Bytes searchReply (std::uint8_t id) const;

    const InstrumentIdentity& identity() const { return id; }

private:
    bool isForThisInstrument (const Bytes& message) const;
    Bytes unitHeaderReply (int kind, int slot, InstrumentMemory& memory) const;
    Bytes storeUnitDump (const Request& request, InstrumentMemory& memory) const;

    InstrumentIdentity id;
};
}
