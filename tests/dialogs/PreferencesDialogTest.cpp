#include "DialogTestSupport.h"

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "midiport/DefaultBackend.h"
#include "midiport/VirtualBackend.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/PreferencesEditComponent.h"

using dialogtest::inOrder;
using testsupport::andThen;
using testsupport::ModalDialogDriver;
namespace keys = x48305_preferences::keys;

namespace
{
const juce::String title ("Preferences");

x48305_preferences::PreferencesData& store()
{
    return *x48305_preferences::PreferencesData::getInstance();
}

// Counts the preferences notices.
struct NoticeCounter : application::PreferencesDataChangeBroadcasterObserver
{
    NoticeCounter() { application::PreferencesDataChangeBroadcaster::getInstance()->addListener (this); }
    ~NoticeCounter() override { application::PreferencesDataChangeBroadcaster::getInstance()->removeListener (this); }
    void preferencesDataChanged() override { ++count; }
    int count = 0;
};

// MIDI ports for the dialog to list: devices on a virtual backend that is
// the default while the object lives.
class PortsPresent
{
public:
    explicit PortsPresent (std::initializer_list<midiport::DeviceSpec> specs)
    {
        midiport::setDefaultBackend (backend);
        for (const auto& spec : specs)
            devices.push_back (backend->createDevice (spec, [] (const midiport::PacketList&) {}));
    }

    ~PortsPresent()
    {
        devices.clear();
        midiport::setDefaultBackend (nullptr);
    }

private:
    std::shared_ptr<midiport::VirtualBackend> backend = std::make_shared<midiport::VirtualBackend>();
    std::vector<std::unique_ptr<midiport::Device>> devices;
};

const midiport::DeviceSpec alpha { "Alpha Synth", "Out", "In" };
const midiport::DeviceSpec beta { "Beta Box", "MIDI Out", "MIDI In" };

// What the dialog shows, read inside its modal loop.
struct PreferencesView
{
    struct Box
    {
        juce::StringArray items;
        int selected = -2;
        bool enabled = false;
        juce::String noChoicesText;
    };
    Box in, out;
    bool manual = false, autoReceive = false, warn = false;
    double step = -1.0;
    juce::String stepText;
};

PreferencesView::Box readBox (juce::Component& dialog, const char* name)
{
    PreferencesView::Box box;
    auto* combo = testsupport::findDescendantAs<juce::ComboBox> (dialog, name);
    if (combo == nullptr)
    {
        ADD_FAILURE() << name;
        return box;
    }
    for (int i = 0; i < combo->getNumItems(); ++i)
        box.items.add (combo->getItemText (i));
    box.selected = combo->getSelectedItemIndex();
    box.enabled = combo->isEnabled();
    box.noChoicesText = combo->getTextWhenNoChoicesAvailable();
    return box;
}

bool toggleState (juce::Component& dialog, const char* name)
{
    auto* toggle = testsupport::findDescendantAs<juce::ToggleButton> (dialog, name);
    return toggle != nullptr && toggle->getToggleState();
}

ModalDialogDriver::Action read (PreferencesView& view)
{
    return [&view] (juce::Component& dialog)
    {
        // The slider's asynchronous notice and the port selections arrive first.
        testsupport::runMessageLoop (20);
        view.in = readBox (dialog, "midiInComboBox");
        view.out = readBox (dialog, "midiOutComboBox");
        view.manual = toggleState (dialog, "manualPortToggle");
        view.autoReceive = toggleState (dialog, "autoReceiveToggle");
        view.warn = toggleState (dialog, "warnBeforeWritingToggle");
        if (auto* slider = testsupport::findDescendantAs<juce::Slider> (dialog, "fontSizeSlider"))
            view.step = slider->getValue();
        if (auto* label = testsupport::findDescendantAs<juce::Label> (dialog, "fontSizeValueLabel"))
            view.stepText = label->getText();
    };
}

// Drags the row-height slider's thumb from its step to another.
ModalDialogDriver::Action dragSlider (int fromStep, int toStep)
{
    return [fromStep, toStep] (juce::Component& dialog)
    {
        auto* slider = testsupport::findDescendantAs<juce::Slider> (dialog, "fontSizeSlider");
        ASSERT_NE (slider, nullptr);
        const auto y = (float) slider->getHeight() / 2.0f;
        testsupport::drag (*slider, { slider->getPositionOfValue (fromStep), y },
                           { slider->getPositionOfValue (toStep), y });
    };
}

// Six keys stored in forms that read as their values but that the dialog
// never writes, so a rewrite shows.
void storeUnwrittenForms()
{
    store().setString (keys::warnBeforeWriting, "yes");
    store().setString (keys::autoReceive, "Y");
    store().setString (keys::midiPortAutoScan, "true");
    store().setString (keys::midiInPort, "Alpha Synth - Out");
    store().setString (keys::midiOutPort, "Alpha Synth - In");
    store().setString (keys::programListHeight, "25");
}

class PreferencesDialogTest : public dialogtest::DialogTest
{
protected:
    int run (PreferencesEditComponent& content, ModalDialogDriver::Action action)
    {
        return dialogtest::runDialog (content, title, std::move (action));
    }
};
} // namespace

