#include "support/LibraryFixtures.h"

#include "action/DataEditStatus.h"

namespace testsupport
{
x48305_data::LibraryData makeLibrary (int seed)
{
    x48305_data::LibraryData made;
    for (int number = 0; number < x48305_data::LibraryData::numPrograms; ++number)
    {
        auto& program = made.getProgram (number);
        program.setName ("L" + std::to_string (seed) + "-" + std::to_string (number));
        program.getInformation().setProgrammer ("Programmer " + juce::String (seed));
        program.getInformation().setComment ("Comment " + juce::String (number));
    }
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            made.getFavoriteData().setProgramNumber (bank, slot, (unsigned) ((seed * 7 + bank * 8 + slot) % 500));
    return made;
}

std::string fingerprint (const x48305_data::LibraryData& library)
{
    juce::String text;
    for (int number = 0; number < x48305_data::LibraryData::numPrograms; ++number)
    {
        const auto& program = library.getProgram (number);
        text << program.getDigest() << "|" << program.getInformation().getProgrammer() << "|"
             << program.getInformation().getComment() << "\n";
    }
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            text << (int) library.getFavoriteData().getProgramNumber (bank, slot) << ",";
    return text.toStdString();
}

std::string nameOf (const x48305_data::ProgramData& program)
{
    return juce::String (program.getName()).trimEnd().toStdString();
}

void markLibraryEdited()
{
    auto* status = application::DataEditStatus::getInstance();
    status->moveTo (status->makeNewState());
}
} // namespace testsupport
