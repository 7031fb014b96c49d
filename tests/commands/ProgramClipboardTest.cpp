#include "CommandsFixture.h"

#include "application/CPXWClipboard.h"
#include "application/ProgramClipboard.h"
#include "data/SerializedSectionDataWriter.h"
#include "support/PrivateTemporaryFolder.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/SerialFormTags.h"

namespace commandstest
{
namespace
{
namespace tags = x48305_data::tags;

const juce::String programType = x48305_application::ProgramClipboard::programDataType;

juce::MemoryBlock recordOfSize (std::size_t size)
{
    juce::MemoryBlock record (size, true);
    x48305_data::ProgramData program;
    program.setName ("Intruder");
    record.copyFrom (program.getRawData(), 0, juce::jmin (size, x48305_data::programRecordSize));
    return record;
}

juce::MemoryBlock informationSection (const juce::String& comment = "pasted")
{
    x48305_data::ProgramInformation information ("Mallory", comment);
    auto xml = x48305_data::ProgramInformationXmlReaderWriter().createXml (information);
    return data::createZeroTerminatedXmlDocument (*xml);
}

// A serial form with the given top tag and sections.
juce::MemoryBlock serialForm (const std::string& tag, const std::vector<std::pair<std::string, juce::MemoryBlock>>& sections)
{
    data::SerializedData serial;
    data::SerializedSectionDataWriter writer (serial);
    for (const auto& [sectionTag, bytes] : sections)
        writer.addSection (sectionTag, bytes);
    writer.finish (tag);
    return serial.getBlock();
}

juce::String itemText (const juce::MemoryBlock& bytes)
{
    return CPXWClipboard::encode (programType, bytes);
}

using ProgramClipboardTest = CommandsTest;
} // namespace

// Whatever the clipboard holds that is not one complete program of this
// program's kind, Paste leaves the library and the history alone.
TEST_F (ProgramClipboardTest, PasteRefusesEverythingButOneCompleteProgram)
{
    const auto record = recordOfSize (x48305_data::programRecordSize);
    const auto whole = serialForm (tags::program, { { tags::programRecord, record }, { tags::programInformation, informationSection() } });
    const auto wholeText = itemText (whole);
    const int markerLength = programType.length() + 8;

    // Padding that ends the third group of four, with more groups after it.
    const juce::String paddedInside = wholeText.substring (0, markerLength + 10) + "==" + wholeText.substring (markerLength + 12);
    // A complete program, but its text is longer than the clipboard takes.
    const auto hugeComment = juce::String::repeatedString ("x", CPXWClipboard::maxTextLength);
    const auto tooLong = itemText (serialForm (tags::program, { { tags::programRecord, record },
                                                                { tags::programInformation, informationSection (hugeComment) } }));

    juce::MemoryBlock badXml ("<Program", 8);
    const std::pair<const char*, juce::String> texts[] = {
        { "plain text", "just some words" },
        { "empty", "" },
        { "marker only", programType + ";base64," },
        { "not base64", programType + ";base64,!!!!" },
        { "short last group", wholeText.dropLastCharacters (1) },
        { "padding inside", paddedInside },
        { "another type", CPXWClipboard::encode ("x48305_OtherData", whole) },
        { "cut off", itemText (juce::MemoryBlock (whole.getData(), whole.getSize() / 2)) },
        { "short record", itemText (serialForm (tags::program, { { tags::programRecord, recordOfSize (335) } })) },
        { "long record", itemText (serialForm (tags::program, { { tags::programRecord, recordOfSize (337) } })) },
        { "two records", itemText (serialForm (tags::program, { { tags::programRecord, record }, { tags::programRecord, record } })) },
        { "no record", itemText (serialForm (tags::program, { { tags::programInformation, informationSection() } })) },
        { "library tag", itemText (serialForm (tags::library, { { tags::programRecord, record } })) },
        { "broken texts", itemText (serialForm (tags::program, { { tags::programRecord, record }, { tags::programInformation, badXml } })) },
        { "over the length limit", tooLong },
        // Another program's text in bytes that are no UTF-8.
        { "no UTF-8", juce::String::fromUTF8 ("x48305_ProgramData;base64,/8\xe0\xff\xff\xff~AAP/", 37) },
    };

    library().getProgram (9) = makeProgram ("Keep Me", "Kim", "stays");
    const auto before = library().getProgram (9);
    selectPrograms ({ 9 });
    for (const auto& [name, text] : texts)
    {
        SCOPED_TRACE (name);
        juce::SystemClipboard::copyTextToClipboard (text);
        ASSERT_TRUE (invoke (commandEditPaste));
        EXPECT_EQ (library().getProgram (9).getDigest(), before.getDigest());
        EXPECT_EQ (library().getProgram (9).getInformation(), before.getInformation());
        EXPECT_TRUE (undoSteps().isEmpty());
    }

    // The same item whole is pasted.
    juce::SystemClipboard::copyTextToClipboard (wholeText);
    ASSERT_TRUE (invoke (commandEditPaste));
    EXPECT_EQ (nameOf (9), "Intruder");
    EXPECT_EQ (library().getProgram (9).getInformation().getProgrammer(), "Mallory");
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "PasteProgramData" }));
}

