#include "common/screens/FixedPatternScreen.h"

#include "common/base/ApMsgInfoList.h"
#include "common/patterns/FixedPatternBase.h"
#include "common/patterns/PatternLine.h"
#include "common/patterns/PatternLineStore.h"
#include "common/screens/EnterKey.h"
#include "common/screens/PatternScreenSteps.h"

namespace {

using Field = FixedFormField;

// The group's button at index, or 0 (none) for an index outside it.
template <size_t N>
int RadioAt(const std::array<int, N>& group, int index) {
    return index >= 0 && index < static_cast<int>(N) ? group[index] : 0;
}

}  // namespace

CFixedPatternScreen::CFixedPatternScreen(const FixedPatternControls& ids,
                                         const FixedPatternScreenText& text, HICON icon,
                                         CPatternLineStore* store, CApMsgInfoList* messages,
                                         HWND parent)
    : CScreenBase(ids.dialog, parent, messages, icon, text.programName),
      m_ids(ids),
      m_text(text),
      m_store(store) {}

BOOL CFixedPatternScreen::OnInitDialog() {
    ShowScreenIcon();
    SetScreenLabels(0, "", m_ids.version, m_text.version);
    m_names.Attach(Item(m_ids.name), this);
    Edit(m_ids.recordLength).LimitText(4);
    for (size_t k = 0; k < m_text.items.size(); ++k) {
        Edit(m_ids.start[k]).LimitText(4);
        Edit(m_ids.length[k]).LimitText(LengthDigitsOf(m_text.items[k]));
    }
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i)
        m_accountTypeLimits[i].Attach(Item(m_ids.accountTypes[i]), CPatternBase::kAccountTypeWidth);
    ClearForm();
    m_nameLimit.Attach(Item(m_ids.name), CPatternBase::kNameWidth);
    return TRUE;
}

void CFixedPatternScreen::ClearForm() {
    ShowFields(FixedPatternFields(m_text.items.size()));
    ResetOwnFields();
    FillPatternCombo();
    UpdateButtonStates();
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CFixedPatternScreen::FillPatternCombo() {
    FillPatternNameList(m_names, m_store, true);
}

void CFixedPatternScreen::ShowFields(const FixedPatternFields& form) {
    SetItemText(m_ids.recordLength, form.recordLength);
    for (size_t k = 0; k < m_text.items.size(); ++k) {
        SetItemText(m_ids.start[k], form.start[k]);
        SetItemText(m_ids.length[k], form.length[k]);
    }
    CheckRadio(m_ids.zero, m_ids.zero[form.zeroCheck == 2 ? 1 : 0]);
    CheckRadio(m_ids.blank, m_ids.blank[form.blankCheck == 2 ? 1 : 0]);
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i)
        SetItemText(m_ids.accountTypes[i], form.accountTypes[i]);
    CheckRadio(m_ids.output, RadioAt(m_ids.output, form.outputLength - 1));
    CheckRadio(m_ids.lineBreak, m_ids.lineBreak[form.lineBreak == 1 ? 0 : 1]);
}

void CFixedPatternScreen::ReadFields(FixedPatternFields& form) const {
    form.name = m_names.Text();
    form.recordLength = GetItemText(m_ids.recordLength);
    for (size_t k = 0; k < m_text.items.size(); ++k) {
        form.start[k] = GetItemText(m_ids.start[k]);
        form.length[k] = GetItemText(m_ids.length[k]);
    }
    form.zeroCheck = Button(m_ids.zero[1]).IsChecked() ? 2 : 1;
    form.blankCheck = Button(m_ids.blank[1]).IsChecked() ? 2 : 1;
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i)
        form.accountTypes[i] = GetItemText(m_ids.accountTypes[i]);
    const int output = CheckedRadio(m_ids.output);
    form.outputLength = output == m_ids.output[1] ? 2 : output == m_ids.output[2] ? 3 : 1;
    form.lineBreak = Button(m_ids.lineBreak[1]).IsChecked() ? 0 : 1;
}

void CFixedPatternScreen::UpdateButtonStates() {
    const std::string name = m_names.Text();
    const bool stored = m_store && !name.empty() && m_store->Find(name, 1) == 1;
    EnableItem(m_ids.update, !name.empty());
    EnableItem(m_ids.deletePattern, stored);
}

