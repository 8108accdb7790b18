#pragma once
// Enter on the pattern settings screens: on one of the given buttons it presses that button;
// on any other control it moves the focus to the next one.
#include <windows.h>

#include <initializer_list>

void PressOrMoveOnEnter(HWND dialog, std::initializer_list<int> buttons);
