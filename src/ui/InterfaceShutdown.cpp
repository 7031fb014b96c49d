#include "ui/InterfaceShutdown.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
void endAnimationsBeforeShutdown()
{
    // Deletes each animation's stand-in window now, while the X connection is open.
    juce::Desktop::getInstance().getAnimator().cancelAllAnimations (false);
}
} // namespace x48305_ui
