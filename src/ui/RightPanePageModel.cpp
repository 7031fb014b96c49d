#include "ui/RightPanePageModel.h"

namespace x48305_ui
{
RightPanePageModel::~RightPanePageModel()
{
    cancelPendingUpdate();
}

void RightPanePageModel::handleAsyncUpdate()
{
    callListeners ([] (RightPanePageModelObserver& observer) { observer.pageChanged(); });
}
} // namespace x48305_ui
