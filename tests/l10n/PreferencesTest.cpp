#include "application/ApplicationFonts.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "application/PreferencesDataUpdater.h"
#include "support/AssertionWatch.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"
#include "ui/FontLibrary.h"

#include <gtest/gtest.h>

namespace
{
using TempHome = testsupport::TemporaryHome;
using x48305_preferences::PreferencesData;
namespace keys = x48305_preferences::keys;

TEST (PreferencesDataTest, FileLivesInTheApplicationDataFolderWhichIsCreated)
{
    TempHome home;
    auto expected = home.preferencesFolder();
    ASSERT_FALSE (expected.exists());

    EXPECT_EQ (PreferencesData::getFolder(), expected);
    EXPECT_TRUE (expected.isDirectory());
    EXPECT_EQ (PreferencesData::getFile(), expected.getChildFile ("PreferencesData.xml"));
}

TEST (PreferencesDataTest, DefaultsAreWrittenOnlyWhereAKeyIsAbsent)
{
    TempHome home;
    home.preferencesFolder().createDirectory();
    home.preferencesFolder().getChildFile ("PreferencesData.xml")
        .replaceWithText ("<PreferencesData><AutoReceive Value=\"0\"/><ProgramListHeight Value=\"35\"/>"
                          "<MidiInPort/></PreferencesData>");

    PreferencesData preferences;
    x48305_preferences::setUpPreferenceDefaults (preferences);

    EXPECT_FALSE (preferences.getBool (keys::autoReceive, true));
    EXPECT_EQ (preferences.getInt (keys::programListHeight, 0), 35);
    // The element exists without a value: it is not "absent", and reads as
    // the caller's default.
    EXPECT_EQ (preferences.getString (keys::midiInPort, "fallback"), "fallback");

    EXPECT_TRUE (preferences.getBool (keys::midiPortAutoScan, false));
    EXPECT_TRUE (preferences.getBool (keys::warnBeforeWriting, false));
    EXPECT_EQ (preferences.getString (keys::midiOutPort, "x"), "");
    EXPECT_EQ (preferences.getString (keys::lastSavedFolder, "x"), "");
    EXPECT_FALSE (preferences.getBool (keys::showPresetWindow, true));
}

// Keys are element names and compared exactly: a key in other capitals is
// another key, and the default is written beside it.
TEST (PreferencesDataTest, KeysInOtherCapitalsAreOtherKeys)
{
    TempHome home;
    home.preferencesFolder().createDirectory();
    const auto file = home.preferencesFolder().getChildFile ("PreferencesData.xml");
    file.replaceWithText ("<PreferencesData><autoreceive Value=\"0\"/><PROGRAMLISTHEIGHT Value=\"35\"/></PreferencesData>");

    testsupport::AssertionWatch watch;
    {
        PreferencesData preferences;
        x48305_preferences::setUpPreferenceDefaults (preferences);
        EXPECT_TRUE (preferences.getBool (keys::autoReceive, false));
        EXPECT_EQ (preferences.getInt (keys::programListHeight, 0), 25);
    }
    EXPECT_EQ (watch.getCount(), 0);

    const auto saved = juce::parseXML (file);
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getChildElement (0)->getTagName(), "autoreceive");
    EXPECT_EQ (saved->getChildElement (0)->getStringAttribute ("Value"), "0");
}

TEST (PreferencesDataTest, DefaultsOfAFirstStart)
{
    TempHome home;
    PreferencesData preferences;
    x48305_preferences::setUpPreferenceDefaults (preferences);

    EXPECT_TRUE (preferences.getBool (keys::autoReceive, false));
    EXPECT_TRUE (preferences.getBool (keys::midiPortAutoScan, false));
    EXPECT_TRUE (preferences.getBool (keys::warnBeforeWriting, false));
    EXPECT_EQ (preferences.getString (keys::midiInPort, "x"), "");
    EXPECT_EQ (preferences.getInt (keys::programListHeight, 0), 25);
    EXPECT_EQ (preferences.getInt (keys::mainWindowWidth, -7), -7);
}

