#include "formats/FavoriteDataXmlReaderWriter.h"

#include "formats/DecimalText.h"
#include "formats/XmlTagNames.h"
#include "formats/XmlTextElements.h"
#include "library/FavoriteData.h"

namespace x48305_data
{
namespace
{
constexpr const char* bankTag = "Bank";
constexpr const char* slotTag = "Data";

// Any number outside 0-500 is an empty slot.
unsigned programNumberFromText (const juce::String& text)
{
    const auto value = data::readDecimalInt (text);
    if (value < 0 || value > (int) FavoriteData::emptySlot)
        return FavoriteData::emptySlot;
    return (unsigned) value;
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
    if (! data::isNamed (element, rootTag))
        return false;

    int bank = 0;
    for (auto* bankElement : data::getChildrenNamed (element, bankTag))
    {
        if (bank >= FavoriteData::numBanks)
            break;

        int slot = 0;
        for (auto* slotElement : data::getChildrenNamed (*bankElement, slotTag))
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
