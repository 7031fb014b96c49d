#include "library/ParameterTables.h"

#include <array>

namespace x48305_data
{
namespace
{
// Columns: name, short name, min, max, offset, byte count, bit position,
// bit width, signed, kind, value type.

// Section 0: magic, name and the parameters shared by both timbres.
const std::array<ParameterEntry, commonParameterCount>& commonTable()
{
    static const std::array<ParameterEntry, commonParameterCount> table { {
        { "Header 1", "Header 1", 32, 125, 0, 1, 0, 8, 0, 2, 19 },
        { "Header 2", "Header 2", 32, 125, 1, 1, 0, 8, 0, 2, 19 },
        { "Header 3", "Header 3", 32, 125, 2, 1, 0, 8, 0, 2, 19 },
        { "Header 4", "Header 4", 32, 125, 3, 1, 0, 8, 0, 2, 19 },
        { "Program Name 1", "Program Name 1", 32, 125, 4, 1, 0, 8, 0, 2, 19 },
        { "Program Name 2", "Program Name 2", 32, 125, 5, 1, 0, 8, 0, 2, 19 },
        { "Program Name 3", "Program Name 3", 32, 125, 6, 1, 0, 8, 0, 2, 19 },
        { "Program Name 4", "Program Name 4", 32, 125, 7, 1, 0, 8, 0, 2, 19 },
        { "Program Name 5", "Program Name 5", 32, 125, 8, 1, 0, 8, 0, 2, 19 },
        { "Program Name 6", "Program Name 6", 32, 125, 9, 1, 0, 8, 0, 2, 19 },
        { "Program Name 7", "Program Name 7", 32, 125, 10, 1, 0, 8, 0, 2, 19 },
        { "Program Name 8", "Program Name 8", 32, 125, 11, 1, 0, 8, 0, 2, 19 },
        { "Program Name 9", "Program Name 9", 32, 125, 12, 1, 0, 8, 0, 2, 19 },
        { "Program Name 10", "Program Name 10", 32, 125, 13, 1, 0, 8, 0, 2, 19 },
        { "Program Name 11", "Program Name 11", 32, 125, 14, 1, 0, 8, 0, 2, 19 },
        { "Program Name 12", "Program Name 12", 32, 125, 15, 1, 0, 8, 0, 2, 19 },
        { "Octave", "Octave", -2, 2, 16, 1, 0, 8, 1, 1, 14 },
        { "SubOnPGMFetch", "SubOnFetch", 0, 1, 17, 1, 0, 8, 0, 4, 38 },
        { "Timb Edit", "T.Edit", 0, 2, 18, 1, 0, 8, 0, 3, 24 },
        { "Timb Type", "T.Type", 0, 2, 19, 1, 0, 8, 0, 3, 23 },
        { "MainSubBalance", "MAIN/SUB", 0, 1023, 20, 2, 0, 8, 0, 1, 5 },
        { "MainSubPosition", "M/S POS", 0, 1, 22, 1, 0, 8, 0, 1, 9 },
        { "Split Key", "Split Key", 0, 60, 23, 1, 0, 8, 0, 3, 26 },
        { "Tempo", "Tempo", 300, 3000, 24, 2, 0, 8, 0, 1, 5 },
        { "ARP Timbre", "ARP Timbre", 0, 2, 26, 1, 0, 8, 0, 3, 24 },
        { "Category", "Category", 0, 8, 29, 1, 0, 8, 0, 3, 21 },
        { "Frequent Lower", "FrqntLwr", 0, 1023, 30, 2, 0, 8, 0, 1, 5 },
        { "Frequent Upper", "FrqntUpr", 0, 1023, 32, 2, 0, 8, 0, 1, 5 },
        { "LFO BPMSync", "LFO B.Sync", 0, 1, 34, 1, 0, 8, 0, 4, 38 },
        { "LFO KeySync", "LFO K.Sync", 0, 1, 35, 1, 0, 8, 0, 4, 38 },
        { "LFO VoiceSync", "LFO V.Sync", 0, 1, 36, 1, 0, 8, 0, 4, 38 },
        { "Amp Velocity", "AmpVel", 0, 127, 37, 1, 0, 8, 0, 1, 4 },
        { "PortamentoMode", "Portamento", 0, 1, 38, 1, 0, 8, 0, 4, 38 },
        { "Program Level", "Level", 76, 127, 40, 1, 0, 8, 0, 1, 14 },
        { "ModFx Type", "ModFxType", 0, 127, 41, 1, 0, 8, 0, 1, 4 },
        { "ModFx Speed", "ModFx Speed", 0, 1023, 42, 2, 0, 8, 0, 1, 5 },
        { "ModFx Depth", "ModFx Depth", 0, 1023, 44, 2, 0, 8, 0, 1, 5 },
        { "EffectType", "FX.Type", 0, 2, 62, 1, 0, 8, 0, 3, 22 },
        { "EffectTime", "FX.Time", 0, 1023, 63, 2, 0, 8, 0, 1, 5 },
        { "FeedBack", "F.Back", 0, 1023, 65, 2, 0, 8, 0, 1, 5 },
        { "Mod Effect", "Mod Effect", 0, 1, 71, 1, 0, 8, 0, 4, 38 },
        { "Delay/Reverb", "Delay/Reverb", 0, 1, 72, 1, 0, 8, 0, 4, 38 },
        { "ARRPG SW", "ARRP", 0, 2, 73, 1, 0, 8, 0, 1, 2 },
        { "ARRPG Range", "ArrpRange", 0, 15, 74, 1, 0, 8, 0, 1, 2 },
        { "ARRPG Type", "ArrpType", 0, 15, 75, 1, 0, 8, 0, 1, 2 },
        { "Like", "Like", 0, 255, 76, 1, 0, 8, 0, 3, 36 },
        { "Like", "Like", 0, 255, 77, 1, 0, 8, 0, 3, 36 },
        { "Like", "Like", 0, 255, 78, 1, 0, 8, 0, 3, 36 },
        { "Like", "Like", 0, 255, 79, 1, 0, 8, 0, 3, 36 },
    } };
    return table;
}

// Sections 1 and 2 share one layout.
const std::array<ParameterEntry, timbreParameterCount>& timbreTable()
{
    static const std::array<ParameterEntry, timbreParameterCount> table { {
        { "Portamento", "Porta", 0, 1023, 0, 2, 0, 8, 0, 1, 5 },
        { "Pan Width", "PanWid", -512, 511, 2, 2, 0, 8, 1, 1, 16 },
        { "VoiceModeDepth", "V.Depth", 0, 1023, 4, 2, 0, 8, 0, 1, 5 },
        { "Voice Type", "VoiceType", 0, 2, 6, 1, 0, 8, 0, 3, 35 },
        { "1Wave", "1Wave", 0, 2, 10, 1, 0, 8, 0, 3, 27 },
        { "1Octave", "1Oct", 0, 3, 11, 1, 0, 8, 0, 3, 28 },
        { "1Pitch", "1Pitch", 0, 1023, 12, 2, 0, 8, 0, 1, 5 },
        { "1Shape", "1Shape", 0, 1023, 14, 2, 0, 8, 0, 1, 5 },
        { "P.EG Target", "Target", 0, 2, 16, 1, 0, 8, 0, 3, 29 },
        { "Pitch EG", "Pitch EG", -512, 511, 17, 2, 0, 8, 1, 1, 16 },
        { "2Wave", "2Wave", 0, 2, 19, 1, 0, 8, 0, 3, 27 },
        { "2Octave", "2Oct", 0, 3, 20, 1, 0, 8, 0, 3, 28 },
        { "2Pitch", "2Pitch", 0, 1023, 21, 2, 0, 8, 0, 1, 5 },
        { "2Shape", "2Shape", 0, 1023, 23, 2, 0, 8, 0, 1, 5 },
        { "Ring/Sync", "RingSync", 0, 2, 25, 1, 0, 8, 0, 3, 30 },
        { "CrossModInt", "C.M.Int", 0, 1023, 26, 2, 0, 8, 0, 1, 5 },
        { "Multi Routine", "MultRouti", 0, 1, 28, 1, 0, 8, 0, 1, 2 },
        { "Multi Type", "Multi", 0, 2, 29, 1, 0, 8, 0, 3, 31 },
        { "Multi Octave", "MultOct", 0, 3, 30, 1, 0, 8, 0, 3, 28 },
        { "Multi Noise", "MultNoise", 0, 127, 31, 1, 0, 8, 0, 1, 4 },
        { "Multi VPM", "MultVPM", 0, 127, 32, 1, 0, 8, 0, 1, 4 },
        { "Multi USER", "MultUSER", 0, 127, 33, 1, 0, 8, 0, 1, 4 },
        { "Multi Shape", "MultShape", 0, 1023, 34, 2, 0, 8, 0, 1, 5 },
        { "Multi Shift", "MultShift", 0, 1023, 36, 2, 0, 8, 0, 1, 5 },
        { "VCO1 Level", "VCO1Lvl", 0, 1023, 38, 2, 0, 8, 0, 1, 5 },
        { "VCO2 Level", "VCO2Lvl", 0, 1023, 40, 2, 0, 8, 0, 1, 5 },
        { "MultiLevel", "MultLvl", 0, 1023, 42, 2, 0, 8, 0, 1, 5 },
        { "Cutoff", "Cutoff", 0, 1023, 44, 2, 0, 8, 0, 1, 5 },
        { "Resonance", "Resonance", 0, 1023, 46, 2, 0, 8, 0, 1, 5 },
        { "EG Int", "EG Int", -512, 511, 48, 2, 0, 8, 1, 1, 16 },
        { "Drive", "Drive", 0, 2, 50, 1, 0, 8, 0, 3, 32 },
        { "LowCut", "LowCut", 0, 1, 51, 1, 0, 8, 0, 1, 9 },
        { "KetTrack", "KetTrack", 0, 2, 52, 1, 0, 8, 0, 3, 32 },
        { "CutoffVelocity", "Velocity", 0, 127, 53, 1, 0, 8, 0, 1, 4 },
        { "AmpEgAttack", "A.EG Att", 0, 1023, 54, 2, 0, 8, 0, 1, 5 },
        { "AmpEgDecay", "A.EG Dct", 0, 1023, 56, 2, 0, 8, 0, 1, 5 },
        { "AmpEGSustain", "A.EG Stl", 0, 1023, 58, 2, 0, 8, 0, 1, 5 },
        { "AmpEGRelease", "A.EG Rlt", 0, 1023, 60, 2, 0, 8, 0, 1, 5 },
        { "EG Attack", "EG Att", 0, 1023, 62, 2, 0, 8, 0, 1, 5 },
        { "EG Decay", "EG Dct", 0, 1023, 64, 2, 0, 8, 0, 1, 5 },
        { "EG Sustain", "EG Stl", 0, 1023, 66, 2, 0, 8, 0, 1, 5 },
        { "EG Release", "EG Rlt", 0, 1023, 68, 2, 0, 8, 0, 1, 5 },
        { "LFO Wave", "LfoWave", 0, 2, 70, 1, 0, 8, 0, 3, 27 },
        { "LFO Mode", "LfoMode", 0, 2, 71, 1, 0, 8, 0, 3, 33 },
        { "LFO Rate", "LfoRate", 0, 1023, 72, 2, 0, 8, 0, 1, 5 },
        { "LFO Int", "LfoInt", 0, 1023, 74, 2, 0, 8, 0, 1, 5 },
        { "LFO Target", "LfoTarget", 0, 2, 76, 1, 0, 8, 0, 3, 34 },
        { "Mod Wheel Assign", "ModAss", 0, 33, 77, 1, 0, 8, 0, 3, 37 },
        { "E.Pedal Assign", "EPdlAss", 0, 33, 78, 1, 0, 8, 0, 3, 37 },
        { "Bend Range(+)", "B.Range+", 0, 12, 79, 1, 0, 8, 0, 1, 2 },
        { "Bend Range(-)", "B.Range-", 0, 12, 80, 1, 0, 8, 0, 1, 2 },
        { "VPM para1", "VPM para1", 0, 127, 81, 1, 0, 8, 0, 1, 4 },
        { "VPM para2", "VPM para2", 0, 127, 83, 1, 0, 8, 0, 1, 4 },
        { "VPM para3", "VPM para3", 0, 127, 85, 1, 0, 8, 0, 1, 4 },
        { "VPM para4", "VPM para4", 0, 127, 87, 1, 0, 8, 0, 1, 4 },
        { "VPM para5", "VPM para5", 0, 127, 89, 1, 0, 8, 0, 1, 4 },
        { "VPM para6", "VPM para6", 0, 127, 91, 1, 0, 8, 0, 1, 4 },
        { "USER para1", "USERpara1", 0, 127, 93, 1, 0, 8, 0, 1, 4 },
        { "USER para2", "USERpara2", 0, 127, 95, 1, 0, 8, 0, 1, 4 },
        { "USER para3", "USERpara3", 0, 127, 97, 1, 0, 8, 0, 1, 4 },
        { "USER para4", "USERpara4", 0, 127, 99, 1, 0, 8, 0, 1, 4 },
        { "USER para5", "USERpara5", 0, 127, 101, 1, 0, 8, 0, 1, 4 },
        { "USER para6", "USERpara6", 0, 127, 103, 1, 0, 8, 0, 1, 4 },
    } };
    return table;
}

} // namespace

bool getParameterSection (int section, ParameterSection& result)
{
    switch (section)
    {
        case 0: result = { 0, 80 }; return true;
        case 1: result = { 80, 126 }; return true;
        case 2: result = { 206, 126 }; return true;
        case 3: result = { 0, 32 }; return true;
        default: return false;
    }
}

int getParameterCount (int section)
{
    switch (section)
    {
        case 0: return commonParameterCount;
        case 1:
        case 2: return timbreParameterCount;
        default: return 0;
    }
}

bool getParameterEntry (const ParameterId& id, ParameterEntry& entry)
{
    if (id.index < 0 || id.index >= getParameterCount (id.section))
        return false;

    entry = id.section == 0 ? commonTable()[(size_t) id.index]
                            : timbreTable()[(size_t) id.index];
    return true;
}

} // namespace x48305_data
