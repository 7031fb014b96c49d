#pragma once

#include "ui/FavoriteDisplayComponent.h"

#include <array>
#include <memory>

// The live set as a grid: four rows "LIVE SET A" to "LIVE SET D" of eight
// tiles each.
class FavoriteEditComponent : public juce::Component
{
public:
    static constexpr int numBanks = 4;
    static constexpr int numSlots = 8;

    FavoriteEditComponent();
    ~FavoriteEditComponent() override;

    void paint (juce::Graphics&) override {}
    void resized() override;

    FavoriteDisplayComponent& getTile (int bank, int slot) { return *tiles[(size_t) bank][(size_t) slot]; }
    juce::Label& getBankLabel (int bank) { return *labels[(size_t) bank]; }

private:
    std::array<std::array<std::unique_ptr<FavoriteDisplayComponent>, numSlots>, numBanks> tiles;
    std::array<std::unique_ptr<juce::Label>, numBanks> labels;

    JUCE_DECLARE_NON_COPYABLE (FavoriteEditComponent)
};
