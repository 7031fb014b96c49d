#include "support/InterfaceSetUp.h"

#include "application/ApplicationFonts.h"
#include "application/CPXWResource.h"
#include "application/CurrentLanguageModel.h"
#include "application/JapaneseMappings.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataUpdater.h"
#include "support/TemporaryHome.h"

namespace testsupport
{
namespace
{
void useLanguage (bool japanese)
{
    x48305_application::CurrentLanguageModel::getInstance()->isJapanese = japanese;
    CPXWResource::getInstance()->reloadFrom (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), japanese));
    // The framework's own words follow, as start-up sets them.
    juce::LocalisedStrings::setCurrentMappings (nullptr);
    x48305_application::installJapaneseMappings();
}
} // namespace

void setUpInterfaceFonts()
{
    x48305_application::setUpDefaultFont();
    x48305_application::registerFonts();
}

void setUpInterfaceHome()
{
    processHome();
    setUpInterfaceFonts();
    x48305_preferences::setUpPreferenceDefaults (*x48305_preferences::PreferencesData::getInstance());
    x48305_preferences::PreferencesDataUpdater().applyFontSettings();
}

ScopedInterfaceLanguage::ScopedInterfaceLanguage (bool japanese)
    : previous (x48305_application::CurrentLanguageModel::getInstance()->isJapanese)
{
    useLanguage (japanese);
}

ScopedInterfaceLanguage::~ScopedInterfaceLanguage()
{
    useLanguage (previous);
}
} // namespace testsupport
