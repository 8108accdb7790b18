#pragma once
// What every tool's main screen does alike, whatever else it offers: the program icon it wears,
// the about box that system-menu commands 16..31 open, the end result of a screen that could not
// start and the file dialog for the customer file.
#include <windows.h>

#include <string>

#include "framework/DialogBase.h"

namespace kor {

// The system-menu command of the about item; 16..31 open the about box.
inline constexpr UINT kAboutCommand = 0x0010;

// End result of a main screen that could not start.
inline constexpr INT_PTR kEndedAtStart = 2;

// The program icon of the resources; shared, never destroyed.
HICON ProgramIcon(UINT id);

// For OnSysCommand: opens the about box of template aboutBox, captioned with programName, for
// the about command; false for any other command.
bool OnAboutCommand(UINT command, UINT aboutBox, const std::string& programName, HWND owner);

// The open-file dialog for a customer file; the chosen path goes into edit.
void BrowseInputFile(const CDialogBase& screen, int edit);

}  // namespace kor
