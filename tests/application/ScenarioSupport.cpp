#include "ScenarioSupport.h"

#include "application/SolivaneLibrarianApplication.h"
#include "midiport/DefaultBackend.h"
#include "support/MessageLoop.h"
#include "support/sim/UnitReceiveRequests.h"

namespace apptest
{
namespace
{
std::shared_ptr<midiport::VirtualBackend> makeDefaultBackend()
{
    juce::JUCEApplicationBase::createInstance = &createApplication;

    auto backend = std::make_shared<midiport::VirtualBackend>();
    midiport::setDefaultBackend (backend);
    return backend;
}
} // namespace

InstrumentWorld::InstrumentWorld() : backend (makeDefaultBackend()), instrument (*backend)
{
}

juce::String withoutFrameworkBanner (const juce::String& output)
{
    juce::StringArray lines;
    lines.addLines (output);
    lines.removeString (juce::SystemStats::getJUCEVersion());
    lines.removeEmptyStrings();
    return lines.joinIntoString ("\n");
}

std::string summariseRequests (const std::vector<sim::Request>& requests)
{
    std::string summary;
    std::size_t i = 0;
    while (i < requests.size())
    {
        std::size_t run = 1;
        while (i + run < requests.size() && requests[i + run].kind == requests[i].kind)
            ++run;
        if (! summary.empty())
            summary += ", ";
        summary += sim::toString (requests[i].kind) + " x" + std::to_string (run);
        i += run;
    }
    return summary;
}

const std::vector<std::pair<const char*, juce::String>> quietStart { { "MidiPortAutoScan", "0" }, { "AutoReceive", "0" } };

std::string summariseBeforeBackgroundSends (const sim::SimulatedInstrument& instrument)
{
    const auto endsWithCurrentProgram = [&] {
        const auto requests = instrument.getRequests();
        return ! requests.empty() && requests.back().kind == sim::RequestKind::currentProgramDump;
    };
    if (! testsupport::runMessageLoopUntil (endsWithCurrentProgram, 10000))
        return {};

    auto requests = instrument.getRequests();
    while (requests.size() >= 2 && requests.back().kind == sim::RequestKind::currentProgramDump
           && requests[requests.size() - 2].kind == sim::RequestKind::identityRequest)
        requests.resize (requests.size() - 2);
    return summariseRequests (requests);
}

std::string unitReceiveSummary (const sim::SimulatedInstrument& instrument)
{
    return summariseRequests (sim::unitReceiveRequests (instrument));
}

std::string currentProgramName (const sim::SimulatedInstrument& instrument)
{
    const auto record = instrument.getCurrentProgram();
    if (record.size() < 16)
        return {};
    auto name = std::string (record.begin() + 4, record.begin() + 16);
    return name.substr (0, name.find_last_not_of (' ') + 1);
}

juce::File preferencesFolderIn (const juce::File& home)
{
    return home.getChildFile (".config/Preferences/VEXO solivane Sound Librarian");
}

void writePreferences (const juce::File& home, const std::vector<std::pair<const char*, juce::String>>& values)
{
    juce::XmlElement root ("PreferencesData");
    for (const auto& [key, value] : values)
        root.createNewChildElement (key)->setAttribute ("Value", value);

    const auto folder = preferencesFolderIn (home);
    folder.createDirectory();
    root.writeTo (folder.getChildFile ("PreferencesData.xml"));
}

juce::String readPreference (const juce::File& home, const char* key)
{
    const auto document = juce::parseXML (preferencesFolderIn (home).getChildFile ("PreferencesData.xml"));
    if (document == nullptr)
        return "<no file>";
    auto* child = document->getChildByName (key);
    return child != nullptr && child->hasAttribute ("Value") ? child->getStringAttribute ("Value") : "<absent>";
}

juce::StringArray describeTree (const juce::File& folder)
{
    juce::StringArray entries;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true, "*", juce::File::findFilesAndDirectories))
    {
        const auto& file = entry.getFile();
        entries.add (file.getRelativePathFrom (folder) + " " + juce::String (file.getSize()) + " "
                     + juce::String (file.getLastModificationTime().toMilliseconds()));
    }
    entries.sort (false);
    return entries;
}
} // namespace apptest
