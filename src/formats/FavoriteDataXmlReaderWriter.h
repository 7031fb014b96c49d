#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace x48305_data
{
class FavoriteData;

// The live set as "solivane_Liveset" with 4 "Bank" elements of 8 "Data"
// elements each, holding program numbers in decimal.
class FavoriteDataXmlReaderWriter
{
public:
    static constexpr const char* rootTag = "solivane_Liveset";

    virtual ~FavoriteDataXmlReaderWriter() {}

    std::unique_ptr<juce::XmlElement> createXml (const FavoriteData& liveSet) const;

    // False, with nothing changed, when the root is not "solivane_Liveset".
    // Banks and slots the document lacks keep their values; banks beyond the
    // fourth and slots beyond the eighth are ignored; a number outside
    // 0-500 becomes 500 (empty).
    bool readXml (const juce::XmlElement& element, FavoriteData& liveSet) const;
};
} // namespace x48305_data