TEST_F (PreferencesDialogTest, WithoutPortsTheBoxesAreEmptyAndOkStoresEmptyNames)
{
    PortsPresent none ({});
    store().setBool (keys::midiPortAutoScan, false);
    store().setString (keys::midiInPort, "Gone Device - Out");
    store().setString (keys::midiOutPort, "Gone Device - In");

    PreferencesEditComponent content;
    PreferencesView view;
    EXPECT_EQ (run (content, andThen (read (view), testsupport::clickButton ("okButton"))), 1);

    for (const auto* box : { &view.in, &view.out })
    {
        EXPECT_TRUE (box->items.isEmpty());
        EXPECT_EQ (box->selected, -1);
        EXPECT_TRUE (box->enabled);
        EXPECT_EQ (box->noChoicesText, "(no choices)");
    }
    EXPECT_EQ (store().getString (keys::midiInPort, "unset"), "");
    EXPECT_EQ (store().getString (keys::midiOutPort, "unset"), "");
    EXPECT_FALSE (store().getBool (keys::midiPortAutoScan, true));
}

// Automatic search greys the boxes out but still fills and selects them, and
// OK stores what they show; every one of the six keys is written again.
TEST_F (PreferencesDialogTest, AutomaticModeShowsDisabledFilledBoxesAndOkRewritesAllSixKeys)
{
    PortsPresent ports ({ alpha, beta });
    storeUnwrittenForms();
    store().setString (keys::midiInPort, "Beta Box - MIDI Out");

    PreferencesEditComponent content;
    PreferencesView view;
    EXPECT_EQ (run (content, inOrder ({ read (view), dialogtest::snapshot ("preferences-automatic-en"),
                                        testsupport::clickButton ("okButton") })), 1);

    EXPECT_FALSE (view.manual);
    EXPECT_TRUE (view.autoReceive);
    EXPECT_TRUE (view.warn);
    EXPECT_EQ (view.in.items, juce::StringArray ("Alpha Synth - Out", "Beta Box - MIDI Out"));
    EXPECT_EQ (view.out.items, juce::StringArray ("Alpha Synth - In", "Beta Box - MIDI In"));
    EXPECT_EQ (view.in.selected, 1);
    EXPECT_EQ (view.out.selected, 0);
    EXPECT_FALSE (view.in.enabled);
    EXPECT_FALSE (view.out.enabled);
    EXPECT_EQ (view.step, 1.0);
    EXPECT_EQ (view.stepText, "2");

    EXPECT_EQ (store().getString (keys::warnBeforeWriting, {}), "1");
    EXPECT_EQ (store().getString (keys::autoReceive, {}), "1");
    EXPECT_EQ (store().getString (keys::midiPortAutoScan, {}), "1");
    EXPECT_EQ (store().getString (keys::midiInPort, {}), "Beta Box - MIDI Out");
    EXPECT_EQ (store().getString (keys::midiOutPort, {}), "Alpha Synth - In");
    EXPECT_EQ (store().getString (keys::programListHeight, {}), "25");
}

TEST_F (PreferencesDialogTest, OfTwoSourcesWithOneNameTheFirstIsSelected)
{
    PortsPresent ports ({ alpha, { "Twin", "Port", "Port" }, { "Twin", "Port", "Port" } });
    store().setBool (keys::midiPortAutoScan, false);
    store().setString (keys::midiInPort, "Twin - Port");
    store().setString (keys::midiOutPort, "Twin - Port");

    PreferencesEditComponent content;
    PreferencesView view;
    run (content, andThen (read (view), testsupport::clickButton ("okButton")));

    EXPECT_EQ (view.in.items.size(), 3);
    EXPECT_EQ (view.in.selected, 1);
    EXPECT_EQ (view.out.selected, 1);
    EXPECT_TRUE (view.in.enabled);
    EXPECT_EQ (store().getString (keys::midiInPort, {}), "Twin - Port");
}

