#include "common/screens/DelimPatternScreen.h"

#include <algorithm>

#include "common/base/ApMsgInfoList.h"
#include "common/base/FileAccess.h"
#include "common/base/StrUtil.h"
#include "common/base/SysEnv.h"
#include "common/patterns/PatternLineStore.h"
#include "common/screens/PatternScreenSteps.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "framework/ListExtent.h"
#include "framework/TextFileDialog.h"

namespace {

using Form = DelimPatternFormBase;

constexpr char kSampleLabel[] = "変換前ファイル名";
constexpr char kNotSelected[] = "リストが未選択";

constexpr int kTitleChoices = 11;  // "無し", "1行" to "10行"
constexpr int kDataChoices = 11;   // "1行" to "11行"

// The button of group that stands for value, when codes[i] is the code of group[i]; 0 for none.
template <size_t N>
int RadioOf(int value, const std::array<int, N>& group, const std::array<int, N>& codes) {
    for (size_t i = 0; i < N; ++i) {
        if (codes[i] == value) return group[i];
    }
    return 0;
}

// The code of the checked button of group, or 0 when none is checked.
template <size_t N>
int CodeOf(int checked, const std::array<int, N>& group, const std::array<int, N>& codes) {
    for (size_t i = 0; i < N; ++i) {
        if (checked != 0 && group[i] == checked) return codes[i];
    }
    return 0;
}

constexpr std::array<int, 3> kSeparatorCodes = {1, 2, 4};
constexpr std::array<int, 2> kCheckCodes = {1, 2};
constexpr std::array<int, 3> kOutputCodes = {1, 2, 3};
constexpr std::array<int, 2> kLineBreakCodes = {1, 0};

// Position of the last "\" in path on character boundaries, or npos.
size_t LastBackslash(std::string_view path) {
    size_t last = std::string_view::npos;
    for (size_t pos = CStrUtil::Find(path, "\\"); pos != std::string_view::npos;
         pos = CStrUtil::Find(path, "\\", pos + 1))
        last = pos;
    return last;
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(kor::ToWide(path).c_str());
}

}  // namespace

CDelimPatternScreen::CDelimPatternScreen(const DelimPatternControls& ids,
                                         const DelimPatternScreenText& text, HICON icon,
                                         HWND parent)
    : CScreenBase(ids.dialog, parent, nullptr, icon, text.programName), m_ids(ids), m_text(text) {}

void CDelimPatternScreen::SetScreenContext(CPatternLineStore* store, CApMsgInfoList* messages) {
    m_store = store;
    SetMessages(messages);
}

BOOL CDelimPatternScreen::OnInitDialog() {
    ShowScreenIcon();
    SetScreenLabels(0, "", m_ids.version, m_text.version);
    m_names.Attach(Item(m_ids.name), this);
    const kor::CComboView titles = Combo(m_ids.titleRows);
    titles.AddString(m_text.noTitleRows);
    for (int i = 1; i < kTitleChoices; ++i) titles.AddString(std::to_string(i) + "行");
    const kor::CComboView data = Combo(m_ids.dataRow);
    for (int i = 1; i <= kDataChoices; ++i) data.AddString(std::to_string(i) + "行");
    for (size_t i = 0; i < m_accountTypeLimits.size(); ++i) {
        if (m_ids.accountTypes[i] != 0)
            m_accountTypeLimits[i].Attach(Item(m_ids.accountTypes[i]),
                                          CPatternBase::kAccountTypeWidth);
    }
    ClearAll();
    m_nameLimit.Attach(Item(m_ids.name), CPatternBase::kNameWidth);
    FillPatternCombo();
    LoadSelectedPattern();
    titles.SetCurSel(1);
    data.SetCurSel(1);
    return TRUE;
}

void CDelimPatternScreen::ResetItems() {
    m_items.assign(m_text.items.size(), CFieldItem{});
    for (size_t k = 0; k < m_items.size(); ++k) {
        m_items[k].itemName = PatternItemListText(m_text.items[k], m_text.layout);
        m_items[k].column = -1;
        m_items[k].generalOnly = m_text.items[k].generalOnly ? 1 : 0;
    }
}