// A program too big for the clipboard is not cut: the copy did not reach
// the clipboard, which is left empty. A big program within the limit goes
// through whole.
TEST_F (ProgramClipboardTest, CutNeedsTheCopyOnTheClipboard)
{
    const auto hugeComment = juce::String::repeatedString ("long comment ", CPXWClipboard::maxTextLength / 12);
    library().getProgram (12) = makeProgram ("Too Big", "Ann", hugeComment);
    selectPrograms ({ 12 });
    juce::SystemClipboard::copyTextToClipboard ("before");

    ASSERT_TRUE (invoke (commandEditCut));
    EXPECT_EQ (nameOf (12), "Too Big");
    EXPECT_TRUE (undoSteps().isEmpty());
    EXPECT_TRUE (juce::SystemClipboard::getTextFromClipboard().isEmpty());

    const auto bigComment = hugeComment.substring (0, CPXWClipboard::maxTextLength / 2);
    library().getProgram (12).getInformation().setComment (bigComment);
    ASSERT_TRUE (invoke (commandEditCut));
    EXPECT_EQ (nameOf (12), "Init Program");
    selectPrograms ({ 13 });
    ASSERT_TRUE (invoke (commandEditPaste));
    EXPECT_EQ (nameOf (13), "Too Big");
    EXPECT_EQ (library().getProgram (13).getInformation().getComment(), bigComment);
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "CutProgramData", "PasteProgramData" }));
}

// The child's half of the next test: pastes into program 40 and writes the
// program, and its home folder, where the parent said.
TEST_F (ProgramClipboardTest, DISABLED_PasteInAnotherProcess)
{
    const juce::File result (juce::SystemStats::getEnvironmentVariable ("SLVN_PASTED_PROGRAM", {}));
    ASSERT_TRUE (result.getParentDirectory().isDirectory());

    selectPrograms ({ 40 });
    ASSERT_TRUE (isEnabled (commandEditPaste));
    ASSERT_TRUE (invoke (commandEditPaste));
    ASSERT_EQ (undoSteps(), juce::StringArray ({ "PasteProgramData" }));

    ASSERT_TRUE (result.replaceWithData (library().getProgram (40).serialize().getData(),
                                         library().getProgram (40).serialize().getSize()));
    ASSERT_TRUE (result.withFileExtension ("home").replaceWithText (
        juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName()));
}

// A program copied here is pasted by another running copy of the program,
// with its own home, on the same display.
TEST_F (ProgramClipboardTest, CopiedProgramPastesInAnotherProcess)
{
    library().getProgram (12) = makeProgram ("Travelling", "Ann Example", juce::CharPointer_UTF8 ("warm pad \xc3\xbc\n<second line>"));
    const auto sent = library().getProgram (12);
    selectPrograms ({ 12 });
    ASSERT_TRUE (invoke (commandEditCopy));

    testsupport::PrivateTemporaryFolder folder;
    const auto result = folder.getFolder().getChildFile ("pasted.bin");
    int exitCode = -1;
    const auto output = runTestInChildProcess ("ProgramClipboardTest.DISABLED_PasteInAnotherProcess",
                                               { "SLVN_PASTED_PROGRAM=" + result.getFullPathName() }, exitCode);
    ASSERT_EQ (exitCode, 0) << output;

    juce::MemoryBlock bytes;
    ASSERT_TRUE (result.loadFileAsData (bytes));
    x48305_data::ProgramData pasted;
    ASSERT_TRUE (pasted.deserialize (data::SerializedData (bytes.getData(), bytes.getSize())));
    EXPECT_EQ (pasted.getName(), sent.getName());
    EXPECT_EQ (pasted.getDigest(), sent.getDigest());
    EXPECT_EQ (pasted.getInformation(), sent.getInformation());
    EXPECT_NE (result.withFileExtension ("home").loadFileAsString(),
               juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName());
}
} // namespace commandstest
