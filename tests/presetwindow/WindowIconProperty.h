#pragma once

#include <vector>

namespace presetwindowtest
{
// The icon that the window system holds for a native window (its
// "_NET_WM_ICON" property): width, height, then one ARGB value per pixel row
// by row. Empty when the window has none.
std::vector<unsigned long> readWindowIcon (unsigned long nativeWindow);
} // namespace presetwindowtest
