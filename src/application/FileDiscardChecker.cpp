#include "application/FileDiscardChecker.h"

#include "action/DataEditStatus.h"
#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
#include "ui/AlertDialog.h"

namespace application
{
namespace
{
constexpr int goOn = 0;
constexpr int stop = 1;
constexpr int answerYes = 1;
constexpr int answerNo = 2;
} // namespace

FileDiscardChecker::FileDiscardChecker()
    : FileDiscardChecker (x48305_application::FrameworkFileChooserDialog::getShared())
{
}

FileDiscardChecker::FileDiscardChecker (x48305_application::FileChooserDialog& chooserToUse) : chooser (chooserToUse)
{
}

int FileDiscardChecker::check()
{
    if (! DataEditStatus::getInstance()->isEdited())
        return goOn;

    const int answer = AlertDialog().showYesNoCancel (getLocalizedText ("FileDiscardCheckTitle"),
                                                      getLocalizedText ("FileDiscardCheckMessage"));
    if (answer == answerYes)
        return x48305_application::FileDialogProcessor (chooser).save() == x48305_application::FileDialogProcessor::resultDone ? goOn : stop;
    return answer == answerNo ? goOn : stop;
}
} // namespace application
