#pragma once
// The about box of Korxf300, opened from the main screen's system menu: the program icon, the
// version line and an OK button that closes it.
#include "framework/DialogBase.h"

class CAboutDlg : public kor::CDialogBase {
public:
    explicit CAboutDlg(HWND parent = nullptr);

protected:
    // A plain box: OK, Enter and Esc close it.
    void OnOK() override { EndDialog(IDOK); }
    void OnCancel() override { EndDialog(IDCANCEL); }
    // The standard dialog colours, not those of the screens.
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return nullptr; }
};