TEST_F (PreferencesDialogTest, RowHeightOpensAtItsStepAndOkStoresTheStepsHeight)
{
    PortsPresent none ({});
    const std::tuple<int, double, const char*, int> cases[] = {
        { 27, 2.0, "3", 30 }, { 100, 4.0, "5", 40 }, { 0, 0.0, "1", 20 }, { -5, 0.0, "1", 20 },
        { 20, 0.0, "1", 20 }, { 21, 1.0, "2", 25 }, { 40, 4.0, "5", 40 }, { 41, 4.0, "5", 40 },
    };
    for (const auto& [stored, step, text, saved] : cases)
    {
        SCOPED_TRACE (stored);
        store().setInt (keys::programListHeight, stored);
        PreferencesEditComponent content;
        PreferencesView view;
        EXPECT_EQ (run (content, andThen (read (view), testsupport::clickButton ("okButton"))), 1);
        EXPECT_EQ (view.step, step);
        EXPECT_EQ (view.stepText, text);
        EXPECT_EQ (store().getInt (keys::programListHeight, -1), saved);
    }
}

// The toggles and the slider change only the dialog until OK writes them.
TEST_F (PreferencesDialogTest, TogglesAndSliderReachThePreferencesOnlyThroughOk)
{
    PortsPresent ports ({ alpha, beta });
    storeUnwrittenForms();
    store().setString (keys::midiOutPort, "Beta Box - MIDI In");

    PreferencesEditComponent content;
    PreferencesView before, afterManual, afterBack;
    auto result = run (content, inOrder ({ read (before),
                                           testsupport::clickButton ("manualPortToggle"), read (afterManual),
                                           testsupport::clickButton ("manualPortToggle"),
                                           testsupport::clickButton ("manualPortToggle"), read (afterBack),
                                           testsupport::clickButton ("autoReceiveToggle"),
                                           testsupport::clickButton ("warnBeforeWritingToggle"),
                                           dragSlider (1, 3),
                                           [] (juce::Component&) {
                                               // Nothing is written before OK.
                                               EXPECT_EQ (store().getString (keys::programListHeight, {}), "25");
                                               EXPECT_EQ (store().getString (keys::autoReceive, {}), "Y");
                                           },
                                           testsupport::clickButton ("okButton") }));
    EXPECT_EQ (result, 1);

    EXPECT_FALSE (before.in.enabled);
    EXPECT_TRUE (afterManual.manual);
    EXPECT_TRUE (afterManual.in.enabled && afterManual.out.enabled);
    // Items and selection stay through every switch.
    EXPECT_EQ (afterManual.in.items, before.in.items);
    EXPECT_EQ (afterManual.out.selected, 1);
    EXPECT_TRUE (afterBack.in.enabled);

    EXPECT_FALSE (store().getBool (keys::midiPortAutoScan, true));
    EXPECT_FALSE (store().getBool (keys::autoReceive, true));
    EXPECT_FALSE (store().getBool (keys::warnBeforeWriting, true));
    EXPECT_EQ (store().getInt (keys::programListHeight, -1), 35);
    EXPECT_EQ (store().getString (keys::midiInPort, {}), "Alpha Synth - Out");
    EXPECT_EQ (store().getString (keys::midiOutPort, {}), "Beta Box - MIDI In");
}

// Cancel puts back the height the dialog found, so a list that followed the
// slider returns, and tells every observer once; no other key is written.
// Escape writes nothing and tells nobody.
TEST_F (PreferencesDialogTest, CancelRestoresTheHeightAndNotifiesOnceEscapeDoesNothing)
{
    PortsPresent ports ({ alpha });

    {
        storeUnwrittenForms();
        NoticeCounter notices;
        PreferencesEditComponent content;
        PreferencesView moved;
        auto result = run (content, inOrder ({ dragSlider (1, 4), read (moved),
                                               [] (juce::Component&) { store().setInt (keys::programListHeight, 40); },
                                               testsupport::clickButton ("autoReceiveToggle"),
                                               testsupport::clickButton ("cancelButton") }));
        testsupport::runMessageLoop (30);
        EXPECT_EQ (result, 0);
        EXPECT_EQ (moved.stepText, "5");
        EXPECT_EQ (store().getString (keys::programListHeight, {}), "25");
        EXPECT_EQ (store().getString (keys::autoReceive, {}), "Y");
        EXPECT_EQ (store().getString (keys::warnBeforeWriting, {}), "yes");
        EXPECT_EQ (notices.count, 1);
    }

    for (auto ending : { testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey)),
                         testsupport::clickCloseButton() })
    {
        storeUnwrittenForms();
        NoticeCounter notices;
        PreferencesEditComponent content;
        auto result = run (content, inOrder ({ dragSlider (1, 4), testsupport::clickButton ("autoReceiveToggle"), ending }));
        testsupport::runMessageLoop (30);
        EXPECT_EQ (result, 0);
        EXPECT_EQ (store().getString (keys::programListHeight, {}), "25");
        EXPECT_EQ (store().getString (keys::autoReceive, {}), "Y");
        EXPECT_EQ (notices.count, 0);
    }
}

