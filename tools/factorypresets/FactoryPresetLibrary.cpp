#include "FactoryPresetLibrary.h"

#include "FactoryProgramNames.h"
#include "FactoryRandom.h"
#include "FactorySounds.h"

#include "library/InitialProgram.h"

#include <cstdio>
#include <set>

namespace factorypresets
{
namespace
{
constexpr uint64_t bankSeed = 0x736c766e46616374ull;

void fillInformation (x48305_data::PresetInformation& information)
{
    information.reset();
    information.DataID = "Factory Presets";
    information.Name = "Factory Presets";
    information.Author = "solivane Sound Librarian project";
    information.Copyright = "solivane Sound Librarian project";
    information.Date = "2018-06-20";
    information.Prefix = "";
    information.Version = 1;
    information.NumOfProg = numFactoryPrograms;
}
} // namespace

bool buildFactoryPresetLibrary (x48305_data::PresetData& preset)
{
    preset.reset();
    fillInformation (preset.getInformation());

    FactoryRandom random (bankSeed);
    std::set<std::string> usedNames;
    int number = 0;

    for (const auto& share : getBankPlan())
    {
        const auto names = makeProgramNames (share.family, share.count, random, usedNames);
        for (const auto& name : names)
        {
            uint8_t record[x48305_data::programRecordSize];
            x48305_data::copyInitialProgram (record);
            shapeSound (record, share.family, random);

            auto& program = preset.getProgram (number++);
            program.setRawData (record);
            program.setName (name);
            program.setInformation ({});
        }
    }

    // The plan's counts and word lists are made to fill the bank exactly;
    // a shortfall would leave initial programs among the factory sounds.
    if (number == numFactoryPrograms)
        return true;
    std::fprintf (stderr, "Factory bank holds %d sounds instead of %d\n", number, numFactoryPrograms);
    return false;
}
} // namespace factorypresets
