#pragma once
// The horizontal scroll extent of a list box: the width of its widest line in the list's own
// font, plus 5 pixels, so that every line can be scrolled into view.
#include <windows.h>

namespace kor {

void FitListHorizontalExtent(HWND list);

}  // namespace kor