void CDelimPatternScreen::ClearAll() {
    ListBox(m_ids.sourceList).ResetContent();
    m_sourceTexts.clear();
    ResetItems();
    ShowKind(nullptr);
    const Form cleared(m_text.items.size());
    ShowRadios(cleared);
    SetItemText(m_ids.samplePath, "");
    SetAccountTypes(cleared);
    UpdateButtonStates();
}

void CDelimPatternScreen::FillPatternCombo() {
    FillPatternNameList(m_names, m_store, false);
}

void CDelimPatternScreen::ShowRadios(const DelimPatternFormBase& form) {
    // A code outside its choices chooses nothing.
    CheckRadio(m_ids.separator, RadioOf(form.separator, m_ids.separator, kSeparatorCodes));
    CheckRadio(m_ids.zero, RadioOf(form.zeroCheck, m_ids.zero, kCheckCodes));
    CheckRadio(m_ids.blank, RadioOf(form.blankCheck, m_ids.blank, kCheckCodes));
    CheckRadio(m_ids.output, RadioOf(form.outputLength, m_ids.output, kOutputCodes));
    CheckRadio(m_ids.lineBreak, RadioOf(form.lineBreak, m_ids.lineBreak, kLineBreakCodes));
}

void CDelimPatternScreen::SetAccountTypes(const DelimPatternFormBase& form) {
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i) {
        if (m_ids.accountTypes[i] != 0) SetItemText(m_ids.accountTypes[i], form.accountTypes[i]);
    }
}

void CDelimPatternScreen::ReadCommonForm(DelimPatternFormBase& form) const {
    form.separator = CodeOf(CheckedRadio(m_ids.separator), m_ids.separator, kSeparatorCodes);
    form.name = m_names.Text();
    form.titlePosition = Combo(m_ids.titleRows).GetCurSel();
    form.dataPosition = Combo(m_ids.dataRow).GetCurSel();
    form.zeroCheck = CodeOf(CheckedRadio(m_ids.zero), m_ids.zero, kCheckCodes);
    form.blankCheck = CodeOf(CheckedRadio(m_ids.blank), m_ids.blank, kCheckCodes);
    form.outputLength = CodeOf(CheckedRadio(m_ids.output), m_ids.output, kOutputCodes);
    form.lineBreak = CheckedRadio(m_ids.lineBreak) == 0
                         ? -1
                         : CodeOf(CheckedRadio(m_ids.lineBreak), m_ids.lineBreak, kLineBreakCodes);
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i) {
        if (m_ids.accountTypes[i] != 0) form.accountTypes[i] = GetItemText(m_ids.accountTypes[i]);
    }
    for (size_t k = 0; k < form.items.size() && k < m_items.size(); ++k) {
        form.items[k].column = m_items[k].column;
        form.items[k].text = m_items[k].column >= 0 ? m_items[k].text : std::string();
    }
    form.itemSets = ::ItemSetsInUse(form, m_text.itemSets);
}

unsigned CDelimPatternScreen::ItemSetsInUse() const {
    if (m_text.itemSets.empty()) return 0;
    Form form(m_items.size());
    for (size_t k = 0; k < m_items.size(); ++k) form.items[k].column = m_items[k].column;
    return ::ItemSetsInUse(form, m_text.itemSets);
}

void CDelimPatternScreen::EnableHandlingChoices() {
    if (m_text.itemSets.empty()) return;
    const bool open = ItemSetsInUse() != 0;
    for (int id : m_ids.zero) EnableItem(id, open);
    for (int id : m_ids.blank) EnableItem(id, open);
    for (int id : m_ids.handlingGroups) {
        if (id != 0) EnableItem(id, open);
    }
}

void CDelimPatternScreen::LoadSelectedPattern() {
    ResetItems();
    LoadPatternToControls();
    RebuildItemList();
    UpdateButtonStates();
}

void CDelimPatternScreen::LoadPatternToControls() {
    const LPARAM position = m_names.SelectedData();
    if (Combo(m_ids.name).GetCurSel() < 0) {
        const Form cleared(m_text.items.size());
        ShowRadios(cleared);
        SetAccountTypes(cleared);
        return;
    }
    const CDelimPatternBase* pattern =
        position >= 0 ? StoredPattern(static_cast<int>(position)) : nullptr;
    if (!pattern) return;
    Form form(m_text.items.size());
    LoadDelimForm(*pattern, form);
    for (size_t k = 0; k < m_items.size(); ++k) {
        m_items[k].column = form.items[k].column;
        m_items[k].text = form.items[k].text;
    }
    ShowKind(pattern);
    ShowRadios(form);
    SetAccountTypes(form);
    Combo(m_ids.titleRows).SetCurSel(form.titlePosition);
    Combo(m_ids.dataRow).SetCurSel(form.dataPosition);
}

