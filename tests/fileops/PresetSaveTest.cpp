#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
#include "formats/PresetFile.h"
#include "library/PresetData.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/ModalDialogState.h"
#include "ui/PresetInformationEditComponent.h"

using namespace fileopstest;
using testsupport::findDescendant;
using x48305_application::FileDialogProcessor;

namespace
{
class PresetSave : public FileOpsTest
{
protected:
    int savePreset() { return FileDialogProcessor (chooser).savePreset(); }

    // Reads a preset file; false when it does not read.
    static bool readPreset (const juce::File& source, x48305_data::PresetData& preset)
    {
        return source.existsAsFile() && x48305_file::PresetFileReader (&preset).read (source) == 0;
    }
};

// Clicks the increment button of a slider that many times.
void increment (juce::Component& slider, int times)
{
    for (auto* child : slider.getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->getButtonText() == "+")
            for (int i = 0; i < times; ++i)
                testsupport::click (*button);
}

// Fills the information dialog as a person would and confirms it.
testsupport::ModalDialogDriver::Action fillInInformation (bool& flagSetMeanwhile)
{
    return [&flagSetMeanwhile] (juce::Component& dialog)
    {
        flagSetMeanwhile = ui::ModalDialogState::getInstance()->dialogOpen;
        auto* content = dynamic_cast<PresetInformationEditComponent*> (testsupport::dialogContent (dialog));
        ASSERT_NE (content, nullptr);
        for (const auto& [name, text] : { std::pair<const char*, const char*> { "dataIdEditor", "MY-SOUNDS-1" },
                                          { "nameEditor", "My Sounds" },
                                          { "authorEditor", "Me" },
                                          { "dateEditor", "2026-12-07" },
                                          { "copyrightEditor", "(c) Me" } })
        {
            auto* editor = findDescendant (*content, name);
            ASSERT_NE (editor, nullptr) << name;
            testsupport::typeText (*editor, text);
        }
        increment (*findDescendant (*content, "versionSlider"), 2);
        increment (*findDescendant (*content, "programCountSlider"), 1);
        testsupport::writeSnapshot (dialog, "fileops-save-preset-information");
        testsupport::click (*findDescendant (*content, "okButton"));
    };
}
} // namespace

TEST_F (PresetSave, WritesTheLibraryWithTheInformationAndWithoutTheProgramTexts)
{
    const auto source = makeLibrary (6);
    putLibrary (source);
    notices.reset();

    bool flagSet = false;
    chooser.willChoose (file ("Mine"));
    DialogScript script ({ fillInInformation (flagSet) });
    EXPECT_EQ (savePreset(), 1);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (true, "FileSavePresetTitle", ".slvnpreset")));
    EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("PresetInformationEditTitle"));
    EXPECT_TRUE (flagSet);

    x48305_data::PresetData written;
    ASSERT_TRUE (readPreset (file ("Mine.slvnpreset"), written));
    const auto& information = written.getInformation();
    EXPECT_EQ (information.DataID, "MY-SOUNDS-1");
    EXPECT_EQ (information.Name, "My Sounds");
    EXPECT_EQ (information.Author, "Me");
    EXPECT_EQ (information.Date, "2026-12-07");
    EXPECT_EQ (information.Copyright, "(c) Me");
    EXPECT_EQ (information.Version, 3);
    EXPECT_EQ (information.NumOfProg, 2);
    for (int number = 0; number < x48305_data::PresetData::numPrograms; ++number)
    {
        const auto& program = written.getProgram (number);
        ASSERT_EQ (program.getDigest(), source.getProgram (number).getDigest()) << number;
        ASSERT_TRUE (program.getInformation() == x48305_data::ProgramInformation()) << number;
    }

    // Saving a preset changes nothing about the library.
    notices.settle();
    EXPECT_TRUE (fingerprint (library()) == fingerprint (source));
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (canUndo());
    EXPECT_EQ (currentFile(), juce::File());
    EXPECT_EQ (notices.dataChanges + notices.currentFileChanges + notices.editStatusChanges, 0);
}

TEST_F (PresetSave, LeavingTheInformationDialogWritesNothing)
{
    const testsupport::ModalDialogDriver::Action leave[] = {
        [] (juce::Component& dialog) { testsupport::click (*findDescendant (dialog, "cancelButton")); },
        pressEscape(), testsupport::clickCloseButton()
    };
    for (const auto& action : leave)
    {
        chooser.willChoose (file ("Nothing"));
        DialogScript script ({ action });
        EXPECT_EQ (savePreset(), 1);
        EXPECT_TRUE (script.isComplete());
        EXPECT_FALSE (file ("Nothing.slvnpreset").exists());
        EXPECT_FALSE (file ("Nothing").exists());
    }
}

TEST_F (PresetSave, AForcedNameThatHitsAnExistingFileIsConfirmedFirst)
{
    const auto existing = file ("Keep.slvnpreset");
    ASSERT_TRUE (existing.replaceWithText ("precious bytes"));

    {
        // Cancelled: no information dialog follows.
        chooser.willChoose (file ("Keep"));
        DialogScript script ({ pressCancel() });
        EXPECT_EQ (savePreset(), 0);
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("FileReplaceCheckTitle"));
        EXPECT_EQ (existing.loadFileAsString(), "precious bytes");
    }

    bool flagSet = false;
    chooser.willChoose (file ("Keep"));
    DialogScript script ({ pressOk(), fillInInformation (flagSet) });
    EXPECT_EQ (savePreset(), 1);
    EXPECT_TRUE (script.isComplete());
    x48305_data::PresetData written;
    ASSERT_TRUE (readPreset (existing, written));
    EXPECT_EQ (written.getInformation().DataID, "MY-SOUNDS-1");
}
