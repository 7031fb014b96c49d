#include "formats/UnitManifestFields.h"

#include "formats/UnitManifestReader.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/regex.hpp>

#include <array>
#include <stdexcept>

namespace unitmanifest
{
namespace
{
using boost::property_tree::ptree;

constexpr std::uint32_t maxVersionComponent = 99;
constexpr int minParamValue = -100;
constexpr int maxParamValue = 100;
constexpr std::size_t maxNameLength = UnitHeaderRecord::maxNameLength;
constexpr std::size_t paramItems = 4;

bool readParamLimit (const ptree& item, const char* which, std::size_t index, std::int8_t& value,
                     std::string& messages)
{
    const int number = item.get_value<int>();
    if (number < minParamValue || number > maxParamValue)
    {
        messages += std::string (which) + " value in parameter descriptor #" + std::to_string (index)
                    + " exceeds value limits.\n";
        return false;
    }
    value = (std::int8_t) number;
    return true;
}
} // namespace

const VersionMessages& apiVersionMessages()
{
    static const VersionMessages texts { "Invalid API version format. (", "API version component out of range. (" };
    return texts;
}

const VersionMessages& unitVersionMessages()
{
    static const VersionMessages texts { "Invalid version format. (", "version component out of range. (" };
    return texts;
}

const NameMessages& nameMessages()
{
    static const NameMessages texts { "Invalid name format. Expected printable ASCII.\n",
                                      "Warning: name clipped to " };
    return texts;
}

const NameMessages& paramNameMessages()
{
    static const NameMessages texts { "Invalid param name format. Expected printable ASCII.\n",
                                      "Warning: param name clipped to " };
    return texts;
}

bool readVersion (const ptree& tree, const char* path, const VersionMessages& texts, std::uint32_t& packed,
                  std::string& messages)
{
    static const boost::regex pattern ("([0-9]+)[.]([0-9]+)-([0-9]+)");

    const auto text = tree.get<std::string> (path);
    boost::smatch match;
    if (! boost::regex_match (text, match, pattern))
    {
        messages += texts.format + text + ")";
        return false;
    }

    std::array<std::uint32_t, 3> parts {};
    try
    {
        for (std::size_t i = 0; i < parts.size(); ++i)
            parts[i] = (std::uint32_t) std::stoi (match[(int) i + 1].str());
    }
    catch (const std::exception& error)
    {
        messages += texts.format + text + ") : " + error.what();
        return false;
    }

    for (const auto part : parts)
    {
        if (part > maxVersionComponent)
        {
            messages += texts.range + text + ")";
            return false;
        }
    }

    packed = (parts[0] << 16) | (parts[1] << 8) | parts[2];
    return true;
}

bool readUnsigned32 (const ptree& tree, const char* path, std::uint32_t& value, std::string& messages)
{
    const auto text = tree.get<std::string> (path);
    // The stream conversion would turn "-1" into 4294967295.
    if (! text.empty() && text.front() == '-')
    {
        messages += std::string ("Negative value for ") + path + ". (" + text + ")";
        return false;
    }
    value = tree.get<std::uint32_t> (path);
    return true;
}

bool readPrintableName (const std::string& text, const NameMessages& texts, std::string& name,
                        std::string& messages)
{
    static const boost::regex pattern ("([\\x20-\\x7E]+)");

    if (! boost::regex_match (text, pattern))
    {
        messages += texts.invalid;
        return false;
    }

    name = text;
    if (name.size() > maxNameLength)
    {
        messages += texts.clipped + std::to_string (maxNameLength) + "chars.\n";
        name.resize (maxNameLength);
    }
    return true;
}

bool isArray (const ptree& node)
{
    for (const auto& child : node)
        if (! child.first.empty())
            return false;
    return true;
}

bool readParamDescriptor (const ptree& element, std::size_t index, UnitParamDescriptor& descriptor,
                          std::string& messages)
{
    if (element.size() != paramItems || ! isArray (element))
    {
        messages += "Parameter descriptor #" + std::to_string (index) + " has invalid length.";
        return false;
    }

    auto item = element.begin();

    std::string name;
    if (! readPrintableName (item->second.get_value<std::string>(), paramNameMessages(), name, messages))
        return false;
    descriptor.setName (name);

    std::int8_t minimum = 0;
    if (! readParamLimit ((++item)->second, "Minimum", index, minimum, messages))
        return false;
    descriptor.setMinimum (minimum);

    std::int8_t maximum = 0;
    if (! readParamLimit ((++item)->second, "Maximum", index, maximum, messages))
        return false;
    descriptor.setMaximum (maximum);

    // An array or object holding items has an empty value too; it is no type.
    const auto& typeItem = (++item)->second;
    const auto type = typeItem.get_value<std::string>();
    const bool isText = typeItem.empty();
    if (isText && type == UnitParamTypeIds[0])
        descriptor.setType (minimum >= 0 ? UnitParamDescriptor::typePercent : UnitParamDescriptor::typeBipolarPercent);
    else if (isText && type == UnitParamTypeIds[1])
        descriptor.setType (UnitParamDescriptor::typePlain);
    else
    {
        messages += "Invalid type identifier in parameter descriptor #" + std::to_string (index) + ".";
        return false;
    }
    return true;
}
} // namespace unitmanifest
