#include "framework/DialogBase.h"

#include "framework/RunFault.h"

namespace kor {

namespace {

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t buf[32];
    return GetClassNameW(hwnd, buf, 32) > 0 && lstrcmpiW(buf, name) == 0;
}

}  // namespace

CDialogBase::CDialogBase(UINT templateId, HWND parent)
    : m_templateId(templateId), m_parent(parent) {}

CDialogBase::~CDialogBase() {
    if (m_hwnd && !m_modal) DestroyWindow();
}

INT_PTR CDialogBase::DoModal() {
    m_modal = true;
    m_endingForFault = false;
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent,
                        DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    m_hwnd = nullptr;
    RethrowRunFault();
    return result;
}

bool CDialogBase::Create(HWND parent) {
    if (m_hwnd) return false;
    if (parent) m_parent = parent;
    m_modal = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent,
                              DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialogBase::EndDialog(INT_PTR result) {
    if (m_hwnd && m_modal) ::EndDialog(m_hwnd, result);
}

void CDialogBase::DestroyWindow() {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

void CDialogBase::FocusItem(int id) const {
    if (HWND item = Item(id))
        SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
}

void CDialogBase::CheckRadio(int first, int last, int id) const {
    CheckRadioButton(m_hwnd, first, last, id);
}

int CDialogBase::CheckedRadio(int first, int last) const {
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED) return id;
    }
    return 0;
}

void CDialogBase::CheckRadio(std::span<const int> group, int id) const {
    for (int member : group)
        CheckDlgButton(m_hwnd, member, member == id ? BST_CHECKED : BST_UNCHECKED);
}

int CDialogBase::CheckedRadio(std::span<const int> group) const {
    for (int member : group) {
        if (IsDlgButtonChecked(m_hwnd, member) == BST_CHECKED) return member;
    }
    return 0;
}

void CDialogBase::SetScreenLabels(int codeLabelId, std::string_view code, int versionLabelId,
                                  std::string_view version) const {
    if (codeLabelId != 0) SetItemText(codeLabelId, code);
    if (versionLabelId != 0) SetItemText(versionLabelId, version);
}

void CDialogBase::SetFieldInError(int id) {
    const int before = m_fieldInError;
    m_fieldInError = id;
    if (before != 0 && before != id) InvalidateRect(Item(before), nullptr, TRUE);
    if (id != 0) InvalidateRect(Item(id), nullptr, TRUE);
}

void CDialogBase::SetIcon(HICON icon) const {
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HBRUSH CDialogBase::OnCtlColor(HDC dc, HWND control, UINT message) {
    return ScreenColors(dc, control, message);
}

HBRUSH CDialogBase::ScreenColors(HDC dc, HWND control, UINT message) {
    switch (message) {
        case WM_CTLCOLORDLG:
            break;
        case WM_CTLCOLORSTATIC:
            // Labels, radios, check boxes and group boxes; a read-only or disabled edit (which
            // asks here too) keeps the system's look of a field that cannot be typed into.
            if (!IsClass(control, L"Static") && !IsClass(control, L"Button")) return nullptr;
            SetBkMode(dc, TRANSPARENT);
            break;
        case WM_CTLCOLOREDIT: {
            const bool error = m_fieldInError != 0 && GetDlgCtrlID(control) == m_fieldInError &&
                               GetParent(control) == m_hwnd;
            UniqueBrush& brush = error ? m_errorBrush : m_fieldBrush;
            const COLORREF color = error ? kErrorFieldColor : kFieldColor;
            if (!brush) brush.reset(CreateSolidBrush(color));
            SetBkColor(dc, color);
            return brush.get();
        }
        default:
            return nullptr;
    }
    if (!m_screenBrush) m_screenBrush.reset(CreateSolidBrush(kScreenColor));
    SetBkColor(dc, kScreenColor);
    return m_screenBrush.get();
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CDialogBase* self = nullptr;
    try {
        if (msg == WM_INITDIALOG) {
            self = reinterpret_cast<CDialogBase*>(lp);
            self->m_hwnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, lp);
        } else {
            self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self) return FALSE;
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->m_hwnd = nullptr;
            return FALSE;
        }
        const INT_PTR result = self->Dispatch(msg, wp, lp);
        // A fault of another window (a control, a modeless dialog) ends this modal run too.
        if (HasRunFault()) self->EndForFault();
        return result;
    } catch (...) {
        KeepRunFault(std::current_exception());
        if (self) self->EndForFault();
        return FALSE;
    }
}

void CDialogBase::EndForFault() noexcept {
    // Once: ending sends messages of its own (focus, activation) that come back here.
    if (!m_hwnd || !m_modal || m_endingForFault) return;
    m_endingForFault = true;
    ::EndDialog(m_hwnd, -1);
}

INT_PTR CDialogBase::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            const auto control = reinterpret_cast<HWND>(lp);
            if (id == IDOK) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            const int code = HIWORD(wp);
            // A menu item or an accelerator sends code 0 too, but from no control.
            if (code == BN_CLICKED && control && OnButtonClicked(id)) return TRUE;
            return OnCommand(id, code, control) ? TRUE : FALSE;
        }
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommand(static_cast<UINT>(wp), lp) ? TRUE : FALSE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORMSGBOX:
            return reinterpret_cast<INT_PTR>(
                OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg));
        case WM_HELP:
            return TRUE;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            return OnNotify(static_cast<int>(header->idFrom), header) ? TRUE : FALSE;
        }
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wp));
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return OnOtherMessage(msg, wp, lp, result) ? result : FALSE;
        }
    }
}

}  // namespace kor
