#include "PackageFixtures.h"

#include "formats/MemoryBasedZipBuilder.h"

#include <algorithm>
#include <cstdio>

namespace pkgtest
{
std::string quoted (const std::string& text)
{
    std::string result = "\"";
    for (const char c : text)
    {
        const auto byte = (unsigned char) c;
        if (c == '"' || c == '\\')
        {
            result += '\\';
            result += c;
        }
        else if (byte < 0x20)
        {
            char escape[8];
            std::snprintf (escape, sizeof (escape), "\\u%04x", byte);
            result += escape;
        }
        else
            result += c;
    }
    return result + "\"";
}

std::string descriptor (const std::string& name, int minimum, int maximum, const std::string& type)
{
    return "[" + quoted (name) + ", " + std::to_string (minimum) + ", " + std::to_string (maximum) + ", "
           + quoted (type) + "]";
}

ManifestText::ManifestText (const std::string& module, const std::string& name)
{
    setText ("platform", "solivane");
    setText ("module", module);
    setText ("api", "1.2-3");
    set ("dev_id", std::to_string (0x1A2B));
    set ("prg_id", "7");
    setText ("version", "2.5-0");
    setText ("name", name);
}

ManifestText& ManifestText::set (const std::string& key, const std::string& rawJson)
{
    for (auto& member : members)
    {
        if (member.first == key)
        {
            member.second = rawJson;
            return *this;
        }
    }
    members.emplace_back (key, rawJson);
    return *this;
}

ManifestText& ManifestText::remove (const std::string& key)
{
    members.erase (std::remove_if (members.begin(), members.end(), [&] (const auto& m) { return m.first == key; }),
                   members.end());
    return *this;
}

ManifestText& ManifestText::withParams (const std::vector<std::string>& descriptors)
{
    std::string array = "[";
    for (std::size_t i = 0; i < descriptors.size(); ++i)
        array += (i == 0 ? "" : ", ") + descriptors[i];
    set ("num_param", std::to_string (descriptors.size()));
    return set ("params", array + "]");
}

std::string ManifestText::str() const
{
    std::string text = "{\n  \"header\": {\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += "    " + quoted (members[i].first) + ": " + members[i].second + (i + 1 < members.size() ? ",\n" : "\n");
    return text + "  }\n}\n";
}

juce::MemoryBlock bytesOf (const std::string& text)
{
    return juce::MemoryBlock (text.data(), text.size());
}

juce::MemoryBlock payloadWithMagic (const char* magic, std::size_t extra)
{
    juce::MemoryBlock payload (magic, 4);
    for (std::size_t i = 0; i < extra; ++i)
    {
        const auto byte = (juce::uint8) (0x30 + (i * 7) % 200);
        payload.append (&byte, 1);
    }
    return payload;
}

juce::MemoryBlock buildArchive (const Entries& entries, int compressionLevel)
{
    MemoryBasedZipBuilder builder;
    for (const auto& entry : entries)
        builder.addEntry (entry.first, entry.second, compressionLevel, {});

    juce::MemoryOutputStream out;
    if (! builder.writeToStream (out))
        return {};
    return out.getMemoryBlock();
}

juce::MemoryBlock buildPackage (const std::string& manifest, const juce::MemoryBlock& payload,
                                const juce::String& folder)
{
    return buildArchive ({ { folder + "manifest.json", bytesOf (manifest) }, { folder + "payload.bin", payload } });
}

PackageFile::PackageFile (const juce::MemoryBlock& content) : temporary (".slvnunit")
{
    temporary.getFile().replaceWithData (content.getData(), content.getSize());
}
} // namespace pkgtest