TEST (PreferencesDataTest, BooleansFollowTheFrameworkRule)
{
    TempHome home;
    home.preferencesFolder().createDirectory();
    home.preferencesFolder().getChildFile ("PreferencesData.xml")
        .replaceWithText ("<Anything><A Value=\"yes\"/><B Value=\"no\"/><C Value=\"1\"/><D Value=\"0\"/>"
                          "<E Value=\"True\"/><F Value=\"false\"/><G Value=\"\"/><H Value=\"Y\"/></Anything>");

    PreferencesData preferences;
    EXPECT_TRUE (preferences.getBool ("A", false));
    EXPECT_FALSE (preferences.getBool ("B", true));
    EXPECT_TRUE (preferences.getBool ("C", false));
    EXPECT_FALSE (preferences.getBool ("D", true));
    EXPECT_TRUE (preferences.getBool ("E", false));
    EXPECT_FALSE (preferences.getBool ("F", true));
    EXPECT_FALSE (preferences.getBool ("G", true));
    EXPECT_TRUE (preferences.getBool ("H", false));
    EXPECT_TRUE (preferences.getBool ("Missing", true));
}

TEST (PreferencesDataTest, MalformedOrEmptyFileGivesAnEmptyStore)
{
    for (auto* content : { "", "<PreferencesData><AutoReceive Value=\"0\"", "not xml at all" })
    {
        TempHome home;
        home.preferencesFolder().createDirectory();
        home.preferencesFolder().getChildFile ("PreferencesData.xml").replaceWithText (content);

        PreferencesData preferences;
        EXPECT_TRUE (preferences.getBool (keys::autoReceive, true)) << content;
        x48305_preferences::setUpPreferenceDefaults (preferences);
        EXPECT_EQ (preferences.getInt (keys::programListHeight, 0), 25) << content;
    }
}

TEST (PreferencesDataTest, RoundTripThroughTheFile)
{
    TempHome home;
    const auto japanese = juce::String::fromUTF8 ("\xe3\x83\x9d\xe3\x83\xbc\xe3\x83\x88 1 & <2>");
    {
        PreferencesData preferences;
        preferences.setBool (keys::autoReceive, false);
        preferences.setBool (keys::warnBeforeWriting, true);
        preferences.setInt (keys::mainWindowPositionX, -1);
        preferences.setInt (keys::programListHeight, 40);
        preferences.setString (keys::midiInPort, japanese);
        preferences.setString (keys::midiInPort, japanese + "!");
        EXPECT_TRUE (preferences.save());
    }

    auto file = home.preferencesFolder().getChildFile ("PreferencesData.xml");
    auto text = file.loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << text;
    auto root = juce::parseXML (file);
    ASSERT_NE (root, nullptr);
    EXPECT_EQ (root->getTagName(), "PreferencesData");
    EXPECT_EQ (root->getChildByName (keys::autoReceive)->getStringAttribute ("Value"), "0");
    EXPECT_EQ (root->getChildByName (keys::warnBeforeWriting)->getStringAttribute ("Value"), "1");
    EXPECT_EQ (root->getNumChildElements(), 5);

    PreferencesData reread;
    EXPECT_FALSE (reread.getBool (keys::autoReceive, true));
    EXPECT_TRUE (reread.getBool (keys::warnBeforeWriting, false));
    EXPECT_EQ (reread.getInt (keys::mainWindowPositionX, 0), -1);
    EXPECT_EQ (reread.getInt (keys::programListHeight, 0), 40);
    EXPECT_EQ (reread.getString (keys::midiInPort, {}), japanese + "!");
}

TEST (PreferencesDataTest, DestructionSavesAndRecreatesARemovedFolder)
{
    TempHome home;
    {
        PreferencesData preferences;
        preferences.setInt (keys::presetWindowWidth, 640);
        ASSERT_TRUE (home.preferencesFolder().deleteRecursively());
        ASSERT_FALSE (home.preferencesFolder().exists());
    }

    auto file = home.preferencesFolder().getChildFile ("PreferencesData.xml");
    ASSERT_TRUE (file.existsAsFile());
    PreferencesData reread;
    EXPECT_EQ (reread.getInt (keys::presetWindowWidth, 0), 640);
}