std::string CDelimPatternScreen::ItemEntry(int k) const {
    const CFieldItem& item = m_items[static_cast<size_t>(k)];
    const ItemSpec& spec = m_text.items[static_cast<size_t>(k)];
    if (m_text.itemSets.empty())
        return FormatDelimItemEntry(spec, m_text.layout, {item.column, item.text});
    return FormatDelimItemEntry(spec, m_text.layout, {item.column, item.text},
                                IsItemRequired(k, m_text.items, m_text.itemSets, ItemSetsInUse()));
}

void CDelimPatternScreen::RebuildItemList() {
    const kor::CListBoxView list = ListBox(m_ids.itemList);
    list.ResetContent();
    // The items that only general transfers carry come last.
    const bool general = ListsGeneralOnlyItems();
    for (size_t k = 0; k < m_items.size() && (general || !m_text.items[k].generalOnly); ++k)
        list.AddString(ItemEntry(static_cast<int>(k)));
    kor::FitListHorizontalExtent(list.Hwnd());
    if (m_text.selectsFirstItem) list.SetCurSel(0);
    EnableHandlingChoices();
}

void CDelimPatternScreen::ShowItemLine(int k) {
    const kor::CListBoxView list = ListBox(m_ids.itemList);
    list.DeleteString(k);
    list.InsertString(k, ItemEntry(k));
}

void CDelimPatternScreen::ShowChangedItemLines() {
    if (m_text.itemSets.empty()) return;
    const kor::CListBoxView list = ListBox(m_ids.itemList);
    for (int k = 0; k < list.GetCount() && static_cast<size_t>(k) < m_items.size(); ++k) {
        const std::string entry = ItemEntry(k);
        if (list.GetItemText(k) != entry) ShowItemLine(k);
    }
}

void CDelimPatternScreen::UpdateButtonStates() {
    for (int id :
         {m_ids.define, m_ids.undefine, m_ids.update, m_ids.cancelAll, m_ids.deletePattern})
        EnableItem(id, false);
    if (ListBox(m_ids.sourceList).GetCount() > 0) {
        EnableItem(m_ids.define, true);
        EnableItem(m_ids.undefine, true);
        EnableItem(m_ids.cancelAll, true);
    }
    const std::string name = m_names.Text();
    if (m_store && !name.empty() && m_store->Find(name, -1) == 1) {
        EnableItem(m_ids.update, true);
        EnableItem(m_ids.deletePattern, true);
    } else {
        EnableItem(m_ids.update, !name.empty());
    }
    EnableHandlingChoices();
}

bool CDelimPatternScreen::IsModified(const std::string& name) {
    Form form(m_text.items.size());
    ReadCommonForm(form);
    form.name = name;
    const int index = m_names.Find(name);
    if (index < 0) return IsDelimFormModified(form, ChosenKind(), nullptr);
    const LPARAM position = Combo(m_ids.name).GetItemData(index);
    const CDelimPatternBase* reference =
        position >= 0 ? StoredPattern(static_cast<int>(position)) : nullptr;
    // A pattern that cannot be had counts as unchanged.
    return reference && IsDelimFormModified(form, ChosenKind(), reference);
}

void CDelimPatternScreen::LoadChosenItem() {
    // A provisional item stands for no stored pattern: the form stays as it is.
    if (Combo(m_ids.name).GetCurSel() >= 0 && m_names.SelectedData() < 0) return;
    LoadSelectedPattern();
}

bool CDelimPatternScreen::OnCommand(int id, int code, HWND) {
    if (id != m_ids.name) return false;
    if (code == CBN_SELCHANGE) SetFieldInError(0);
    return m_names.OnCommand(code);
}

