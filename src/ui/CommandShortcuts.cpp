#include "ui/CommandShortcuts.h"

#include "application/ApplicationMenuManager.h"

namespace x48305_ui
{
CommandShortcuts::CommandShortcuts (juce::Component& windowToServe)
    : window (windowToServe),
      mappings (x48305_menu::ApplicationMenuManager::getInstance()->getCommandManager().getKeyMappings())
{
    window.addKeyListener (mappings);
}

CommandShortcuts::~CommandShortcuts()
{
    window.removeKeyListener (mappings);
}
} // namespace x48305_ui
