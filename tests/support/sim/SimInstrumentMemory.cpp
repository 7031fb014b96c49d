#include "support/sim/SimInstrumentMemory.h"

#include <cstdio>
#include <cstring>

namespace sim
{
bool InstrumentMemory::UnitSlot::isEmpty() const
{
    return header.size() < 2 || (header[0] == 0 && header[1] == 0);
}

InstrumentMemory::InstrumentMemory()
    : liveset (defaultLiveset())
{
    programs.reserve (numPrograms);
    for (int n = 0; n < numPrograms; ++n)
        programs.push_back (defaultProgram (n));

    for (int kind = 1; kind <= 4; ++kind)
        units[(std::size_t) kind].resize ((std::size_t) getSlotCount (kind));
}

Bytes InstrumentMemory::defaultProgram (int number)
{
    Bytes record (programSize, 0);
    std::memcpy (record.data(), "PROG", 4);

    char name[16];
    std::snprintf (name, sizeof (name), "Sim Prog %03d", number % 1000);
    std::memcpy (record.data() + 4, name, 12);

    for (std::size_t i = 16; i < programSize - 4; ++i)
        record[i] = (std::uint8_t) ((std::size_t) number * 7 + i * 13 + 0x80);

    std::memcpy (record.data() + programSize - 4, "PRED", 4);
    return record;
}

std::uint8_t InstrumentMemory::ownByte (std::size_t offset)
{
    return (std::uint8_t) (0xA5 ^ (offset * 3));
}

bool InstrumentMemory::isProgramNumberByte (std::size_t offset)
{
    const auto inBank = offset % 32;
    return offset < livesetSize && inBank >= 4 && inBank < 20;
}

Bytes InstrumentMemory::defaultLiveset()
{
    Bytes block (livesetSize);
    for (std::size_t i = 0; i < livesetSize; ++i)
        block[i] = ownByte (i);

    for (std::size_t bank = 0; bank < 4; ++bank)
    {
        for (std::size_t slot = 0; slot < 8; ++slot)
        {
            const auto number = bank * 8 + slot;
            block[bank * 32 + 4 + 2 * slot] = (std::uint8_t) (number & 0xFF);
            block[bank * 32 + 5 + 2 * slot] = (std::uint8_t) (number >> 8);
        }
    }
    return block;
}

Bytes InstrumentMemory::makeUnitHeader (int moduleIndex, const char* name)
{
    Bytes header (unitHeaderSize, 0);
    header[0] = (std::uint8_t) moduleIndex;
    header[1] = 1;
    header[2] = 0;      // API version 1.0.0
    header[4] = 1;
    header[14] = 3;     // unit version 1.2.3
    header[15] = 2;
    header[16] = 1;
    std::strncpy (reinterpret_cast<char*> (header.data() + 18), name, 13);
    return header;
}

int InstrumentMemory::getSlotCount (int kind)
{
    switch (kind)
    {
        case oscillator:
        case modulationEffect: return 16;
        case delayEffect:
        case reverbEffect: return 8;
        default: return 0;
    }
}
}
