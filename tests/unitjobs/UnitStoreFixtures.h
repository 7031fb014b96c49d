#pragma once

#include "UnitJobsSupport.h"

#include "library/UserData.h"

#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace unitjobs
{
// One unit kind as the jobs take them, in their order: oscillators,
// modulation, delay and reverb effects.
struct UnitKindInfo
{
    const char* name;
    int simKind;      // the kind byte on the wire
    int module;       // the module index in a unit header
    std::uint32_t slots;
};

const std::array<UnitKindInfo, 4>& unitKinds();

// Every slot as (kind byte, slot) in the jobs' order.
std::vector<std::pair<int, int>> everySlotInJobOrder();

x48305_data::UserUnitSlotData& slotOf (x48305_data::UserData& store, std::size_t kind, std::uint32_t position);
const x48305_data::UserUnitSlotData& slotOf (const x48305_data::UserData& store, std::size_t kind,
                                             std::uint32_t position);

// A slot object of the kind loaded from a package (FromFile) with a unit of
// that name.
x48305_data::UserUnitSlotData unitFromPackage (std::size_t kind, const std::string& name, std::size_t extraPayload = 8);
// A slot object as a receive makes it for an occupied slot (InSlot).
x48305_data::UserUnitSlotData unitInSlot (std::size_t kind, const std::string& name, std::uint32_t slotIndex);

// The header requests, as (kind byte, slot), of a receive of the first
// `count` slots in the jobs' order (sim::unitReceiveRequests).
std::vector<std::pair<int, int>> headerRequestsOfAReceive (sim::SimulatedInstrument& instrument, std::size_t count = 48);

// Puts a unit with a unique name into about half of the instrument's slots
// and empties the others.
void fillInstrumentAtRandom (sim::SimulatedInstrument& instrument, std::mt19937& random);

// The store that a receive of the instrument's slots gives.
x48305_data::UserData storeOf (sim::SimulatedInstrument& instrument);

// Edits a store as a user does between transfers: moves units between
// positions, deletes some and loads new ones from packages (never a copy of
// a received unit).
void editAtRandom (x48305_data::UserData& store, std::mt19937& random, int round);

// What differs between a written store and the instrument (empty when they
// are equal): an Empty object's slot must be empty, an InSlot object must
// name its own position and that slot must hold its header, a FromFile one
// (reverb only) must be there with its whole image.
std::string differencesAfterWrite (const x48305_data::UserData& store, sim::SimulatedInstrument& instrument);

// Whether the store still tells the truth about the instrument after a write
// that ended early: every InSlot object's slot holds its unit. Empty and
// FromFile objects are changes still to be written.
std::string untruthfulSlotIndices (const x48305_data::UserData& store, sim::SimulatedInstrument& instrument);

// The number of slots of every kind that hold a unit / are set in a store.
int countOccupied (sim::SimulatedInstrument& instrument);
}
