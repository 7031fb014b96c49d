#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The About box: the picture with the application's version and the
// copyright line along its dark lower band. A click anywhere closes it.
class AboutComponent : public juce::Component
{
public:
    AboutComponent();
    ~AboutComponent() override;

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    // The running application's version, or the version the build defines
    // when no application object exists (tools and tests).
    static juce::String applicationVersion();

    static constexpr const char* copyrightLine = "\xc2\xa9 2026 solivane Sound Librarian project";

    static constexpr int width = 600;
    static constexpr int height = 400;

private:
    std::unique_ptr<juce::Label> versionLabel;
    std::unique_ptr<juce::Label> copyrightLabel;
    juce::Image backgroundImage;

    JUCE_DECLARE_NON_COPYABLE (AboutComponent)
};
