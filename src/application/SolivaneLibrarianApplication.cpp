#include "application/SolivaneLibrarianApplication.h"

namespace
{
// The main window: its content is built by the window's own classes.
class MainWindow : public juce::DocumentWindow
{
public:
    explicit MainWindow (const juce::String& name)
        : DocumentWindow (name, juce::Colour (0xff111111), DocumentWindow::allButtons)
    {
        setUsingNativeTitleBar (true);
        setResizable (true, false);
        centreWithSize (1000, 700);
        setVisible (true);
    }

    void closeButtonPressed() override
    {
        juce::JUCEApplication::getInstance()->systemRequestedQuit();
    }
};
}

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
    mainWindow = std::make_unique<MainWindow> (getApplicationName());
}

void solivaneLibrarianApplication::shutdown()
{
    mainWindow.reset();
}

void solivaneLibrarianApplication::anotherInstanceStarted (const juce::String&)
{
}

void solivaneLibrarianApplication::systemRequestedQuit()
{
    quit();
}