bool CDelimPatternScreen::OnButtonClicked(int id) {
    if (id == m_ids.browse) {
        OnBtnBrowseSample();
    } else if (id == m_ids.read) {
        OnBtnReadSample();
    } else if (id == m_ids.define) {
        OnBtnDefine();
    } else if (id == m_ids.undefine) {
        OnBtnUndefine();
    } else if (id == m_ids.cancelAll) {
        OnBtnCancelAll();
    } else if (id == m_ids.update) {
        OnBtnUpdate();
    } else if (id == m_ids.deletePattern) {
        OnBtnDeletePattern();
    } else if (id == m_ids.back) {
        ConfirmAndClose();
    } else {
        return false;
    }
    return true;
}

void CDelimPatternScreen::OnBtnBrowseSample() {
    if (const auto path = kor::ShowFileDialog(kor::TextFileDialog(GetSafeHwnd())))
        SetItemText(m_ids.samplePath, *path);
}

bool CDelimPatternScreen::CheckSamplePath(const std::string& path) {
    // A tool that checks the path its own way overrides this and states no messages for it.
    if (!m_text.messages.samplePath) return true;
    const SamplePathMessages& m = *m_text.messages.samplePath;
    if (path.empty()) {
        ShowMessage(m.noPath, kSampleLabel);
        return false;
    }
    if (!CFileAccess::IsValidPathName(path)) {
        ShowMessage(m.badName);
        return false;
    }
    const size_t slash = LastBackslash(path);
    if (slash == std::string::npos || slash + 1 == path.size()) {
        ShowMessage(m.noName, kSampleLabel);
        return false;
    }
    for (;;) {
        const int drive = CFileAccess::CheckOutputDrive(path, FALSE);
        if (drive == -3) {
            ShowMessage(m.driveNotReady);
            return false;
        }
        if (drive == -2 || drive == -1) {
            ShowMessage(m.driveUnusable);
            return false;
        }
        if (drive >= 0 && drive <= 2) break;
        if (ShowMessage(m.mediumUnusable) != IDOK) return false;
    }
    const DWORD folder = Attributes(path.substr(0, slash + 1));
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowMessage(m.noFolder);
        return false;
    }
    const DWORD file = Attributes(path);
    if (file == INVALID_FILE_ATTRIBUTES) {
        ShowMessage(m.noFile);
        return false;
    }
    if (file & FILE_ATTRIBUTE_DIRECTORY) {
        ShowMessage(m.noName, kSampleLabel);
        return false;
    }
    if (!CSysEnv::Instance().CanRead(path)) {
        ShowMessage(m.cannotRead, "読込");
        return false;
    }
    return true;
}

void CDelimPatternScreen::OnBtnReadSample() {
    const kor::CListBoxView sources = ListBox(m_ids.sourceList);
    sources.ResetContent();
    m_sourceTexts.clear();
    UpdateButtonStates();
    std::string path = GetItemText(m_ids.samplePath);
    std::replace(path.begin(), path.end(), '/', '\\');  // '/' is never a second byte
    if (!CheckSamplePath(path)) return;

    Form form(m_text.items.size());
    ReadCommonForm(form);
    int status = 0;
    const std::string line = ReadSampleLine(path, &status, SampleLineNumber(form));
    const SampleReadCodes& codes = m_text.sampleCodes;
    if (status != 0) {
        if (status == codes.noLineBreak) {
            ShowMessage(m_text.messages.noLineBreak, m_text.messages.noLineBreakWord);
        } else if (status == codes.cannotOpen) {
            ShowPlainMessage("オープンエラー");
        } else if (status == codes.readError) {
            ShowPlainMessage("リードエラー");
        }
        return;
    }
    // Without a chosen separator the fields are taken at TABs.
    const int separator = form.separator == 1 || form.separator == 4 ? form.separator : 2;
    for (const std::string& source : SampleSourceLines(line, separator)) {
        sources.AddString(source);
        m_sourceTexts.push_back(source);
    }
    kor::FitListHorizontalExtent(sources.Hwnd());
    UpdateButtonStates();
    sources.SetCurSel(0);
}

