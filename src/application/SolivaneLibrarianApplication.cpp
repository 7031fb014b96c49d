#include "application/SolivaneLibrarianApplication.h"

#include "ui/MainWindowManager.h"

solivaneLibrarianApplication::solivaneLibrarianApplication() = default;
solivaneLibrarianApplication::~solivaneLibrarianApplication() = default;

const juce::String solivaneLibrarianApplication::getApplicationName()
{
    return "solivane Sound Librarian";
}

const juce::String solivaneLibrarianApplication::getApplicationVersion()
{
    return "1.0.0";
}

bool solivaneLibrarianApplication::moreThanOneInstanceAllowed()
{
    return false;
}

void solivaneLibrarianApplication::initialise (const juce::String&)
{
    x48305_ui::MainWindowManager::getInstance()->createMainWindow();
}

void solivaneLibrarianApplication::shutdown()
{
    x48305_ui::MainWindowManager::getInstance()->deleteMainWindow();
}

void solivaneLibrarianApplication::anotherInstanceStarted (const juce::String&)
{
}

void solivaneLibrarianApplication::systemRequestedQuit()
{
    quit();
}
