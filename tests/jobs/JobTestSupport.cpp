#include "JobTestSupport.h"

namespace jobtest
{
x48305_data::LibraryData makeLibrary()
{
    x48305_data::LibraryData library;
    for (int n = 0; n < x48305_data::LibraryData::numPrograms; ++n)
        library.getProgram (n) = devicetest::programNamed (juce::String::formatted ("Lib %03d", n).toStdString(),
                                                           (std::uint8_t) (n * 7));

    auto& liveset = library.getFavoriteData();
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            liveset.setProgramNumber (bank, slot, (unsigned) (480 - bank * 60 - slot * 3));
    liveset.setProgramNumber (1, 2, x48305_data::FavoriteData::emptySlot);
    liveset.setProgramNumber (3, 7, x48305_data::FavoriteData::emptySlot);
    return library;
}

unsigned livesetNumber (const sim::Bytes& block, int bank, int slot)
{
    const auto offset = (std::size_t) (bank * 32 + 4 + 2 * slot);
    return (unsigned) block[offset] | ((unsigned) block[offset + 1] << 8);
}

std::vector<int> programsThatDiffer (const x48305_data::LibraryData& library, sim::SimulatedInstrument& instrument,
                                     int first, int last)
{
    std::vector<int> differing;
    for (int n = first; n <= last; ++n)
        if (devicetest::recordOf (library.getProgram (n)) != instrument.getProgram (n))
            differing.push_back (n);
    return differing;
}

std::vector<int> numbersOf (sim::SimulatedInstrument& instrument, sim::RequestKind kind)
{
    std::vector<int> numbers;
    for (const auto& request : instrument.getRequestsOfKind (kind))
        numbers.push_back (request.number);
    return numbers;
}

std::vector<sim::RequestKind> kindsOf (sim::SimulatedInstrument& instrument)
{
    std::vector<sim::RequestKind> kinds;
    for (const auto& request : instrument.getRequests())
        kinds.push_back (request.kind);
    return kinds;
}
}
