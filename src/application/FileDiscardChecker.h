#pragma once

#include "application/FileChooserDialog.h"

namespace application
{
// Asks before unsaved library edits are thrown away. A stack object.
class FileDiscardChecker
{
public:
    // Saving without a current file asks with the framework's chooser...
    FileDiscardChecker();
    // ... or with this one.
    explicit FileDiscardChecker (x48305_application::FileChooserDialog& chooser);
    virtual ~FileDiscardChecker() = default;

    // 0: go on (nothing unsaved, saved now, or the user discards the edits).
    // 1: stop (cancelled, saving failed or was cancelled, or the question
    // could not be asked because another modal dialog is open).
    int check();

private:
    x48305_application::FileChooserDialog& chooser;
};
} // namespace application
