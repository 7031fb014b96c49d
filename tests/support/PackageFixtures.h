#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builders for user-unit packages: manifest texts and zip archives made with
// the project's own archive writer.
namespace pkgtest
{
// A JSON string literal of the text.
std::string quoted (const std::string& text);

// One "header.params" element: [name, minimum, maximum, type].
std::string descriptor (const std::string& name, int minimum, int maximum, const std::string& type);

// The members of the manifest's "header" object, in order, as raw JSON values.
class ManifestText
{
public:
    // A manifest that reads: platform, module, api 1.2-3, dev_id 0x1A2B,
    // prg_id 7, version 2.5-0 and the name.
    explicit ManifestText (const std::string& module, const std::string& name = "Saw Lead");

    ManifestText& set (const std::string& key, const std::string& rawJson);
    ManifestText& setText (const std::string& key, const std::string& text) { return set (key, quoted (text)); }
    ManifestText& remove (const std::string& key);
    // Sets "num_param" to the number of descriptors and "params" to them.
    ManifestText& withParams (const std::vector<std::string>& descriptors);

    std::string str() const;

private:
    std::vector<std::pair<std::string, std::string>> members;
};

using Entries = std::vector<std::pair<juce::String, juce::MemoryBlock>>;

juce::MemoryBlock bytesOf (const std::string& text);

// A payload: the four magic bytes, then `extra` bytes of a pattern.
juce::MemoryBlock payloadWithMagic (const char* magic, std::size_t extra = 40);

// A zip archive of the entries in order.
juce::MemoryBlock buildArchive (const Entries& entries, int compressionLevel = 5);

// The usual package: folder/manifest.json first, then folder/payload.bin.
juce::MemoryBlock buildPackage (const std::string& manifest, const juce::MemoryBlock& payload,
                                const juce::String& folder = "unit/");

// A package file that is deleted when the object goes.
class PackageFile
{
public:
    explicit PackageFile (const juce::MemoryBlock& content);
    const juce::File& getFile() const { return temporary.getFile(); }

private:
    juce::TemporaryFile temporary;
};
} // namespace pkgtest
