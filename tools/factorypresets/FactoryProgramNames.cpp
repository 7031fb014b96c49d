#include "FactoryProgramNames.h"

#include <utility>

namespace factorypresets
{
namespace
{
struct Words
{
    std::vector<const char*> first;
    std::vector<const char*> second;
    const char* joiner;
};

Words getWords (SoundFamily family)
{
    switch (family)
    {
        case SoundFamily::bass:
            return { { "Deep", "Sub", "Acid", "Rubber", "Fat", "Round", "Growl", "Punch", "Pluck", "Dark",
                       "Warm", "Solid", "Hollow", "Woody", "Saw", "Square", "Reso", "Funk", "Dirty",
                       "Smooth", "Mono", "Thick", "Tight", "Bouncy" },
                     { "Bass", "Low", "Bottom" }, " " };
        case SoundFamily::lead:
            return { { "Solar", "Sync", "Saw", "Square", "Bright", "Hot", "Soft", "Glide", "Whistle", "Wire",
                       "Laser", "Razor", "Silver", "Neon", "Fuzz", "Mono", "Thin", "Hollow", "Sharp",
                       "Singing", "Pure", "Flute", "Cutting", "Ripper" },
                     { "Lead", "Solo", "Line" }, " " };
        case SoundFamily::pad:
            return { { "Glass", "Warm", "Dark", "Soft", "Slow", "Dream", "Cloud", "Night", "Frost", "Ocean",
                       "Velvet", "Halo", "Silk", "Wide", "Air", "Deep", "Glow", "Dusk", "Polar", "Amber" },
                     { "Pad", "Wash", "Veil", "Drift" }, " " };
        case SoundFamily::strings:
            return { { "Analog", "Slow", "Soft", "Bright", "Wide", "Lush", "Mellow", "Dark", "Chamber",
                       "Cinema", "Silk", "Warm", "Tape", "Octave", "Bowed" },
                     { "Strings", "Str", "Bows" }, " " };
        case SoundFamily::keys:
            return { { "Tine", "Reed", "Soft", "Bright", "Warm", "Toy", "Felt", "Glass", "Stage", "Dusty",
                       "Mellow", "Chorus", "Pluck", "Velvet", "Bar", "Church" },
                     { "Keys", "Piano", "EP", "Organ" }, " " };
        case SoundFamily::brass:
            return { { "Soft", "Bright", "Fat", "Poly", "Analog", "Synth", "Warm", "Big", "Velo", "Swell",
                       "Brassy", "Punchy" },
                     { "Brass", "Horns", "Stab" }, " " };
        case SoundFamily::bell:
            return { { "Glass", "Crystal", "Music", "Ice", "Star", "Temple", "Toy", "Tiny", "Silver",
                       "Steel", "Church", "Dream", "Tuned", "Frozen" },
                     { "Bell", "Bells", "Chime", "Mallet" }, " " };
        case SoundFamily::polySynth:
            return { { "Poly", "Classic", "Soft", "Bright", "Sweep", "Wide", "Warm", "Unison", "Velvet",
                       "Hollow", "Retro", "Noble", "Silky", "Vintage", "Analog", "Shiny" },
                     { "Poly", "Synth", "Saws" }, " " };
        case SoundFamily::sequence:
            return { { "Pulse", "Step", "Tick", "Run", "Cycle", "Motor", "Gate", "Pixel", "Pluck", "Bounce",
                       "Echo", "Loop", "Drip", "Spark", "Ladder" },
                     { "Arp", "Seq", "Steps" }, " " };
        case SoundFamily::chord:
            return { { "Minor", "Major", "Sus", "House", "Dub", "Fifth", "Jazz", "Power", "Deep", "Ninth" },
                     { "Chord", "Stab" }, " " };
        case SoundFamily::effect:
            return { { "Laser", "Wind", "Rain", "Alarm", "Storm", "Space", "Radio", "Robot", "Sonar",
                       "Siren", "Static", "Noise", "Orbit", "Engine" },
                     { "FX", "Sweep", "Zap" }, " " };
        case SoundFamily::split:
            return { { "Bass", "Sub", "Pad", "Pluck" }, { "Lead", "Bell", "Keys", "Brass" }, "/" };
    }
    return {};
}

bool isPrintable (const std::string& name)
{
    for (const char c : name)
        if (c < 32 || c > 125)
            return false;
    return true;
}
} // namespace

std::vector<std::string> makeProgramNames (SoundFamily family, int count, FactoryRandom& random,
                                           std::set<std::string>& used)
{
    const auto words = getWords (family);

    std::vector<std::string> candidates;
    for (const char* first : words.first)
        for (const char* second : words.second)
            if (std::string (first) != second)
                candidates.push_back (std::string (first) + words.joiner + second);

    // Shuffled with our own sequence (Fisher-Yates), so the bank mixes the
    // words and still comes out the same on every build.
    for (auto i = candidates.size(); i > 1; --i)
        std::swap (candidates[i - 1], candidates[(std::size_t) random.between (0, (int) i - 1)]);

    std::vector<std::string> names;
    for (const auto& candidate : candidates)
    {
        if ((int) names.size() == count)
            break;
        if (candidate.size() > 12 || ! isPrintable (candidate) || used.count (candidate) != 0)
            continue;
        used.insert (candidate);
        names.push_back (candidate);
    }
    return names;
}
} // namespace factorypresets
