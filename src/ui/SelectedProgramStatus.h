#pragma once

#include "ui/SelectedIndexStatus.h"

namespace ui
{
class SelectedProgramStatusObserver
{
public:
    virtual ~SelectedProgramStatusObserver() {}
    virtual void selectedProgramChanged() = 0;
};

// The library program numbers selected in the program list.
class SelectedProgramStatus
    : public SelectedIndexStatus<SelectedProgramStatus, SelectedProgramStatusObserver,
                                 &SelectedProgramStatusObserver::selectedProgramChanged>
{
private:
    friend class Singleton<SelectedProgramStatus>;
    SelectedProgramStatus() = default;
};
} // namespace ui
