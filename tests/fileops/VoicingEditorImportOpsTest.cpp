#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
#include "file/FileResultCodes.h"
#include "support/ChunkFileFixtures.h"

using namespace fileopstest;
using x48305_application::FileDialogProcessor;

namespace
{
class VoicingEditorImportOps : public FileOpsTest
{
protected:
    FileDialogProcessor dialogs() { return FileDialogProcessor (chooser); }

    juce::File writeAllDataFile (const juce::String& name, const std::vector<juce::MemoryBlock>& chunks) const
    {
        const auto target = file (name);
        EXPECT_TRUE (target.replaceWithData (chunktest::allDataFile (chunks).getData(),
                                             chunktest::allDataFile (chunks).getSize()));
        return target;
    }

    juce::File writeFullFile (const juce::String& name) const
    {
        return writeAllDataFile (name, { chunktest::fillerChunk (chunktest::globalDataTag(), 64),
                                         chunktest::programSetChunk (chunktest::standardPrograms()),
                                         chunktest::fillerChunk (chunktest::globalDataTag(), 16) });
    }

    // Library 1 with a current file: the import must leave no file current.
    void startFromLibrary()
    {
        putLibrary (makeLibrary (1));
        setCurrentFile (writeLibraryFile ("Current.slvnlib", 1));
        before = fingerprint (library());
        notices.reset();
    }

    std::string before;
};
} // namespace

TEST_F (VoicingEditorImportOps, ImportReplacesTheProgramsKeepsTheLiveSetAndStartsUnnamed)
{
    startFromLibrary();
    const auto liveSetBefore = library().getFavoriteData();
    chooser.willChoose (writeFullFile ("Editor.slvne_all"));

    DialogScript none ({});
    EXPECT_EQ (dialogs().importVoicingEditorFile(), 1);
    notices.settle();
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (false, "FileImportVeTitle", ".slvne_all")));

    EXPECT_EQ (nameOf (library().getProgram (0)), "Voice 000");
    EXPECT_EQ (nameOf (library().getProgram (499)), "Voice 499");
    EXPECT_EQ (library().getProgram (42).getInformation().getProgrammer(), "Author 42");
    EXPECT_TRUE (library().getFavoriteData() == liveSetBefore);
    EXPECT_EQ (currentFile(), juce::File());
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (canUndo());
    EXPECT_GE (notices.dataChanges, 1);
    EXPECT_EQ (notices.currentFileChanges, 1);
}

TEST_F (VoicingEditorImportOps, AFileWithoutProgramsLeavesTheProgramsAsTheyWere)
{
    startFromLibrary();
    chooser.willChoose (writeAllDataFile ("Globals.slvne_all",
                                          { chunktest::fillerChunk (chunktest::globalDataTag(), 40),
                                            chunktest::fillerChunk (chunktest::globalDataTag(), 8),
                                            chunktest::fillerChunk (chunktest::globalDataTag(), 8) }));
    EXPECT_EQ (dialogs().importVoicingEditorFile(), 1);
    EXPECT_TRUE (fingerprint (library()) == before);
}

TEST_F (VoicingEditorImportOps, ABrokenFileIsReportedAndChangesNothing)
{
    startFromLibrary();
    // Programs 0-9 read before the wrong tag; none of them may arrive.
    auto programs = chunktest::standardPrograms();
    auto wrong = chunktest::standardProgram (10);
    wrong.tag = chunktest::globalDataTag();
    programs[10] = chunktest::programChunkBytes (wrong);
    chooser.willChoose (writeAllDataFile ("Broken.slvne_all", { chunktest::programSetChunk (programs) }));

    DialogScript script ({ pressOk() });
    EXPECT_EQ (dialogs().importVoicingEditorFile(), 0);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (script.getShown()[0].message, x48305_file::getReadErrorText (file::ReadErrorInvalidType6));
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_NE (currentFile(), juce::File());
}

TEST_F (VoicingEditorImportOps, TheDiscardCheckComesFirst)
{
    startFromLibrary();
    markEdited();
    const auto source = writeFullFile ("Editor.slvne_all");

    {
        DialogScript script ({ pressCancel() });
        EXPECT_EQ (dialogs().importVoicingEditorFile(), 0);
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("FileDiscardCheckTitle"));
        EXPECT_TRUE (chooser.getQuestions().empty());
        EXPECT_TRUE (fingerprint (library()) == before);
        EXPECT_TRUE (isEdited());
    }

    // An open chooser keeps the name as chosen, whatever its letter case.
    const auto upper = file ("Editor.SLVNE_ALL");
    ASSERT_TRUE (source.moveFileTo (upper));
    DialogScript script ({ pressNo() });
    chooser.willChoose (upper);
    EXPECT_EQ (dialogs().importVoicingEditorFile(), 1);
    EXPECT_EQ (nameOf (library().getProgram (1)), "Voice 001");
}
