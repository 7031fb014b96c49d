#pragma once

#include <juce_core/juce_core.h>

namespace x48305_application
{
// The framework's own words (text-editor menus, alert buttons) in Japanese,
// as the text of a juce::LocalisedStrings.
juce::String getJapaneseMappingText();

// Installs those mappings as the framework's current translations when the
// interface speaks Japanese; does nothing otherwise.
void installJapaneseMappings();
} // namespace x48305_application
