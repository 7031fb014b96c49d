#include "formats/FavoriteDataXmlReaderWriter.h"

#include "formats/XmlTextElements.h"
#include "library/FavoriteData.h"

namespace x48305_data
{
namespace
{
constexpr const char* bankTag = "Bank";
constexpr const char* slotTag = "Data";

// Reads the text as the framework's integer conversion does (leading
// white space, an optional minus, then digits; 0 when there are none), but
// stops counting once the number is out of range, so that no text can
// overflow; any number outside 0-500 is an empty slot.
unsigned programNumberFromText (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const bool negative = *p == '-';
    if (negative)
        ++p;

    unsigned value = 0;
    for (auto c = *p; c >= '0' && c <= '9'; c = *++p)
    {
        value = value * 10 + (unsigned) (c - '0');
        if (value > FavoriteData::emptySlot)
            return FavoriteData::emptySlot;
    }
    if (negative && value != 0)
        return FavoriteData::emptySlot;
    return value;
}
} // namespace

std::unique_ptr<juce::XmlElement> FavoriteDataXmlReaderWriter::createXml (const FavoriteData& liveSet) const
{
    auto root = std::make_unique<juce::XmlElement> (rootTag);
    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
    {
        auto* bankElement = root->createNewChildElement (bankTag);
        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            data::addTextElement (*bankElement, slotTag, juce::String (liveSet.getProgramNumber (bank, slot)));
    }
    return root;
}

bool FavoriteDataXmlReaderWriter::readXml (const juce::XmlElement& element, FavoriteData& liveSet) const
{
    if (! element.hasTagName (rootTag))
        return false;

    int bank = 0;
    for (auto* bankElement : element.getChildWithTagNameIterator (bankTag))
    {
        if (bank >= FavoriteData::numBanks)
            break;

        int slot = 0;
        for (auto* slotElement : bankElement->getChildWithTagNameIterator (slotTag))
        {
            if (slot >= FavoriteData::numSlots)
                break;
            liveSet.setProgramNumber (bank, slot, programNumberFromText (slotElement->getAllSubText()));
            ++slot;
        }
        ++bank;
    }
    return true;
}
} // namespace x48305_data
