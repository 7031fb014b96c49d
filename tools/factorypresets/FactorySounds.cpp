#include "FactorySounds.h"

#include "ParameterWriter.h"

#include "library/ParameterTables.h"
#include "library/ParameterValue.h"

namespace factorypresets
{
namespace
{
// Rows of the program common table.
enum CommonRow
{
    octave = 16,
    subOnFetch = 17,
    timbreEdit = 18,
    timbreType = 19,
    mainSubBalance = 20,
    mainSubPosition = 21,
    splitKey = 22,
    tempo = 23,
    arpTimbre = 24,
    category = 25,
    lfoBpmSync = 28,
    lfoKeySync = 29,
    lfoVoiceSync = 30,
    ampVelocity = 31,
    portamentoMode = 32,
    programLevel = 33,
    modFxType = 34,
    modFxSpeed = 35,
    modFxDepth = 36,
    effectType = 37,
    effectTime = 38,
    feedback = 39,
    modEffectOn = 40,
    delayReverbOn = 41,
    arpSwitch = 42,
    arpRange = 43,
    arpType = 44
};

// Rows of the timbre table.
enum TimbreRow
{
    portamento = 0,
    panWidth = 1,
    voiceModeDepth = 2,
    voiceType = 3,
    wave1 = 4,
    octave1 = 5,
    pitch1 = 6,
    shape1 = 7,
    pitchEgTarget = 8,
    pitchEg = 9,
    wave2 = 10,
    octave2 = 11,
    pitch2 = 12,
    shape2 = 13,
    ringSync = 14,
    crossMod = 15,
    multiRouting = 16,
    multiType = 17,
    multiOctave = 18,
    multiNoise = 19,
    multiVpm = 20,
    multiUser = 21,
    multiShape = 22,
    multiShift = 23,
    vco1Level = 24,
    vco2Level = 25,
    multiLevel = 26,
    cutoff = 27,
    resonance = 28,
    egInt = 29,
    drive = 30,
    lowCut = 31,
    keyTrack = 32,
    cutoffVelocity = 33,
    ampAttack = 34,
    ampDecay = 35,
    ampSustain = 36,
    ampRelease = 37,
    egAttack = 38,
    egDecay = 39,
    egSustain = 40,
    egRelease = 41,
    lfoWave = 42,
    lfoMode = 43,
    lfoRate = 44,
    lfoInt = 45,
    lfoTarget = 46,
    modWheelAssign = 47,
    pedalAssign = 48,
    bendUp = 49,
    bendDown = 50,
    firstVpmParameter = 51,
    lastUserParameter = 62
};

// Value names used below (indices into the tables' name lists).
constexpr int waveSquare = 0, waveTriangle = 1, waveSaw = 2;
constexpr int foot4 = 1, foot8 = 2, foot16 = 3;
constexpr int voicePoly = 0, voiceMono = 1, voiceUnison = 2;
constexpr int ringOn = 0, ringSyncOff = 1, syncOn = 2;
constexpr int multiNoiseType = 0, multiVpmType = 1;
constexpr int layer = 0, crossFade = 1, split = 2;
constexpr int effectOff = 0, effectDelay = 1, effectReverb = 2;
constexpr int centre = 512;

struct Range
{
    int low;
    int high;
};

// The character of one family: the ranges its sounds are drawn from.
struct Recipe
{
    int category;
    Range octave;
    int voice;
    Range cutoff;
    Range resonance;
    Range egInt;
    Range ampAttack, ampDecay, ampSustain, ampRelease;
    Range egAttack, egDecay, egSustain, egRelease;
    Range detune;
    Range vco2Level;
    Range multiLevel;
    int effect;
};

// Categories: 0 poly synth, 1 bass, 2 lead, 3 pad/strings, 4 key/bell,
// 5 chord, 6 arp, 7 combination, 8 sound effect.
Recipe getRecipe (SoundFamily family)
{
    switch (family)
    {
        case SoundFamily::bass:
            return { 1, { -2, -1 }, voiceMono, { 150, 480 }, { 0, 700 }, { 120, 380 },
                     { 0, 12 }, { 300, 700 }, { 500, 1023 }, { 30, 180 },
                     { 0, 20 }, { 200, 520 }, { 0, 300 }, { 40, 200 },
                     { 500, 530 }, { 300, 900 }, { 0, 350 }, effectOff };
        case SoundFamily::lead:
            return { 2, { 0, 1 }, voiceMono, { 480, 900 }, { 100, 600 }, { 40, 260 },
                     { 0, 40 }, { 400, 800 }, { 700, 1023 }, { 80, 300 },
                     { 0, 60 }, { 300, 700 }, { 300, 800 }, { 80, 300 },
                     { 505, 540 }, { 400, 1000 }, { 0, 250 }, effectDelay };
        case SoundFamily::pad:
            return { 3, { 0, 0 }, voicePoly, { 300, 700 }, { 0, 400 }, { -80, 200 },
                     { 400, 850 }, { 500, 900 }, { 700, 1023 }, { 600, 950 },
                     { 350, 850 }, { 500, 900 }, { 400, 900 }, { 500, 900 },
                     { 498, 526 }, { 500, 1000 }, { 0, 400 }, effectReverb };
        case SoundFamily::strings:
            return { 3, { 0, 0 }, voicePoly, { 450, 800 }, { 0, 250 }, { 0, 120 },
                     { 250, 600 }, { 400, 800 }, { 800, 1023 }, { 450, 800 },
                     { 200, 600 }, { 400, 800 }, { 600, 1000 }, { 400, 800 },
                     { 503, 521 }, { 700, 1000 }, { 0, 150 }, effectReverb };
        case SoundFamily::keys:
            return { 4, { 0, 0 }, voicePoly, { 350, 750 }, { 0, 300 }, { 100, 320 },
                     { 0, 10 }, { 550, 850 }, { 100, 500 }, { 250, 500 },
                     { 0, 10 }, { 350, 650 }, { 100, 400 }, { 250, 500 },
                     { 508, 516 }, { 200, 800 }, { 0, 300 }, effectReverb };
        case SoundFamily::brass:
            return { 0, { 0, 0 }, voicePoly, { 300, 600 }, { 50, 350 }, { 180, 400 },
                     { 30, 160 }, { 400, 700 }, { 650, 950 }, { 150, 350 },
                     { 60, 220 }, { 350, 650 }, { 400, 700 }, { 150, 350 },
                     { 504, 520 }, { 700, 1000 }, { 0, 150 }, effectReverb };
        case SoundFamily::bell:
            return { 4, { 0, 1 }, voicePoly, { 650, 1023 }, { 0, 300 }, { 0, 200 },
                     { 0, 8 }, { 650, 950 }, { 0, 250 }, { 550, 900 },
                     { 0, 8 }, { 500, 850 }, { 0, 300 }, { 500, 850 },
                     { 512, 512 }, { 300, 900 }, { 500, 1000 }, effectReverb };
        case SoundFamily::polySynth:
            return { 0, { 0, 0 }, voicePoly, { 400, 800 }, { 50, 450 }, { 60, 300 },
                     { 0, 120 }, { 400, 800 }, { 400, 900 }, { 200, 500 },
                     { 0, 150 }, { 350, 750 }, { 200, 700 }, { 200, 500 },
                     { 502, 524 }, { 500, 1000 }, { 0, 300 }, effectReverb };
        case SoundFamily::sequence:
            return { 6, { -1, 0 }, voicePoly, { 250, 650 }, { 200, 750 }, { 150, 420 },
                     { 0, 10 }, { 200, 450 }, { 0, 200 }, { 60, 250 },
                     { 0, 10 }, { 150, 400 }, { 0, 200 }, { 60, 250 },
                     { 506, 518 }, { 300, 900 }, { 0, 300 }, effectDelay };
        case SoundFamily::chord:
            return { 5, { 0, 0 }, voicePoly, { 350, 700 }, { 100, 500 }, { 150, 380 },
                     { 0, 20 }, { 250, 550 }, { 0, 300 }, { 100, 300 },
                     { 0, 20 }, { 200, 450 }, { 0, 300 }, { 100, 300 },
                     { 508, 516 }, { 600, 1000 }, { 0, 200 }, effectDelay };
        case SoundFamily::effect:
            return { 8, { -1, 1 }, voicePoly, { 100, 1023 }, { 300, 1000 }, { -512, 511 },
                     { 0, 900 }, { 200, 1023 }, { 0, 1023 }, { 200, 1023 },
                     { 0, 900 }, { 200, 1023 }, { 0, 1023 }, { 200, 1023 },
                     { 300, 720 }, { 0, 1023 }, { 200, 1023 }, effectReverb };
        case SoundFamily::split:
            return { 7, { 0, 0 }, voicePoly, { 350, 750 }, { 50, 400 }, { 80, 300 },
                     { 0, 60 }, { 400, 800 }, { 400, 900 }, { 200, 500 },
                     { 0, 60 }, { 350, 700 }, { 300, 800 }, { 200, 500 },
                     { 505, 519 }, { 400, 900 }, { 0, 250 }, effectReverb };
    }
    return {};
}

class SoundShaper
{
public:
    SoundShaper (uint8_t* recordIn, FactoryRandom& randomIn) : record (recordIn), random (randomIn) {}

