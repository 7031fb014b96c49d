#include "UnitStoreFixtures.h"

#include "support/sim/UnitReceiveRequests.h"

#include <algorithm>
#include <numeric>

namespace unitjobs
{
using x48305_data::UserData;
using x48305_data::UserUnitSlotData;

const std::array<UnitKindInfo, 4>& unitKinds()
{
    static const std::array<UnitKindInfo, 4> kinds { {
        { "oscillator", sim::InstrumentMemory::oscillator, 4, 16 },
        { "modulation", sim::InstrumentMemory::modulationEffect, 1, 16 },
        { "delay", sim::InstrumentMemory::delayEffect, 2, 8 },
        { "reverb", sim::InstrumentMemory::reverbEffect, 3, 8 },
    } };
    return kinds;
}

std::vector<std::pair<int, int>> everySlotInJobOrder()
{
    std::vector<std::pair<int, int>> slots;
    for (const auto& kind : unitKinds())
        for (int p = 0; p < (int) kind.slots; ++p)
            slots.emplace_back (kind.simKind, p);
    return slots;
}

const UserUnitSlotData& slotOf (const UserData& store, std::size_t kind, std::uint32_t position)
{
    switch (kind)
    {
        case 0: return store.getUserOscData (position);
        case 1: return store.getUserModFXData (position);
        case 2: return store.getUserDelFXData (position);
        default: return store.getUserRevFXData (position);
    }
}

UserUnitSlotData& slotOf (UserData& store, std::size_t kind, std::uint32_t position)
{
    return const_cast<UserUnitSlotData&> (slotOf (static_cast<const UserData&> (store), kind, position));
}

UserUnitSlotData unitFromPackage (std::size_t kind, const std::string& name, std::size_t extraPayload)
{
    return UserUnitSlotData (unitImageOf (unitKinds()[kind].module, name, extraPayload));
}

UserUnitSlotData unitInSlot (std::size_t kind, const std::string& name, std::uint32_t slotIndex)
{
    const auto header = sim::InstrumentMemory::makeUnitHeader (unitKinds()[kind].module, name.c_str());
    return UserUnitSlotData (slotIndex, header.data(), header.size());
}

void fillInstrumentAtRandom (sim::SimulatedInstrument& instrument, std::mt19937& random)
{
    std::bernoulli_distribution occupied (0.5);
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        const auto& kind = unitKinds()[k];
        for (int slot = 0; slot < (int) kind.slots; ++slot)
        {
            const auto name = "I" + std::to_string (k) + "-" + std::to_string (slot);
            instrument.setUnitSlot (kind.simKind, slot,
                                    occupied (random) ? unitSlotOf (kind.module, name.c_str())
                                                      : sim::InstrumentMemory::UnitSlot {});
        }
    }
}

std::vector<std::pair<int, int>> headerRequestsOfAReceive (sim::SimulatedInstrument& instrument, std::size_t count)
{
    std::vector<std::pair<int, int>> requests;
    for (const auto& request : sim::unitReceiveRequests (instrument, count))
        if (request.kind == sim::RequestKind::unitHeaderRequest)
            requests.emplace_back (request.unitKind, request.number);
    return requests;
}

UserData storeOf (sim::SimulatedInstrument& instrument)
{
    UserData store;
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        const auto& kind = unitKinds()[k];
        for (std::uint32_t slot = 0; slot < kind.slots; ++slot)
        {
            const auto header = instrument.getUnitSlot (kind.simKind, (int) slot).header;
            slotOf (store, k, slot) = UserUnitSlotData (slot, header.data(), header.size());
        }
    }
    return store;
}

void editAtRandom (UserData& store, std::mt19937& random, int round)
{
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        const auto slots = unitKinds()[k].slots;

        // Moves: the objects change places, as a drag in the list does.
        std::vector<UserUnitSlotData> objects;
        for (std::uint32_t p = 0; p < slots; ++p)
            objects.push_back (slotOf (store, k, p));
        std::shuffle (objects.begin(), objects.end(), random);

        std::uniform_int_distribution<int> edit (0, 9);
        for (std::uint32_t p = 0; p < slots; ++p)
        {
            const auto what = edit (random);
            if (what == 0)
                objects[p] = UserUnitSlotData();
            else if (what == 1)
                objects[p] = unitFromPackage (k, "F" + std::to_string (round) + "-" + std::to_string (k) + "-"
                                                     + std::to_string (p));
            slotOf (store, k, p) = objects[p];
        }
    }
}

namespace
{
sim::Bytes headerOf (const UserUnitSlotData& slot)
{
    return sim::Bytes (slot.getHeaderSummary().begin(), slot.getHeaderSummary().end());
}

std::string where (std::size_t kind, std::uint32_t position)
{
    return std::string (unitKinds()[kind].name) + " " + std::to_string (position) + ": ";
}
}

std::string differencesAfterWrite (const UserData& store, sim::SimulatedInstrument& instrument)
{
    std::string differences;
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        const auto& kind = unitKinds()[k];
        for (std::uint32_t p = 0; p < kind.slots; ++p)
        {
            const auto& object = slotOf (store, k, p);
            const auto held = instrument.getUnitSlot (kind.simKind, (int) p);
            switch (object.getState())
            {
                case UnitSlotState::Empty:
                    if (! held.isEmpty())
                        differences += where (k, p) + "not cleared\n";
                    break;
                case UnitSlotState::InSlot:
                    if (object.getSlotIndex() != p)
                        differences += where (k, p) + "slot index " + std::to_string (object.getSlotIndex()) + "\n";
                    if (held.header != headerOf (object))
                        differences += where (k, p) + "holds another unit than " + object.getName() + "\n";
                    break;
                case UnitSlotState::FromFile:
                    if (kind.simKind != sim::InstrumentMemory::reverbEffect)
                        differences += where (k, p) + "still FromFile\n";
                    if (held.image != bytesOf (object.getImage()))
                        differences += where (k, p) + "image of " + object.getName() + " not written\n";
                    break;
            }
        }
    }
    return differences;
}

std::string untruthfulSlotIndices (const UserData& store, sim::SimulatedInstrument& instrument)
{
    std::string differences;
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        const auto& kind = unitKinds()[k];
        for (std::uint32_t p = 0; p < kind.slots; ++p)
        {
            const auto& object = slotOf (store, k, p);
            if (object.getState() != UnitSlotState::InSlot)
                continue;
            if (object.getSlotIndex() >= kind.slots
                || instrument.getUnitSlot (kind.simKind, (int) object.getSlotIndex()).header != headerOf (object))
                differences += where (k, p) + object.getName() + " is not in slot "
                               + std::to_string ((int) object.getSlotIndex()) + "\n";
        }
    }
    return differences;
}

int countOccupied (sim::SimulatedInstrument& instrument)
{
    int occupied = 0;
    for (const auto& kind : unitKinds())
        for (int p = 0; p < (int) kind.slots; ++p)
            occupied += instrument.getUnitSlot (kind.simKind, p).isEmpty() ? 0 : 1;
    return occupied;
}
}
