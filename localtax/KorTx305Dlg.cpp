#include "localtax/KorTx305Dlg.h"

#include <utility>

#include "common/base/ApMsgInfoList.h"
#include "framework/Ime.h"
#include "localtax/MessageIds.h"
#include "localtax/RequesterForm.h"
#include "localtax/RequesterStore.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "resources/localtax/KorTx305DlgRes.h"

namespace tx {

namespace {

// The four lines in the order of the record, with their widths.
struct Line {
    int id;
    int width;
};
constexpr Line kLines[] = {{IDC_TX305_NAME1, CRequesterInfo::kNameLineWidth},
                           {IDC_TX305_NAME2, CRequesterInfo::kNameLineWidth},
                           {IDC_TX305_ADDRESS1, CRequesterInfo::kAddressLineWidth},
                           {IDC_TX305_ADDRESS2, CRequesterInfo::kAddressLineWidth}};

int ControlOf(RequesterField field) {
    switch (field) {
        case RequesterField::kName1:
            return IDC_TX305_NAME1;
        case RequesterField::kName2:
            return IDC_TX305_NAME2;
        case RequesterField::kAddress1:
            return IDC_TX305_ADDRESS1;
        case RequesterField::kAddress2:
            return IDC_TX305_ADDRESS2;
        default:
            return 0;
    }
}

bool IsLine(int id) {
    for (const Line& line : kLines) {
        if (line.id == id) return true;
    }
    return false;
}

}  // namespace

CKorTx305Dlg::CKorTx305Dlg(COLORREF, HICON icon, ::CApMsgInfoList* messages,
                           std::string programFolder, std::string text, HWND parent)
    : CScreenBase(IDD_KORTX305, parent, messages, icon, kProgramName),
      m_programFolder(std::move(programFolder)),
      m_text(std::move(text)) {}

BOOL CKorTx305Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_TX305_VERSION, CSysEnv::GetVersionText());
    ShowScreenIcon();
    InitControls();
    return TRUE;
}

void CKorTx305Dlg::InitControls() {
    SetFieldInError(0);
    for (size_t i = 0; i < std::size(kLines); ++i)
        m_limits[i].Attach(Item(kLines[i].id), kLines[i].width);
    if (const auto stored = CRequesterStore(m_programFolder).ReadEntry()) ShowForm(*stored);
}

void CKorTx305Dlg::ShowForm(const CRequesterInfo& record) const {
    SetItemText(IDC_TX305_NAME1, record.name1);
    SetItemText(IDC_TX305_NAME2, record.name2);
    SetItemText(IDC_TX305_ADDRESS1, record.address1);
    SetItemText(IDC_TX305_ADDRESS2, record.address2);
}

CRequesterInfo CKorTx305Dlg::ReadForm() const {
    CRequesterInfo form;
    form.name1 = GetItemText(IDC_TX305_NAME1);
    form.name2 = GetItemText(IDC_TX305_NAME2);
    form.address1 = GetItemText(IDC_TX305_ADDRESS1);
    form.address2 = GetItemText(IDC_TX305_ADDRESS2);
    return CutToWidths(form);
}

bool CKorTx305Dlg::OnButtonClicked(int id) {
    switch (id) {
        case IDC_TX305_UPDATE:
            OnBtnUpdate();
            break;
        case IDC_TX305_BACK:
            OnBtnBack();
            break;
        default:
            return false;
    }
    return true;
}

bool CKorTx305Dlg::OnCommand(int id, int code, HWND control) {
    if (!IsLine(id)) return false;
    // Every line is half-width katakana: the input method is switched to it on entry.
    if (code == EN_SETFOCUS) kor::OpenKanaIme(control);
    if (code == EN_KILLFOCUS) kor::CloseIme(control);
    return true;
}

void CKorTx305Dlg::OnBtnUpdate() {
    SetFieldInError(0);
    const CRequesterInfo form = ReadForm();
    if (const FormFault fault = CheckRequesterForm(form)) {
        ShowMessage(*fault.message, fault.Word1(), fault.Word2());
        const int control = ControlOf(static_cast<RequesterField>(fault.field));
        SetFieldInError(control);
        FocusItem(control);
    } else if (ShowMessage(Msg::kGoOnQuestion) != IDCANCEL) {
        if (CRequesterStore(m_programFolder).WriteEntry(form) == 0) {
            // The old master stays as it was; nothing was stored.
            ShowMessage(Msg::kInternalFault, "KorTx305Dlg", "438");
        } else {
            ShowMessage(Msg::kStored, "依頼人情報", "ファイル読込");
            ShowForm(form);
        }
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorTx305Dlg::OnBtnBack() {
    const auto stored = CRequesterStore(m_programFolder).ReadEntry();
    if (!MayLeave(IsRequesterModified(ReadForm(), stored.get()), Msg::kDiscardCorrections, "更新"))
        return;
    EndDialog(1);
}

}  // namespace tx
