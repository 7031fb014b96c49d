#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "file/FileResultCodes.h"
#include "formats/UserUnitBinary.h"
#include "library/DataCenter.h"
#include "support/PackageFixtures.h"

using namespace fileopstest;
using x48305_application::FileAccessProcessor;
using x48305_application::FileDialogProcessor;

namespace
{
class UserUnitOps : public FileOpsTest
{
protected:
    juce::File writePackage (const juce::String& name, const std::string& module, int moduleIndex,
                             const std::string& unitName) const
    {
        pkgtest::ManifestText manifest (module, unitName);
        if (moduleIndex == UnitModuleOscillator)
            manifest.withParams ({});
        const auto content = pkgtest::buildPackage (manifest.str(), pkgtest::payloadWithMagic (getUnitModuleMagic (moduleIndex)));
        const auto target = file (name);
        EXPECT_TRUE (target.replaceWithData (content.getData(), content.getSize()));
        return target;
    }

    static x48305_data::UserData& units() { return x48305_data::DataCenter::getInstance()->getUserData(); }

    static const x48305_data::UserUnitSlotData& slotOf (int kind, std::uint32_t slot)
    {
        switch (kind)
        {
            case UnitModuleModulationEffect: return units().getUserModFXData (slot);
            case UnitModuleDelayEffect: return units().getUserDelFXData (slot);
            case UnitModuleReverbEffect: return units().getUserRevFXData (slot);
            default: return units().getUserOscData (slot);
        }
    }
};

struct UnitKind
{
    int kind;
    const char* module;
    const char* stepName;
    std::uint32_t lastSlot;
};

const UnitKind unitKinds[] = { { UnitModuleModulationEffect, "modfx", "LoadUserModFXData", 15 },
                               { UnitModuleDelayEffect, "delfx", "LoadUserDelFXData", 7 },
                               { UnitModuleReverbEffect, "revfx", "LoadUserRevFXData", 7 },
                               { UnitModuleOscillator, "osc", "LoadUserOscData", 15 } };
} // namespace

TEST_F (UserUnitOps, APackageLoadsIntoItsSlotAsOneUndoableStep)
{
    for (const auto& k : unitKinds)
    {
        SCOPED_TRACE (k.module);
        const auto package = writePackage (juce::String (k.module) + ".slvnunit", k.module, k.kind, "Unit " + std::string (k.module));
        notices.reset();

        EXPECT_EQ (FileDialogProcessor (chooser).loadUserUnitByFile (package, (int) k.lastSlot, k.kind), 1);
        notices.settle();
        const auto& slot = slotOf (k.kind, k.lastSlot);
        EXPECT_EQ (slot.getState(), UnitSlotState::FromFile);
        EXPECT_EQ (slot.getName(), "Unit " + std::string (k.module));
        EXPECT_FALSE (slot.getImage().isEmpty());
        EXPECT_EQ (undoName(), k.stepName);
        EXPECT_TRUE (isEdited());
        EXPECT_GE (notices.dataChanges, 1);

        ASSERT_TRUE (application::ApplicationUndoManager::getInstance()->undo());
        EXPECT_EQ (slotOf (k.kind, k.lastSlot).getState(), UnitSlotState::Empty);
        EXPECT_FALSE (isEdited());

        // One past the list's last slot: refused, nothing changes.
        EXPECT_EQ (FileAccessProcessor().loadUserUnitData (package, (int) k.lastSlot + 1, k.kind),
                   file::ReadErrorFailedToImportUserUnitData);
        EXPECT_EQ (FileAccessProcessor().loadUserUnitData (package, -1, k.kind),
                   file::ReadErrorFailedToImportUserUnitData);
        EXPECT_FALSE (isEdited());
        EXPECT_TRUE (units() == x48305_data::UserData());
    }
}

TEST_F (UserUnitOps, APackageOfAnotherKindOrAnUnreadableOneIsRefused)
{
    const auto delay = writePackage ("Echo.slvnunit", "delfx", UnitModuleDelayEffect, "Echo");
    const auto global = writePackage ("Global.slvnunit", "global", UnitModuleGlobal, "Global");
    const auto notZip = file ("Junk.slvnunit");
    ASSERT_TRUE (notZip.replaceWithText ("junk"));

    const struct
    {
        juce::File package;
        int kind;
        int code;
    } cases[] = { { delay, UnitModuleReverbEffect, file::ReadErrorUserUnitFileWrongModule },
                  { delay, UnitModuleOscillator, file::ReadErrorUserUnitFileWrongModule },
                  { global, UnitModuleGlobal, file::ReadErrorFailedToImportUserUnitData },
                  { global, 7, file::ReadErrorUserUnitFileWrongModule },
                  { notZip, UnitModuleDelayEffect, file::ReadErrorInvalidUserUnitFile } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.package.getFileName() + " " + juce::String (c.kind));
        EXPECT_EQ (FileAccessProcessor().loadUserUnitData (c.package, 0, c.kind), c.code);

        DialogScript script ({ pressOk() });
        EXPECT_EQ (FileDialogProcessor (chooser).loadUserUnitByFile (c.package, 0, c.kind), 0);
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].message, x48305_file::getReadErrorText (c.code));
        EXPECT_TRUE (units() == x48305_data::UserData());
        EXPECT_FALSE (isEdited());
        EXPECT_FALSE (canUndo());
    }
}
