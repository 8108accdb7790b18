#include "framework/AboutDlg.h"

#include <utility>

#include "framework/Cp932.h"

namespace kor {

CAboutDlg::CAboutDlg(UINT templateId, std::string programName, HWND parent)
    : CDialogBase(templateId, parent), m_programName(std::move(programName)) {}

BOOL CAboutDlg::OnInitDialog() {
    SetWindowTextW(GetSafeHwnd(), ToWide(m_programName + "のﾊﾞｰｼﾞｮﾝ情報").c_str());
    return TRUE;
}

}  // namespace kor
