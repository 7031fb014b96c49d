#pragma once

#include "support/sim/SimSevenBitCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim
{
// What the simulated instrument stores: 500 programs, the current program,
// the 128-byte live-set block and 16/16/8/8 user-unit slots. Not locked:
// the simulated instrument guards it.
class InstrumentMemory
{
public:
    static constexpr int numPrograms = 500;
    static constexpr std::size_t programSize = 336;
    static constexpr std::size_t livesetSize = 128;
    static constexpr std::size_t unitHeaderSize = 32;

    // Unit kinds as the kind byte of the user-unit messages gives them.
    enum UnitKind : int
    {
        modulationEffect = 1,
        delayEffect = 2,
        reverbEffect = 3,
        oscillator = 4
    };

    struct UnitSlot
    {
        Bytes header = Bytes (unitHeaderSize, 0);   // all zero: empty
        Bytes image;                                // what the last dump wrote

        bool isEmpty() const;
    };

    InstrumentMemory();

    // The recognisable factory content: program n is named "Sim Prog nnn"
    // and its body bytes depend on n; see defaultProgram.
    static Bytes defaultProgram (int number);

    // The live-set block as the instrument starts: bank b slot s holds
    // program b * 8 + s; every other byte is ownByte (offset).
    static Bytes defaultLiveset();
    static std::uint8_t ownByte (std::size_t offset);
    static bool isProgramNumberByte (std::size_t offset);

    // A unit header (32 bytes) with the given module index, platform 1 and name.
    static Bytes makeUnitHeader (int moduleIndex, const char* name);

    // Slots of a kind: 16 for oscillators and modulation effects, 8 for delay
    // and reverb effects, 0 for an unknown kind.
    static int getSlotCount (int kind);

    // Callers check the indices.
    Bytes& program (int number) { return programs[(std::size_t) number]; }
    const Bytes& program (int number) const { return programs[(std::size_t) number]; }
    Bytes currentProgram;          // empty until a current program dump arrives
    Bytes liveset;
    UnitSlot& unitSlot (int kind, int slot) { return units[(std::size_t) kind][(std::size_t) slot]; }
    const UnitSlot& unitSlot (int kind, int slot) const { return units[(std::size_t) kind][(std::size_t) slot]; }

private:
    std::vector<Bytes> programs;
    std::array<std::vector<UnitSlot>, 5> units;   // indexed by kind
};
}
