#include "support/FrameworkChooserDriver.h"

#include "support/MessageLoop.h"
#include "support/UserInput.h"

#include <gtest/gtest.h>

namespace testsupport
{
namespace
{
// The file name box: editable, inside the browser, and not the editor of a
// label (the folder box is a combo box whose label edits its text).
juce::TextEditor* nameBoxOf (juce::Component& dialog)
{
    return findDescendantOfType<juce::TextEditor> (dialog, [] (juce::TextEditor& editor)
    {
        return ! editor.isReadOnly() && editor.findParentComponentOfClass<juce::FileBrowserComponent>() != nullptr
               && dynamic_cast<juce::Label*> (editor.getParentComponent()) == nullptr;
    });
}
} // namespace

ModalDialogDriver::Action chooseInFrameworkDialog (const juce::File& target, const juce::String& buttonText,
                                                   std::function<void (juce::Component&)> beforeConfirm)
{
    return [target, buttonText, beforeConfirm] (juce::Component& dialog)
    {
        auto* nameBox = nameBoxOf (dialog);
        auto* confirm = findDescendantOfType<juce::TextButton> (dialog, [&buttonText] (juce::TextButton& button)
        {
            return button.getButtonText() == buttonText;
        });
        if (nameBox == nullptr || confirm == nullptr)
        {
            ADD_FAILURE() << "the chooser has no name box or no " << buttonText << " button";
            dialog.exitModalState (0);
            return;
        }

        // The box may offer a name already: all of it is typed over.
        click (*nameBox);
        pressKey (*nameBox, juce::KeyPress ('a', juce::ModifierKeys::commandModifier, 0));
        for (auto character : target.getFullPathName())
            pressKey (*nameBox, juce::KeyPress ((int) character, {}, character));
        pressKey (*nameBox, juce::KeyPress (juce::KeyPress::returnKey));
        // The dialog takes Return, moves to the file's folder and enables
        // its button on later messages.
        runMessageLoopUntil ([confirm] { return confirm->isEnabled(); }, 3000);
        runMessageLoop (100);
        if (beforeConfirm)
            beforeConfirm (dialog);
        click (*confirm);
    };
}
} // namespace testsupport
