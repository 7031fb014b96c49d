#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "ui/InterfaceShutdown.h"

namespace testsupport
{
void installNonFatalXErrorHandler();
}

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    testsupport::installNonFatalXErrorHandler();
    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI framework;
        juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
        result = RUN_ALL_TESTS();
        // A test that ends right after a drop leaves its drag image floating.
        x48305_ui::endAnimationsBeforeShutdown();
    }
    return result;
}