void CDelimPatternScreen::OnBtnDefine() {
    const kor::CListBoxView sources = ListBox(m_ids.sourceList);
    const kor::CListBoxView items = ListBox(m_ids.itemList);
    const int source = sources.GetCurSel();
    const int item = items.GetCurSel();
    if (source < 0 || item < 0 || static_cast<size_t>(source) >= m_sourceTexts.size() ||
        static_cast<size_t>(item) >= m_items.size()) {
        ShowPlainMessage(kNotSelected);
        return;
    }
    if (m_items[item].column >= 0 && ShowMessage(m_text.messages.redefine) == IDCANCEL) return;
    m_items[item].column = source;
    m_items[item].text = m_sourceTexts[source];
    ShowItemLine(item);
    ShowChangedItemLines();
    EnableHandlingChoices();
    sources.SetCurSel(source + 1 < sources.GetCount() ? source + 1 : 0);
    items.SetCurSel(item + 1 < items.GetCount() ? item + 1 : 0);
    kor::FitListHorizontalExtent(items.Hwnd());
}

void CDelimPatternScreen::OnBtnUndefine() {
    const kor::CListBoxView items = ListBox(m_ids.itemList);
    const int item = items.GetCurSel();
    if (item < 0 || static_cast<size_t>(item) >= m_items.size()) {
        ShowPlainMessage(kNotSelected);
        return;
    }
    m_items[item].column = -1;
    m_items[item].text.clear();
    ShowItemLine(item);
    ShowChangedItemLines();
    EnableHandlingChoices();
    kor::FitListHorizontalExtent(items.Hwnd());
    items.SetCurSel(item + 1 < items.GetCount() ? item + 1 : 0);
}

void CDelimPatternScreen::OnBtnCancelAll() {
    for (CFieldItem& item : m_items) {
        item.column = -1;
        item.text.clear();
    }
    RebuildItemList();
}

void CDelimPatternScreen::ShowFault(const FormFault& fault) {
    ShowMessage(*fault.message, fault.Word1(), fault.Word2());
    int control = 0;
    if (fault.field == Form::kName) control = m_ids.name;
    if (fault.field == Form::kDataRow) control = m_ids.dataRow;
    for (size_t i = 0; i < m_ids.accountTypes.size(); ++i) {
        if (fault.field == Form::AccountTypeField(static_cast<int>(i)))
            control = m_ids.accountTypes[i];
    }
    for (size_t k = 0; k < m_items.size(); ++k) {
        if (fault.field == Form::ItemField(static_cast<int>(k))) {
            ListBox(m_ids.itemList).SetCurSel(static_cast<int>(k));
            control = m_ids.itemList;
        }
    }
    SetFieldInError(control);
    // A hidden row cannot take the focus.
    if (IsWindowVisible(Item(control))) FocusItem(control);
}

void CDelimPatternScreen::OnBtnUpdate() {
    SetFieldInError(0);
    Form form(m_text.items.size());
    ReadCommonForm(form);
    // The shape check runs on a name that is stored whole.
    const DelimScreenMessages& m = m_text.messages;
    FormFault fault = CheckDelimPatternName(form.name, m.form);
    if (!fault && m_store && m_store->Find(form.name, 1) == 1)
        fault = Fault(m.fixedLengthName, Form::kName, "「固定長パターン」");
    if (!fault)
        fault = CheckDelimPatternForm(form, DelimFormRules{.items = m_text.items,
                                                           .sets = m_text.itemSets,
                                                           .rowsMessage = m_text.rowsMessage,
                                                           .messages = m.form});
    if (fault) {
        ShowFault(fault);
    } else {
        const DelimPatternKind kind = ChosenKind();
        const bool saved =
            SavePatternAfterAsking({this, m_store, m.steps}, form.name, -1,
                                   [&](int index) { return StorePattern(index, form, kind); });
        if (saved) {
            m_names.SetCurrentName(form.name);
            FillPatternCombo();
            m_names.Select(form.name);
            LoadSelectedPattern();
        }
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CDelimPatternScreen::OnBtnDeletePattern() {
    if (!DeletePatternAfterAsking({this, m_store, m_text.messages.steps}, m_names)) return;
    m_names.SetCurrentName({});
    FillPatternCombo();
    LoadSelectedPattern();
    SetItemText(m_ids.samplePath, "");
    ListBox(m_ids.sourceList).ResetContent();
    m_sourceTexts.clear();
    ShowKind(nullptr);
    RebuildItemList();
    Combo(m_ids.titleRows).SetCurSel(1);
    Combo(m_ids.dataRow).SetCurSel(1);
    UpdateButtonStates();
}

void CDelimPatternScreen::ConfirmAndClose() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(m_text.messages.discard) != IDOK) return;
    }
    EndDialog(IDOK);
}
