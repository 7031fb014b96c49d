#include "support/sim/SimProtocol.h"

#include <algorithm>
#include <utility>

namespace sim
{
namespace
{
constexpr std::uint8_t F0 = 0xF0;
constexpr std::uint8_t F7 = 0xF7;

Bytes concat (Bytes head, const Bytes& tail)
{
    head.insert (head.end(), tail.begin(), tail.end());
    return head;
}

// The decoded size of a run of wire bytes, or -1 when no byte count packs to it.
long decodedSizeOf (std::size_t wireSize)
{
    const auto rest = wireSize % 8;
    if (rest == 1)
        return -1;
    return (long) ((wireSize / 8) * 7 + (rest == 0 ? 0 : rest - 1));
}

bool validUnitSlot (int kind, int slot)
{
    return slot >= 0 && slot < InstrumentMemory::getSlotCount (kind);
}
}

std::string toString (RequestKind kind)
{
    switch (kind)
    {
        case RequestKind::deviceSearch: return "device search";
        case RequestKind::identityRequest: return "identity request";
        case RequestKind::programDumpRequest: return "program dump request";
        case RequestKind::programDump: return "program dump";
        case RequestKind::currentProgramDump: return "current program dump";
        case RequestKind::livesetRequest: return "live-set request";
        case RequestKind::livesetDump: return "live-set dump";
        case RequestKind::unitHeaderRequest: return "unit header request";
        case RequestKind::unitDump: return "unit dump";
        case RequestKind::unitSwap: return "unit swap";
        case RequestKind::unitClear: return "unit clear";
        case RequestKind::other: break;
    }
    return "other";
}

bool Protocol::isForThisInstrument (const Bytes& m) const
{
    return m.size() >= 8 && m[0] == F0 && m[1] == 0x7D
        && m[2] == 0x30 + (id.channel & 0x0F) && m[3] == 0x00
        && m[4] == ((id.familyCode >> 8) & 0x7F) && m[5] == (id.familyCode & 0x7F)
        && m.back() == F7;
}

Request Protocol::classify (const Bytes& m) const
{
    Request r;
    r.bytes = m;

    if (m.size() == 6 && m[0] == F0 && m[1] == 0x7D && m[2] == 0x50 && m[3] == 0x00 && m[5] == F7)
    {
        r.kind = RequestKind::deviceSearch;
        r.number = m[4];
        return r;
    }

    if (m.size() == 6 && m[0] == F0 && m[1] == 0x7E && m[3] == 0x06 && m[4] == 0x01 && m[5] == F7)
    {
        if (m[2] == 0x7F || m[2] == (id.channel & 0x0F))
            r.kind = RequestKind::identityRequest;
        return r;
    }

    if (! isForThisInstrument (m))
        return r;

    const auto at = [&m] (std::size_t i) { return i + 1 < m.size() ? (int) m[i] : -1; };   // never the F7

    switch (m[6])
    {
        case 0x1C: r.kind = RequestKind::programDumpRequest; break;
        case 0x4C: r.kind = RequestKind::programDump; break;
        case 0x40: r.kind = RequestKind::currentProgramDump; break;
        case 0x16: r.kind = RequestKind::livesetRequest; break;
        case 0x46: r.kind = RequestKind::livesetDump; break;
        case 0x19: r.kind = RequestKind::unitHeaderRequest; break;
        case 0x4A: r.kind = RequestKind::unitDump; break;
        case 0x1E: r.kind = RequestKind::unitSwap; break;
        case 0x1B: r.kind = RequestKind::unitClear; break;
        default: return r;
    }

    if (r.kind == RequestKind::programDumpRequest || r.kind == RequestKind::programDump)
    {
        if (at (7) >= 0 && at (8) >= 0)
            r.number = at (7) | (at (8) << 7);
    }
    else if (r.kind == RequestKind::unitHeaderRequest || r.kind == RequestKind::unitDump
             || r.kind == RequestKind::unitSwap || r.kind == RequestKind::unitClear)
    {
        r.unitKind = std::max (0, at (7));
        r.number = at (8);
        if (r.kind == RequestKind::unitSwap)
            r.secondSlot = at (9);
    }

    return r;
}

Bytes Protocol::makerMessage (std::uint8_t function, const Bytes& body) const
{
    // Sized once and filled in place: growing a vector by an insert here
    // trips a false out-of-bounds warning of the optimiser.
    const std::uint8_t header[] { F0, 0x7D, (std::uint8_t) (0x30 + (id.channel & 0x0F)), 0x00,
                                  (std::uint8_t) ((id.familyCode >> 8) & 0x7F), (std::uint8_t) (id.familyCode & 0x7F),
                                  function };
    Bytes m (sizeof (header) + body.size() + 1);
    std::copy (std::begin (header), std::end (header), m.begin());
    std::copy (body.begin(), body.end(), m.begin() + (std::ptrdiff_t) sizeof (header));
    m.back() = F7;
    return m;
}

Bytes Protocol::identityReply() const
{
    // The family code and member ID go low byte first here, unlike the maker header.
    return { F0, 0x7E, (std::uint8_t) (id.channel & 0x0F), 0x06, 0x02, id.identityManufacturerId,
             (std::uint8_t) (id.familyCode & 0x7F), (std::uint8_t) ((id.familyCode >> 8) & 0x7F),
             (std::uint8_t) (id.memberId & 0x7F), (std::uint8_t) ((id.memberId >> 8) & 0x7F),
             id.versionMajor, id.versionMinor, id.versionPatch, 0x00, F7 };
}

Bytes Protocol::searchReply (std::uint8_t requestId) const
{
    return { F0, 0x7D, 0x50, 0x01, (std::uint8_t) (id.channel & 0x0F), (std::uint8_t) (requestId & 0x7F),
             (std::uint8_t) (id.familyCode & 0x7F), (std::uint8_t) ((id.familyCode >> 8) & 0x7F),
             (std::uint8_t) (id.memberId & 0x7F), (std::uint8_t) ((id.memberId >> 8) & 0x7F),
             id.versionMajor, id.versionMinor, id.versionPatch, 0x00, F7 };
}

Bytes Protocol::unitHeaderReply (int kind, int slot, InstrumentMemory& memory) const
{
    const Bytes address { (std::uint8_t) kind, (std::uint8_t) slot };
    const auto& unit = memory.unitSlot (kind, slot);

    if (unit.isEmpty() && ! id.longEmptySlotReply)
        return makerMessage (0x49, address);

    const auto header = unit.isEmpty() ? Bytes (InstrumentMemory::unitHeaderSize, 0) : unit.header;
    return makerMessage (0x49, concat (concat (address, { 0x00 }), encodeSevenBit (header)));
}

Bytes Protocol::storeUnitDump (const Request& r, InstrumentMemory& memory) const
{
    const auto& m = r.bytes;
    if (m.size() < 10 || ! validUnitSlot (r.unitKind, r.number))
        return refusal();

    const auto size = decodedSizeOf (m.size() - 10);
    if (size < (long) (8 + InstrumentMemory::unitHeaderSize))
        return userUnitError (0x27);

    auto payload = decodeSevenBit (m, 9, (std::size_t) size);
    if (! payload)
        return userUnitError (0x27);

    const auto& p = *payload;
    const std::uint32_t declared = (std::uint32_t) p[0] | ((std::uint32_t) p[1] << 8)
                                 | ((std::uint32_t) p[2] << 16) | ((std::uint32_t) p[3] << 24);
    if (declared != (std::uint32_t) (size - 8) || p[4] != 0 || p[5] != 0 || p[6] != 0 || p[7] != 0)
        return userUnitError (0x27);

    Bytes image (p.begin() + 8, p.end());
    if ((image[0] & 0x7F) != r.unitKind)
        return userUnitError (0x28);

    auto& unit = memory.unitSlot (r.unitKind, r.number);
    unit.header.assign (image.begin(), image.begin() + (std::ptrdiff_t) InstrumentMemory::unitHeaderSize);
    unit.image = std::move (image);
    return acknowledge();
}

Bytes Protocol::respond (const Request& r, InstrumentMemory& memory) const
{
    const auto& m = r.bytes;

    switch (r.kind)
    {
        case RequestKind::deviceSearch:
            return id.answerDeviceSearch ? searchReply ((std::uint8_t) r.number) : Bytes {};

        case RequestKind::identityRequest:
            return identityReply();

        case RequestKind::programDumpRequest:
            if (m.size() != 10 || r.number < 0 || r.number >= InstrumentMemory::numPrograms)
                return refusal();
            return makerMessage (0x4C, concat ({ (std::uint8_t) (r.number & 0x7F), (std::uint8_t) (r.number >> 7) },
                                               encodeSevenBit (memory.program (r.number))));

        case RequestKind::programDump:
        {
            if (m.size() != 394 || r.number < 0 || r.number >= InstrumentMemory::numPrograms)
                return refusal();
            auto record = decodeSevenBit (m, 9, InstrumentMemory::programSize);
            if (! record)
                return refusal();
            memory.program (r.number) = std::move (*record);
            return acknowledge();
        }

        case RequestKind::currentProgramDump:
        {
            auto record = m.size() == 392 ? decodeSevenBit (m, 7, InstrumentMemory::programSize) : std::nullopt;
            if (! record)
                return refusal();
            memory.currentProgram = std::move (*record);
            return acknowledge();
        }

        case RequestKind::livesetRequest:
            if (m.size() != 8)
                return refusal();
            return makerMessage (0x46, encodeSevenBit (memory.liveset));

        case RequestKind::livesetDump:
        {
            auto block = m.size() == 155 ? decodeSevenBit (m, 7, InstrumentMemory::livesetSize) : std::nullopt;
            if (! block)
                return refusal();
            memory.liveset = std::move (*block);
            return acknowledge();
        }

        case RequestKind::unitHeaderRequest:
            if (m.size() != 10 || ! validUnitSlot (r.unitKind, r.number))
                return refusal();
            return unitHeaderReply (r.unitKind, r.number, memory);

        case RequestKind::unitDump:
            return storeUnitDump (r, memory);

        case RequestKind::unitSwap:
            if (m.size() != 11 || ! validUnitSlot (r.unitKind, r.number) || ! validUnitSlot (r.unitKind, r.secondSlot))
                return refusal();
            std::swap (memory.unitSlot (r.unitKind, r.number), memory.unitSlot (r.unitKind, r.secondSlot));
            return acknowledge();

        case RequestKind::unitClear:
            if (m.size() != 10 || ! validUnitSlot (r.unitKind, r.number))
                return refusal();
            memory.unitSlot (r.unitKind, r.number) = InstrumentMemory::UnitSlot {};
            return acknowledge();

        case RequestKind::other:
            break;
    }

    return {};
}
}
