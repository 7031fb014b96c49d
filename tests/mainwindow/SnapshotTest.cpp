#include "MainWindowFixture.h"

#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"

namespace
{
using namespace mainwindowtest;

TEST_F (MainWindowTest, EveryTabInBothLanguagesLooksFinished)
{
    for (const bool japanese : { false, true })
    {
        const testsupport::ScopedInterfaceLanguage language (japanese);
        openWindow();
        x48305_data::CurrentProgramData::getInstance()->selectLibraryProgram (3);
        testsupport::runMessageLoop (50);
        for (int tab = 0; tab < MainComponent::numTabs; ++tab)
        {
            mainComponent().getTabs().setCurrentTabIndex (tab);
            testsupport::runMessageLoop (50);
            const auto file = testsupport::writeSnapshot (
                screen(), juce::String ("mainwindow-") + (japanese ? "ja" : "en") + "-tab" + juce::String (tab));
            EXPECT_TRUE (file.existsAsFile());
        }
        closeWindow();
    }
}
} // namespace
