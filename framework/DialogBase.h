#pragma once
// Base of every dialog of the programs, on a hand-written template in the program's resources.
// One dialog procedure finds the object (stored in the window at WM_INITDIALOG) and decodes each
// message once into a virtual handler; a screen overrides the handlers it needs and switches on
// the control id in OnButtonClicked (a click of a button) and OnCommand (any other command).
//
// The conventions every screen shares live here: the light-green background with transparent
// static texts, the field in error painted yellow and the other edits white, Enter and Esc that
// never close a screen (OnOK and OnCancel are empty; a screen closes only by calling EndDialog),
// the close box that falls back to OnCancel, and F1 that does nothing.
//
// An exception out of a handler does not leave the dialog procedure: it is kept as the run's
// fault (RunFault.h), a modal dialog ends at once and DoModal throws the exception on.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "framework/Controls.h"
#include "framework/UniqueHandle.h"

namespace kor {

inline constexpr COLORREF kScreenColor = RGB(205, 255, 205);
inline constexpr COLORREF kErrorFieldColor = RGB(255, 255, 0);
inline constexpr COLORREF kFieldColor = RGB(255, 255, 255);

class CDialogBase {
public:
    explicit CDialogBase(UINT templateId, HWND parent = nullptr);
    // A modeless window still open is destroyed.
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    // Runs the dialog modally; the value given to EndDialog, or -1 when it could not be created.
    // Throws the exception that a handler of this or another window threw meanwhile.
    INT_PTR DoModal();
    // Creates the dialog modeless, owned by parent (or the constructor's); false on failure.
    bool Create(HWND parent = nullptr);
    // Ends a modal run with result; the only way a screen closes.
    void EndDialog(INT_PTR result);
    // Destroys a modeless window.
    void DestroyWindow();

    HWND GetSafeHwnd() const { return m_hwnd; }
    HWND Parent() const { return m_parent; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }

    CWindowView Window(int id) const { return CWindowView(Item(id)); }
    CEditView Edit(int id) const { return CEditView(Item(id)); }
    CComboView Combo(int id) const { return CComboView(Item(id)); }
    CButtonView Button(int id) const { return CButtonView(Item(id)); }
    CListBoxView ListBox(int id) const { return CListBoxView(Item(id)); }
    CProgressView Progress(int id) const { return CProgressView(Item(id)); }

    // Text of a control, CP932.
    std::string GetItemText(int id) const { return Window(id).GetText(); }
    void SetItemText(int id, std::string_view text) const { Window(id).SetText(text); }
    void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable); }
    // Gives the focus to a control as the dialog manager does (default button, edit selection).
    void FocusItem(int id) const;
    // Checks radio id within the group first..last.
    void CheckRadio(int first, int last, int id) const;
    // The checked radio of first..last, or 0.
    int CheckedRadio(int first, int last) const;
    // The same for a group given by its ids in any order: id checked, the others not (an id
    // outside the group checks none).
    void CheckRadio(std::span<const int> group, int id) const;
    int CheckedRadio(std::span<const int> group) const;

    // The screen code and the version text shown beside it; a label id of 0 is left alone.
    void SetScreenLabels(int codeLabelId, std::string_view code, int versionLabelId,
                         std::string_view version) const;
    // The edit painted yellow (0: none); the edit before it and the new one are repainted.
    void SetFieldInError(int id);
    int FieldInError() const { return m_fieldInError; }
    // Big and small icon of the window.
    void SetIcon(HICON icon) const;

protected:
    // Called once the controls exist; TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A click (BN_CLICKED) of the button id, IDOK and IDCANCEL aside; true when handled.
    virtual bool OnButtonClicked(int /*id*/) { return false; }
    // Every other WM_COMMAND, and a click that OnButtonClicked left; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // Enter (and a button with id IDOK) and Esc (and IDCANCEL): nothing, so neither closes.
    virtual void OnOK() {}
    virtual void OnCancel() {}
    // The close box; falls back to OnCancel.
    virtual void OnClose() { OnCancel(); }
    // true when handled; otherwise the default handling runs.
    virtual bool OnSysCommand(UINT /*command*/, LPARAM /*lp*/) { return false; }
    // The brush for a control's background (WM_CTLCOLOR*), or nullptr for the system's.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
    virtual bool OnNotify(int /*id*/, NMHDR* /*header*/) { return false; }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    virtual void OnDestroy() {}
    // Any message not decoded above; true when handled, result then goes back to the system.
    virtual bool OnOtherMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& /*result*/) {
        return false;
    }

    // The shared colours, for a screen that changes OnCtlColor but keeps part of it.
    HBRUSH ScreenColors(HDC dc, HWND control, UINT message);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    // Ends a modal run after a fault; a modeless window stays as it is.
    void EndForFault() noexcept;

    UINT m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
    bool m_endingForFault = false;
    int m_fieldInError = 0;
    UniqueBrush m_screenBrush;
    UniqueBrush m_errorBrush;
    UniqueBrush m_fieldBrush;
};

}  // namespace kor
