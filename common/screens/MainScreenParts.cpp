#include "common/screens/MainScreenParts.h"

#include <optional>

#include "framework/AboutDlg.h"
#include "framework/FileDialogSeam.h"
#include "framework/TextFileDialog.h"

namespace kor {

HICON ProgramIcon(UINT id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

bool OnAboutCommand(UINT command, UINT aboutBox, const std::string& programName, HWND owner) {
    if ((command & 0xFFF0) != kAboutCommand) return false;
    CAboutDlg about(aboutBox, programName, owner);
    about.DoModal();
    return true;
}

void BrowseInputFile(const CDialogBase& screen, int edit) {
    if (const std::optional<std::string> path =
            ShowFileDialog(TextFileDialog(screen.GetSafeHwnd())))
        screen.SetItemText(edit, *path);
}

}  // namespace kor
