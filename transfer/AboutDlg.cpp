#include "transfer/AboutDlg.h"

#include "resources/transfer/Korxf300DlgRes.h"

CAboutDlg::CAboutDlg(HWND parent) : CDialogBase(IDD_ABOUTBOX, parent) {}
