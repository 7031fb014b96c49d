#pragma once

#include "application/ApplicationStartupProcess.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace x48305_application
{
struct ForwardedCommandLine;
}

// The application object: created by the framework's application factory.
// It owns the start-up process for its whole life.
class solivaneLibrarianApplication : public juce::JUCEApplication
{
public:
    solivaneLibrarianApplication();
    ~solivaneLibrarianApplication() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    // True: the framework's own check on this platform would end a second
    // launch without handing over its command line. The process entry's
    // SingleInstanceGuard keeps to one instance instead.
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void systemRequestedQuit() override;

    x48305_application::ApplicationStartupProcess& getStartupProcess() { return *startupProcess; }

private:
    void initialiseApplicationData();
    void createSingletons();
    void installFactoryPresetsIfEmpty();
    void handleForwardedCommandLine (const x48305_application::ForwardedCommandLine& commandLine);

    std::unique_ptr<x48305_application::ApplicationStartupProcess> startupProcess;
};

// The framework's application factory.
juce::JUCEApplicationBase* createApplication();
