#pragma once

namespace x48305_data::tags
{
// Tags of the tagged-container serial forms.
inline constexpr const char* program = "slvnProg";
inline constexpr const char* programRecord = "slvnPrgD";
inline constexpr const char* programInformation = "slvnPrgI";

inline constexpr const char* liveSet = "slvnLvsS";
inline constexpr const char* liveSetDocument = "slvnLvsD";

inline constexpr const char* library = "slvnLibD";
inline constexpr const char* libraryProgram = "slvnLibP";
inline constexpr const char* libraryLiveSet = "slvnLibF";
} // namespace x48305_data::tags
