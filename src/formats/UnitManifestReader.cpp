// The JSON parser still includes the old bind header; this keeps its global
// placeholders without a deprecation note in every build.
#define BOOST_BIND_GLOBAL_PLACEHOLDERS

#include "formats/UnitManifestReader.h"

#include "formats/JsonNestingDepth.h"
#include "formats/UnitManifestFields.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <sstream>

namespace
{
using boost::property_tree::ptree;
using namespace unitmanifest;

constexpr int moduleOscillator = UnitModuleOscillator;

bool readModule (const ptree& tree, UnitHeaderRecord& record, std::string& messages)
{
    const auto text = tree.get<std::string> ("header.module");
    for (std::size_t index = 0; index < UnitModuleIds.size(); ++index)
    {
        if (text == UnitModuleIds[index])
        {
            record.data()[UnitHeaderRecord::moduleOffset] |= (std::uint8_t) (index & 0x7f);
            return true;
        }
    }
    messages += "Invalid module specifier. (" + text + ")";
    return false;
}

bool readPlatform (const ptree& tree, UnitHeaderRecord& record, std::string& messages)
{
    const auto text = tree.get<std::string> ("header.platform");
    if (text != "solivane")
    {
        messages += "Wrong target platform. (" + text + ")";
        return false;
    }
    record.data()[UnitHeaderRecord::moduleOffset] = 0;
    record.setPlatform (UnitHeaderRecord::platformSolivane);
    return true;
}

bool readParams (const ptree& tree, UnitHeaderRecord& record, std::string& messages)
{
    std::uint32_t count = 0;
    if (! readUnsigned32 (tree, "header.num_param", count, messages))
        return false;
    // Refused before anything is written: the record has room for a fixed
    // number of descriptors only.
    if (count > UnitHeaderRecord::maxParams)
    {
        messages += "Too many parameter descriptors: the header holds at most "
                    + std::to_string (UnitHeaderRecord::maxParams) + ".";
        return false;
    }
    if (count == 0)
    {
        record.setParamCount (0);
        return true;
    }

    const auto& params = tree.get_child ("header.params");
    if (! isArray (params) || params.size() != count)
    {
        messages += "Parameter descriptor count does not match num_param field.";
        return false;
    }

    std::size_t index = 0;
    for (const auto& element : params)
    {
        UnitParamDescriptor descriptor;
        if (! readParamDescriptor (element.second, index, descriptor, messages))
            return false;
        record.setParamDescriptor (index, descriptor);
        ++index;
    }
    record.setParamCount (count);
    return true;
}

bool readFields (const ptree& tree, UnitHeaderRecord& record, std::string& messages)
{
    std::uint32_t value = 0;

    if (! readPlatform (tree, record, messages) || ! readModule (tree, record, messages))
        return false;

    if (! readVersion (tree, "header.api", apiVersionMessages(), value, messages))
        return false;
    record.setApiVersion (value);

    if (! readUnsigned32 (tree, "header.dev_id", value, messages))
        return false;
    record.setDeveloperId (value);

    if (! readUnsigned32 (tree, "header.prg_id", value, messages))
        return false;
    record.setUnitId (value);

    if (! readVersion (tree, "header.version", unitVersionMessages(), value, messages))
        return false;
    record.setUnitVersion (value);

    std::string name;
    if (! readPrintableName (tree.get<std::string> ("header.name"), nameMessages(), name, messages))
        return false;
    record.setName (name);

    const bool oscillator = record.data()[UnitHeaderRecord::moduleOffset] == moduleOscillator
                            && record.getPlatform() == UnitHeaderRecord::platformSolivane;
    return ! oscillator || readParams (tree, record, messages);
}
} // namespace

std::optional<UnitHeaderRecord> readUnitHeader (const ptree& tree, std::string& errorText)
{
    UnitHeaderRecord record;
    std::string messages;
    bool succeeded = false;

    try
    {
        succeeded = readFields (tree, record, messages);
    }
    catch (const boost::property_tree::ptree_error& error)
    {
        // A missing key or a value of the wrong type.
        messages += error.what();
    }

    errorText = messages;
    if (! succeeded)
        return std::nullopt;
    return record;
}

std::optional<UnitHeaderRecord> parseUnitManifest (const char* text, std::size_t length, std::string& errorText)
{
    if (text == nullptr)
    {
        errorText = "Tried to parse null data...";
        return std::nullopt;
    }

    if (formats::measureJsonNestingDepth (text, length) > formats::maxManifestNestingDepth)
    {
        errorText = "The manifest nests arrays or objects more than "
                    + std::to_string (formats::maxManifestNestingDepth) + " levels deep.";
        return std::nullopt;
    }

    ptree tree;
    try
    {
        std::istringstream input (std::string (text, length));
        boost::property_tree::read_json (input, tree);
    }
    catch (const boost::property_tree::ptree_error& error)
    {
        errorText = error.what();
        return std::nullopt;
    }

    return readUnitHeader (tree, errorText);
}