bool CFixedPatternScreen::IsModified(const std::string& name) {
    int reference = -1;
    const int index = m_names.Find(name);
    if (m_store && index >= 0) {
        const LPARAM position = Combo(m_ids.name).GetItemData(index);
        if (position >= 0) reference = static_cast<int>(position);
    }
    return IsFormModifiedFrom(reference, name);
}

void CFixedPatternScreen::LoadSelectedPattern() {
    const LPARAM position = m_names.SelectedData();
    // Nothing chosen, or a provisional item: no stored pattern to show.
    if (!m_store || position < 0) return;
    if (!ShowStored(static_cast<int>(position))) {
        ShowPlainMessage("固定長データ取得失敗");
        return;
    }
    SetFieldInError(0);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

bool CFixedPatternScreen::OnButtonClicked(int id) {
    if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.clear) {
        OnBtnClear();
    } else if (id == m_ids.back) {
        OnBtnBack();
    } else if (id == m_ids.deletePattern) {
        OnBtnDeletePattern();
    } else {
        return false;
    }
    return true;
}

bool CFixedPatternScreen::OnCommand(int id, int code, HWND) {
    return id == m_ids.name && m_names.OnCommand(code);
}

void CFixedPatternScreen::OnOK() {
    PressOrMoveOnEnter(GetSafeHwnd(), {m_ids.back, m_ids.clear, m_ids.update, m_ids.deletePattern});
}

int CFixedPatternScreen::ControlOf(int field) const {
    if (field == Field::kName) return m_ids.name;
    if (field == Field::kRecordLength) return m_ids.recordLength;
    for (size_t k = 0; k < m_text.items.size(); ++k) {
        if (field == Field::StartField(static_cast<int>(k))) return m_ids.start[k];
        if (field == Field::LengthField(static_cast<int>(k))) return m_ids.length[k];
    }
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i) {
        if (field == Field::AccountTypeField(static_cast<int>(i))) return m_ids.accountTypes[i];
    }
    return 0;
}

void CFixedPatternScreen::ShowFault(const FormFault& fault) {
    ShowMessage(*fault.message, fault.Word1(), fault.Word2());
    const bool marked = (fault.field & Field::kUnmarked) == 0;
    const int control = ControlOf(fault.field & ~Field::kUnmarked);
    SetFieldInError(marked ? control : 0);
    // A row the tool's template hides cannot take the focus.
    if (IsWindowVisible(Item(control))) FocusItem(control);
}

void CFixedPatternScreen::OnBtnUpdate() {
    SetFieldInError(0);
    if (const FormFault fault = CheckForm()) {
        ShowFault(fault);
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    if (!m_store) return;
    const std::unique_ptr<CFixedPatternBase> pattern = FormPattern();
    int item = 0;
    const int positions = CheckFixedPositions(*pattern, &item);
    if (positions != 0 && item >= 1 && static_cast<size_t>(item) <= m_text.items.size()) {
        const FixedPatternMessages& m = m_text.messages;
        ShowFault(Fault(positions == pattern->Layout().overrunResult ? m.overrun : m.overlap,
                        Field::StartField(item - 1)));
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    const std::string name = pattern->name;
    if (m_store->Find(name, -1) == 1) {
        ShowFault(Fault(m_text.messages.separatedName, Field::kName,
                        "「ＣＳＶ・ＴＡＢ・スペースパターン」"));
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        return;
    }
    const bool saved =
        SavePatternAfterAsking({this, m_store, m_text.messages.steps}, name, 1, [&](int index) {
            const auto line = FormatPatternLine(*pattern);
            return line ? m_store->Replace(index, *line) : 0;
        });
    if (saved) {
        m_names.SetCurrentName(name);
        FillPatternCombo();
        m_names.Select(name);
        LoadSelectedPattern();
    }
    UpdateButtonStates();
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CFixedPatternScreen::OnBtnDeletePattern() {
    if (!DeletePatternAfterAsking({this, m_store, m_text.messages.steps}, m_names)) return;
    m_names.SetCurrentName({});
    ClearForm();
}

void CFixedPatternScreen::OnBtnClear() {
    ClearForm();
    m_names.SetCurrentName({});
}

void CFixedPatternScreen::OnBtnBack() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(m_text.messages.discard) != IDOK) return;
    }
    EndDialog(IDOK);
}
