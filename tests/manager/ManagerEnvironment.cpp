#include "ManagerEnvironment.h"

#include "support/midi/JobRig.h"

#include "library/CurrentProgramData.h"
#include "ui/SelectedProgramStatus.h"

#include <gtest/gtest.h>

namespace managertest
{
namespace
{
bool nothingCurrentAtCreation = false;

// Before any test: the application's device manager on the virtual backend
// (everything that sends goes through it), and the current-program model made
// while no program-list row is selected, so that it starts with nothing
// current.
class ManagerEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        devicetest::JobRig::manager();
        ui::SelectedProgramStatus::getInstance()->setSelected ({});
        nothingCurrentAtCreation = ! x48305_data::CurrentProgramData::getInstance()->hasCurrentProgram();
    }
};

[[maybe_unused]] auto* const environment = testing::AddGlobalTestEnvironment (new ManagerEnvironment);
}

bool currentProgramModelStartedWithNothing()
{
    return nothingCurrentAtCreation;
}
}