TEST (PreferencesDataTest, FailedWritePrintsOneLine)
{
    TempHome home;
    // A plain file where the "Preferences" folder belongs: nothing can be
    // created below it.
    home.get().getChildFile (".config").createDirectory();
    home.get().getChildFile (".config/Preferences").replaceWithText ("in the way");

    testing::internal::CaptureStdout();
    {
        PreferencesData preferences;
        preferences.setBool (keys::autoReceive, false);
    }
    auto output = juce::String (testing::internal::GetCapturedStdout());

    auto lines = juce::StringArray::fromLines (output.trimEnd());
    ASSERT_EQ (lines.size(), 1) << output;
    EXPECT_TRUE (lines[0].startsWith ("Failed to save preferences: ")) << output;
    EXPECT_TRUE (lines[0].endsWith ("PreferencesData.xml")) << output;

    testing::internal::CaptureStdout();
    {
        PreferencesData preferences;
        EXPECT_FALSE (preferences.save());
        std::fflush (stdout);
    }
    auto twice = juce::String (testing::internal::GetCapturedStdout());
    EXPECT_EQ (juce::StringArray::fromLines (twice.trimEnd()).size(), 2) << "one line per failed save";
}

class CountingObserver : public application::PreferencesDataChangeBroadcasterObserver
{
public:
    CountingObserver() { application::PreferencesDataChangeBroadcaster::getInstance()->addListener (this); }
    ~CountingObserver() override { application::PreferencesDataChangeBroadcaster::getInstance()->removeListener (this); }

    void preferencesDataChanged() override { ++calls; }

    int calls = 0;
};

TEST (PreferencesDataChangeBroadcasterTest, CoalescesNoticesOnTheMessageThread)
{
    auto* broadcaster = application::PreferencesDataChangeBroadcaster::getInstance();
    CountingObserver first, second;

    broadcaster->notify();
    broadcaster->notify();
    broadcaster->changeListenerCallback (nullptr);
    EXPECT_EQ (first.calls, 0) << "observers run later, not inside notify";

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return first.calls > 0 && second.calls > 0; }));
    testsupport::runMessageLoop (30);
    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (second.calls, 1);

    {
        juce::ChangeBroadcaster source;
        source.addChangeListener (broadcaster);
        source.sendSynchronousChangeMessage();
        source.removeChangeListener (broadcaster);
    }
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return first.calls == 2; }));
    EXPECT_EQ (second.calls, 2);
}

TEST (PreferencesDataUpdaterTest, ListFontHeightsFollowProgramListHeight)
{
    TempHome home;
    PreferencesData preferences;
    x48305_application::registerFonts();
    auto* fonts = ui::FontLibrary::getInstance();
    CountingObserver observer;

    for (auto [rowHeight, expected] : { std::pair { 30, 18.0f }, std::pair { 25, 15.0f }, std::pair { 40, 24.0f } })
    {
        preferences.setInt (keys::programListHeight, rowHeight);
        x48305_preferences::PreferencesDataUpdater (preferences).applyFontSettings();

        for (auto& key : x48305_application::getListFontKeys())
            EXPECT_FLOAT_EQ (fonts->getFont (key).getHeight(), expected) << key << " at " << rowHeight;
    }

    // Fonts outside the lists keep their sizes.
    EXPECT_FLOAT_EQ (fonts->getFont ("FavoriteDisplayNumber").getHeight(), 18.0f);
    EXPECT_FLOAT_EQ (fonts->getFont ("DialogText").getHeight(), 20.0f);

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return observer.calls > 0; }));
    testsupport::runMessageLoop (30);
    EXPECT_EQ (observer.calls, 1);

    // Restore the registered list sizes for other tests.
    for (auto& entry : x48305_application::getNamedFontSizes())
        fonts->setFontHeight (entry.key, entry.points);
}

TEST (PreferencesDataUpdaterTest, FixedPortsAreReadOnlyWithoutAutomaticSearch)
{
    TempHome home;
    PreferencesData preferences;
    preferences.setString (keys::midiInPort, "In A");
    preferences.setString (keys::midiOutPort, "Out B");

    x48305_preferences::PreferencesDataUpdater updater (preferences);
    auto automatic = updater.readMidiPortSettings();
    EXPECT_TRUE (automatic.autoScan);
    EXPECT_EQ (automatic.inPort, "");

    preferences.setBool (keys::midiPortAutoScan, false);
    auto manual = updater.readMidiPortSettings();
    EXPECT_FALSE (manual.autoScan);
    EXPECT_EQ (manual.inPort, "In A");
    EXPECT_EQ (manual.outPort, "Out B");
}
} // namespace
