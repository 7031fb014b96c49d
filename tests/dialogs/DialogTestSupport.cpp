#include "DialogTestSupport.h"

#include "application/JapaneseMappings.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/DialogContent.h"
#include "ui/ModalDialogState.h"

namespace dialogtest
{
using testsupport::ModalDialogDriver;

int runDialog (juce::Component& content, const juce::String& title, ModalDialogDriver::Action action)
{
    ModalDialogDriver driver (std::move (action));
    const auto result = x48305_ui::runModalDialog (title, content);
    EXPECT_TRUE (driver.hasActed()) << title;
    return result;
}

ModalDialogDriver::Action snapshot (const juce::String& name)
{
    return [name] (juce::Component& dialog) { testsupport::writeSnapshot (dialog, name); };
}

ModalDialogDriver::Action typeInto (const juce::String& componentName, const juce::String& text)
{
    return [componentName, text] (juce::Component& dialog)
    {
        auto* target = testsupport::findDescendant (dialog, componentName);
        ASSERT_NE (target, nullptr) << componentName;
        testsupport::typeText (*target, text);
    };
}

ModalDialogDriver::Action inOrder (std::vector<ModalDialogDriver::Action> actions)
{
    return [actions] (juce::Component& dialog)
    {
        juce::Component::SafePointer<juce::Component> safe (&dialog);
        for (const auto& action : actions)
            if (safe != nullptr)
                action (*safe);
    };
}

void expectCaptionsFit (juce::Component& content, const juce::StringArray& except)
{
    for (auto* child : content.getChildren())
    {
        if (except.contains (child->getName()))
            continue;

        auto& lookAndFeel = child->getLookAndFeel();
        juce::String text;
        juce::Font font;
        float room = 0.0f;
        if (auto* label = dynamic_cast<juce::Label*> (child))
        {
            font = lookAndFeel.getLabelFont (*label);
            // Labels that wrap their text over several lines are not captions.
            if ((float) label->getHeight() > font.getHeight() * 2.0f)
                continue;
            text = label->getText();
            room = (float) (label->getWidth() - label->getBorderSize().getLeftAndRight());
        }
        else if (auto* toggle = dynamic_cast<juce::ToggleButton*> (child))
        {
            // As the framework draws a toggle: a tick box, then its text.
            font = juce::Font (juce::jmin (15.0f, (float) toggle->getHeight() * 0.75f));
            text = toggle->getButtonText();
            room = (float) (toggle->getWidth() - juce::jmin (20, toggle->getHeight() - 4) - 9);
        }
        else if (auto* button = dynamic_cast<juce::TextButton*> (child))
        {
            // The framework's indent on each side of a button's text.
            font = lookAndFeel.getTextButtonFont (*button, button->getHeight());
            const auto corner = juce::jmin (button->getHeight(), button->getWidth()) / 2;
            const auto indent = juce::jmin (juce::roundToInt (font.getHeight() * 0.6f),
                                            2 + corner / (button->isConnectedOnLeft() ? 4 : 2));
            text = button->getButtonText();
            room = (float) (button->getWidth() - 2 * indent);
        }
        else
        {
            continue;
        }

        EXPECT_LE (font.getStringWidthFloat (text) * 0.75f, room) << child->getName() << ": " << text;
    }
}

ScopedFrameworkTranslations::ScopedFrameworkTranslations()
{
    x48305_application::installJapaneseMappings();
}

ScopedFrameworkTranslations::~ScopedFrameworkTranslations()
{
    juce::LocalisedStrings::setCurrentMappings (nullptr);
}

void DialogTest::SetUp()
{
    testsupport::setUpInterfaceFonts();
    ASSERT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

void DialogTest::TearDown()
{
    testsupport::runMessageLoop (10);
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
}
} // namespace dialogtest
