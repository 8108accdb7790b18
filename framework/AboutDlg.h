#pragma once
// The about box of a program, opened from its main screen's system menu: the program icon, the
// version lines of its template and an OK button that closes it. The caption names the program.
#include <string>

#include "framework/DialogBase.h"

namespace kor {

class CAboutDlg : public CDialogBase {
public:
    CAboutDlg(UINT templateId, std::string programName, HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // A plain box: OK, Enter and Esc close it.
    void OnOK() override { EndDialog(IDOK); }
    void OnCancel() override { EndDialog(IDCANCEL); }
    // The standard dialog colours, not those of the screens.
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return nullptr; }

private:
    std::string m_programName;
};

}  // namespace kor
