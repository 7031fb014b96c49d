#include "ui/FavoriteEditComponent.h"

namespace
{
constexpr int labelX = 5;
constexpr int labelY = 16;
constexpr int rowPitch = 48;
constexpr int firstTileX = 85;
constexpr int tileY = 7;
constexpr int tileGap = 13;
} // namespace

FavoriteEditComponent::FavoriteEditComponent()
{
    // The bank names are the instrument's own and read the same in every
    // language.
    static const char* const bankNames[numBanks] = { "LIVE SET A", "LIVE SET B", "LIVE SET C", "LIVE SET D" };
    for (int b = 0; b < numBanks; ++b)
    {
        auto label = std::make_unique<juce::Label> ("new label", bankNames[b]);
        addAndMakeVisible (*label);
        label->setFont (juce::Font (15.0f, juce::Font::plain));
        label->setJustificationType (juce::Justification::centredLeft);
        label->setEditable (false, false, false);
        label->setColour (juce::Label::textColourId, juce::Colour (0xffffffff));
        label->setColour (juce::TextEditor::textColourId, juce::Colour (0xff000000));
        label->setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
        labels[(size_t) b] = std::move (label);
    }

    for (int b = 0; b < numBanks; ++b)
    {
        for (int s = 0; s < numSlots; ++s)
        {
            auto tile = std::make_unique<FavoriteDisplayComponent> ((std::uint32_t) b, (std::uint32_t) s);
            addAndMakeVisible (*tile);
            tile->setName ("Favorite " + juce::String (b) + ":" + juce::String (s));
            tiles[(size_t) b][(size_t) s] = std::move (tile);
        }
    }

    setSize (1110, 240);
}

FavoriteEditComponent::~FavoriteEditComponent() = default;

void FavoriteEditComponent::resized()
{
    for (int b = 0; b < numBanks; ++b)
    {
        labels[(size_t) b]->setBounds (labelX, labelY + rowPitch * b, 80, 24);

        int x = firstTileX;
        for (auto& tile : tiles[(size_t) b])
        {
            tile->setTopLeftPosition (x, tileY + rowPitch * b);
            x += tile->getWidth() + tileGap;
        }
    }
}
