#include "ui/DialogContent.h"

#include "ui/ModalDialogGuard.h"

namespace x48305_ui
{
void styleDialogButton (juce::TextButton& button, juce::Colour buttonColour, juce::Colour buttonOnColour)
{
    button.setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                              | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    button.setColour (juce::TextButton::buttonColourId, buttonColour);
    button.setColour (juce::TextButton::buttonOnColourId, buttonOnColour);
    button.setColour (juce::TextButton::textColourOffId, juce::Colours::white);
    button.setColour (juce::TextButton::textColourOnId, juce::Colours::white);
}

std::unique_ptr<juce::Label> makeCaption (const juce::String& name, const juce::String& text)
{
    auto label = std::make_unique<juce::Label> (name, text);
    label->setFont (juce::Font (15.0f, juce::Font::plain));
    label->setJustificationType (juce::Justification::centredLeft);
    label->setEditable (false, false, false);
    return label;
}

std::unique_ptr<juce::TextEditor> makeTextField (const juce::String& name)
{
    auto editor = std::make_unique<juce::TextEditor> (name);
    editor->setMultiLine (false);
    editor->setReturnKeyStartsNewLine (false);
    editor->setReadOnly (false);
    editor->setScrollbarsShown (true);
    editor->setCaretVisible (true);
    editor->setPopupMenuEnabled (true);
    return editor;
}

namespace
{
const juce::Identifier returnKeyMark ("dialogReturnKey");
const juce::Identifier escapeKeyMark ("dialogEscapeKey");

juce::Button* findMarkedButton (juce::Component& root, const juce::Identifier& mark)
{
    if (auto* button = dynamic_cast<juce::Button*> (&root); button != nullptr && button->getProperties()[mark])
        return button;
    for (auto* child : root.getChildren())
        if (auto* found = findMarkedButton (*child, mark))
            return found;
    return nullptr;
}

// Takes Return and Escape for the marked buttons of a window. The keys come
// to the focused component first and then to its parents, and each hands
// them to its key listeners before it uses them itself: so this listens on
// the window and on everything in it. A button's own shortcut would not do:
// it watches the key's state, and the keypad's Enter is another key there.
// Holds no state, so one serves every dialog.
class DialogKeys final : public juce::KeyListener, private juce::ComponentListener
{
public:
    static DialogKeys& get()
    {
        static DialogKeys keys;
        return keys;
    }

    void mark (juce::Button& button, const juce::Identifier& key)
    {
        button.getProperties().set (key, true);
        button.addComponentListener (this);
        listenWithin (button);
    }

private:
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override
    {
        if (origin == nullptr || key.getModifiers().isAnyModifierKeyDown())
            return false;
        const auto* mark = key.isKeyCode (juce::KeyPress::returnKey)   ? &returnKeyMark
                           : key.isKeyCode (juce::KeyPress::escapeKey) ? &escapeKeyMark
                                                                       : nullptr;
        auto* button = mark != nullptr ? findMarkedButton (*origin->getTopLevelComponent(), *mark) : nullptr;
        if (button == nullptr || ! button->isShowing() || ! button->isEnabled())
            return false;
        button->triggerClick();
        return true;
    }

    // The content goes into its window after it was built.
    void componentParentHierarchyChanged (juce::Component& button) override { listenWithin (button); }

    void listenWithin (juce::Component& button) { listenOn (*button.getTopLevelComponent()); }

    void listenOn (juce::Component& component)
    {
        component.addKeyListener (this);
        for (auto* child : component.getChildren())
            listenOn (*child);
    }
};
} // namespace

void giveDialogKeys (juce::Button& defaultButton, juce::Button& cancellingButton)
{
    giveReturnKey (defaultButton);
    DialogKeys::get().mark (cancellingButton, escapeKeyMark);
}

void giveReturnKey (juce::Button& defaultButton)
{
    DialogKeys::get().mark (defaultButton, returnKeyMark);
}

void endEnclosingDialog (juce::Component& content, int result)
{
    if (auto* window = content.findParentComponentOfClass<juce::DialogWindow>())
        window->exitModalState (result);
}

bool answerOkOrCancel (juce::Component& content, const juce::Button* clicked, const juce::Button& ok,
                       const juce::Button& cancel, const std::function<void()>& onOk,
                       const std::function<void()>& onCancel)
{
    if (clicked == &ok)
    {
        if (onOk)
            onOk();
        endEnclosingDialog (content, 1);
        return true;
    }
    if (clicked == &cancel)
    {
        if (onCancel)
            onCancel();
        endEnclosingDialog (content, 0);
        return true;
    }
    return false;
}

void releaseLookAndFeelOfChildren (juce::Component& content)
{
    for (auto* child : content.getChildren())
        child->setLookAndFeel (nullptr);
}

int runModalDialog (const juce::String& title, juce::Component& content)
{
    return juce::DialogWindow::showModalDialog (title, &content, nullptr, juce::Colours::white, true, false, false);
}

int runGuardedModalDialog (const juce::String& title, juce::Component& content)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return 0;
    return runModalDialog (title, content);
}
} // namespace x48305_ui