    void common (int row, int value) { setParameterValue (record, id (0, row), value); }
    void common (int row, Range range) { common (row, pick (range)); }

    void timbre (int section, int row, int value) { setParameterValue (record, id (section, row), value); }
    void timbre (int section, int row, Range range) { timbre (section, row, pick (range)); }

    int get (int section, int row) const
    {
        x48305_data::ParameterEntry entry;
        x48305_data::getParameterEntry (id (section, row), entry);
        return x48305_data::getParameterValue (record, id (section, row), entry);
    }

    int pick (Range range) { return random.between (range.low, range.high); }
    int either (int first, int second) { return random.chance (50) ? first : second; }
    bool chance (int percent) { return random.chance (percent); }

    // Brings every row of the section's table that the initial program
    // leaves outside its range to the nearest allowed value.
    void settleIntoRanges (int section)
    {
        const int first = section == 0 ? octave : 0;
        for (int row = first; row < x48305_data::getParameterCount (section); ++row)
            setParameterValue (record, id (section, row), get (section, row));
    }

private:
    static x48305_data::ParameterId id (int section, int row)
    {
        return { static_cast<int16_t> (section), static_cast<int16_t> (row) };
    }

    uint8_t* record;
    FactoryRandom& random;
};

void shapeOscillators (SoundShaper& s, int t, SoundFamily family, const Recipe& r)
{
    const bool low = family == SoundFamily::bass;
    s.timbre (t, wave1, family == SoundFamily::bell ? waveTriangle : (s.chance (70) ? waveSaw : waveSquare));
    s.timbre (t, octave1, low ? (s.chance (60) ? foot16 : foot8) : foot8);
    s.timbre (t, pitch1, centre);
    s.timbre (t, shape1, Range { 0, 600 });
    s.timbre (t, wave2, s.either (waveSquare, waveSaw));
    s.timbre (t, octave2, low ? foot16 : (s.chance (25) ? foot4 : foot8));
    s.timbre (t, pitch2, r.detune);
    s.timbre (t, shape2, Range { 0, 600 });
    s.timbre (t, ringSync, ringSyncOff);
    s.timbre (t, crossMod, 0);
    s.timbre (t, pitchEgTarget, 1);
    s.timbre (t, pitchEg, 0);
    s.timbre (t, vco1Level, Range { 800, 1023 });
    s.timbre (t, vco2Level, r.vco2Level);
    s.timbre (t, multiLevel, r.multiLevel);
    s.timbre (t, multiRouting, Range { 0, 1 });
    s.timbre (t, multiType, multiNoiseType);
    s.timbre (t, multiOctave, foot8);
    s.timbre (t, multiNoise, Range { 0, 127 });
    s.timbre (t, multiVpm, Range { 0, 127 });
    s.timbre (t, multiUser, Range { 0, 127 });
    s.timbre (t, multiShape, Range { 0, 1023 });
    s.timbre (t, multiShift, Range { 0, 1023 });
}

void shapeFilterAndEnvelopes (SoundShaper& s, int t, const Recipe& r)
{
    s.timbre (t, cutoff, r.cutoff);
    s.timbre (t, resonance, r.resonance);
    s.timbre (t, egInt, r.egInt);
    s.timbre (t, drive, Range { 0, 1 });
    s.timbre (t, lowCut, Range { 0, 1 });
    s.timbre (t, keyTrack, Range { 1, 2 });
    s.timbre (t, cutoffVelocity, Range { 0, 90 });
    s.timbre (t, ampAttack, r.ampAttack);
    s.timbre (t, ampDecay, r.ampDecay);
    s.timbre (t, ampSustain, r.ampSustain);
    s.timbre (t, ampRelease, r.ampRelease);
    s.timbre (t, egAttack, r.egAttack);
    s.timbre (t, egDecay, r.egDecay);
    s.timbre (t, egSustain, r.egSustain);
    s.timbre (t, egRelease, r.egRelease);
}

void shapeModulation (SoundShaper& s, int t, SoundFamily family)
{
    const bool wild = family == SoundFamily::effect;
    s.timbre (t, lfoWave, Range { waveSquare, waveSaw });
    s.timbre (t, lfoMode, Range { 1, 2 });
    s.timbre (t, lfoRate, wild ? Range { 0, 1023 } : Range { 300, 700 });
    s.timbre (t, lfoInt, wild ? Range { 200, 1023 } : Range { 0, 120 });
    s.timbre (t, lfoTarget, Range { 0, 2 });
    s.timbre (t, modWheelAssign, s.chance (50) ? 28 : 16); // LFO INT or CUTOFF
    s.timbre (t, pedalAssign, 1);                         // VOLUME
    const int bend = family == SoundFamily::lead ? s.either (2, 12) : 2;
    s.timbre (t, bendUp, bend);
    s.timbre (t, bendDown, bend);
    for (int row = firstVpmParameter; row <= lastUserParameter; ++row)
        s.timbre (t, row, Range { 0, 127 });
}

void shapeTimbre (SoundShaper& s, int t, SoundFamily family, const Recipe& r)
{
    s.timbre (t, portamento, family == SoundFamily::lead ? s.pick ({ 0, 320 }) : 0);
    s.timbre (t, panWidth, Range { -60, 60 });
    s.timbre (t, voiceModeDepth, Range { 0, 600 });
    s.timbre (t, voiceType, r.voice == voiceMono && s.chance (30) ? voiceUnison : r.voice);
    shapeOscillators (s, t, family, r);
    shapeFilterAndEnvelopes (s, t, r);
    shapeModulation (s, t, family);
}

// Family touches that the ranges alone do not give.
void addCharacter (SoundShaper& s, int t, SoundFamily family)
{
    switch (family)
    {
        case SoundFamily::bell:
            s.timbre (t, crossMod, Range { 400, 1000 });
            s.timbre (t, multiType, multiVpmType);
            s.timbre (t, multiOctave, foot4);
            break;
        case SoundFamily::effect:
            s.timbre (t, pitchEgTarget, Range { 0, 2 });
            s.timbre (t, pitchEg, Range { -512, 511 });
            s.timbre (t, ringSync, s.either (ringOn, syncOn));
            s.timbre (t, multiLevel, Range { 400, 1023 });
            break;
        case SoundFamily::lead:
            if (s.chance (35))
                s.timbre (t, ringSync, syncOn);
            break;
        case SoundFamily::keys:
            if (s.chance (40))
                s.timbre (t, wave1, waveTriangle);
            break;
        case SoundFamily::bass:
            s.timbre (t, drive, Range { 0, 2 });
            break;
        default:
            break;
    }
}

// The second timbre follows the first, a little apart for a wider sound.
void shapeSecondTimbre (SoundShaper& s, SoundFamily family, const Recipe& r)
{
    for (int row = 0; row < x48305_data::getParameterCount (1); ++row)
        s.timbre (2, row, s.get (1, row));

    if (family == SoundFamily::split)
    {
        shapeTimbre (s, 2, s.chance (50) ? SoundFamily::lead : SoundFamily::pad, r);
        return;
    }
    s.timbre (2, pitch2, r.detune);
    s.timbre (2, panWidth, -s.get (1, panWidth));
}

void shapeCommon (SoundShaper& s, SoundFamily family, const Recipe& r)
{
    const bool layered = family == SoundFamily::pad || family == SoundFamily::strings
                         || family == SoundFamily::split || family == SoundFamily::effect;
    s.common (octave, r.octave);
    s.common (subOnFetch, 0);
    s.common (timbreEdit, 0);
    s.common (timbreType, family == SoundFamily::split ? split : (layered && s.chance (40) ? crossFade : layer));
    s.common (mainSubBalance, layered ? s.pick ({ 300, 700 }) : 0);
    s.common (mainSubPosition, 0);
    s.common (splitKey, family == SoundFamily::split ? s.pick ({ 36, 54 }) : 60);
    s.common (tempo, Range { 900, 1400 });
    s.common (arpTimbre, 0);
    s.common (category, r.category);
    s.common (lfoBpmSync, family == SoundFamily::sequence ? 1 : 0);
    s.common (lfoKeySync, Range { 0, 1 });
    s.common (lfoVoiceSync, 0);
    s.common (ampVelocity, Range { 20, 100 });
    s.common (portamentoMode, family == SoundFamily::lead ? 1 : 0);
    s.common (programLevel, Range { 96, 112 });
    s.common (modFxType, Range { 0, 4 });
    s.common (modFxSpeed, Range { 100, 700 });
    s.common (modFxDepth, Range { 100, 700 });
    s.common (modEffectOn, s.chance (40) ? 1 : 0);
    s.common (effectType, r.effect);
    s.common (effectTime, Range { 200, 800 });
    s.common (feedback, Range { 100, 600 });
    s.common (delayReverbOn, r.effect != effectOff ? 1 : 0);
    s.common (arpSwitch, family == SoundFamily::sequence ? 1 : 0);
    s.common (arpRange, family == SoundFamily::sequence ? s.pick ({ 0, 3 }) : 0);
    s.common (arpType, family == SoundFamily::sequence ? s.pick ({ 0, 15 }) : 0);
}
} // namespace

const std::vector<FamilyShare>& getBankPlan()
{
    static const std::vector<FamilyShare> plan {
        { SoundFamily::polySynth, 26 }, { SoundFamily::bass, 32 },  { SoundFamily::lead, 32 },
        { SoundFamily::pad, 28 },       { SoundFamily::strings, 18 }, { SoundFamily::keys, 24 },
        { SoundFamily::brass, 14 },     { SoundFamily::bell, 18 },  { SoundFamily::sequence, 24 },
        { SoundFamily::chord, 12 },     { SoundFamily::effect, 14 }, { SoundFamily::split, 8 },
    };
    return plan;
}

void shapeSound (uint8_t* record, SoundFamily family, FactoryRandom& random)
{
    SoundShaper shaper (record, random);
    const auto recipe = getRecipe (family);

    for (int section = 0; section <= 2; ++section)
        shaper.settleIntoRanges (section);

    shapeCommon (shaper, family, recipe);
    shapeTimbre (shaper, 1, family, recipe);
    addCharacter (shaper, 1, family);
    shapeSecondTimbre (shaper, family, recipe);
}
} // namespace factorypresets