// However the boxes are set, a name is only ever taken from the list.
TEST (PreferencesEditComponentNames, AnIndexOutsideTheListGivesTheEmptyName)
{
    const juce::StringArray names ("First - Out", "Second - Out");
    EXPECT_EQ (PreferencesEditComponent::nameAtIndex (names, 0), "First - Out");
    EXPECT_EQ (PreferencesEditComponent::nameAtIndex (names, 1), "Second - Out");
    for (int index : { -1, -7, 2, 3, 1000 })
        EXPECT_EQ (PreferencesEditComponent::nameAtIndex (names, index), "") << index;
    EXPECT_EQ (PreferencesEditComponent::nameAtIndex ({}, 0), "");
}

TEST_F (PreferencesDialogTest, LayoutAndSnapshotsInBothLanguages)
{
    PortsPresent ports ({ alpha, beta });
    store().setBool (keys::midiPortAutoScan, false);
    store().setString (keys::midiInPort, "Alpha Synth - Out");
    store().setString (keys::midiOutPort, "Beta Box - MIDI In");
    store().setInt (keys::programListHeight, 30);

    const std::pair<const char*, juce::Rectangle<int>> bounds[] = {
        { "midiPortGroup", { 8, 8, 520, 136 } },       { "manualPortToggle", { 32, 32, 456, 24 } },
        { "midiInLabel", { 32, 64, 80, 24 } },          { "midiInComboBox", { 120, 64, 376, 24 } },
        { "midiOutLabel", { 32, 96, 80, 24 } },         { "midiOutComboBox", { 120, 96, 376, 24 } },
        { "otherGroup", { 8, 144, 520, 120 } },         { "autoReceiveToggle", { 32, 168, 464, 24 } },
        { "warnBeforeWritingToggle", { 32, 192, 472, 24 } }, { "fontSizeLabel", { 48, 224, 160, 24 } },
        { "fontSizeSlider", { 216, 224, 184, 24 } },   { "fontSizeValueLabel", { 416, 224, 32, 24 } },
        { "cancelButton", { 328, 278, 94, 24 } },      { "okButton", { 432, 278, 94, 24 } },
    };

    for (bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        PreferencesEditComponent content;
        EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 540, 315));
        ASSERT_EQ (content.getNumChildComponents(), 14);
        // The frames lie behind the controls.
        EXPECT_EQ (content.getChildComponent (0)->getName(), "otherGroup");
        EXPECT_EQ (content.getChildComponent (1)->getName(), "midiPortGroup");
        for (const auto& [name, expected] : bounds)
        {
            auto* child = testsupport::findDescendant (content, name);
            ASSERT_NE (child, nullptr) << name;
            EXPECT_EQ (child->getBounds(), expected) << name;
            EXPECT_EQ (&child->getLookAndFeel(), &testsupport::findDescendant (content, "okButton")->getLookAndFeel());
        }
        auto* okButton = testsupport::findDescendantAs<juce::TextButton> (content, "okButton");
        auto* group = testsupport::findDescendantAs<juce::GroupComponent> (content, "midiPortGroup");
        ASSERT_TRUE (okButton != nullptr && group != nullptr);
        EXPECT_EQ (okButton->getButtonText(), getLocalizedText ("CommonOK"));
        EXPECT_EQ (group->getText(), getLocalizedText ("PreferencesDialogGroupMidiPort"));
        EXPECT_TRUE (group->getText().isNotEmpty());
        dialogtest::expectCaptionsFit (content);

        dialogtest::runDialog (content, getLocalizedText ("PreferencesDialogTitle"), andThen (dialogtest::snapshot (japanese ? "preferences-ja" : "preferences-en"),
                               testsupport::clickButton ("cancelButton")));
    }
}
