#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The application object: created by the framework's application factory.
class solivaneLibrarianApplication : public juce::JUCEApplication
{
public:
    solivaneLibrarianApplication();
    ~solivaneLibrarianApplication() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;
};
