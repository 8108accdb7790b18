#include "transfer/Korxf304Dlg.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

#include "common/ApMsgInfoList.h"
#include "common/FileAccess.h"
#include "common/StrUtil.h"
#include "common/SysEnv.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "framework/ListExtent.h"
#include "framework/PlainMessage.h"
#include "framework/TextFileDialog.h"
#include "resources/transfer/Korxf304DlgRes.h"
#include "transfer/ConvertEngine.h"
#include "transfer/PatternScreenSteps.h"
#include "transfer/PatternStore.h"
#include "transfer/ScreenVersion.h"

namespace xf {

namespace {

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

const Korxf304Controls kKorxf304Controls = {
    IDD_KORXF304,
    {IDC_XF304_GENERAL, IDC_XF304_SALARY},
    {IDC_XF304_CSV, IDC_XF304_TAB, IDC_XF304_SPACE},
    {IDC_XF304_ZERO_ERROR, IDC_XF304_ZERO_SKIP},
    {IDC_XF304_BLANK_ERROR, IDC_XF304_BLANK_SKIP},
    {IDC_XF304_OUTPUT_120, IDC_XF304_OUTPUT_126, IDC_XF304_OUTPUT_128},
    {IDC_XF304_LINE_BREAK, IDC_XF304_NO_LINE_BREAK},
    IDC_XF304_DEFINE,
    IDC_XF304_UNDEFINE,
    IDC_XF304_CANCEL_ALL,
    IDC_XF304_UPDATE,
    IDC_XF304_DELETE,
    IDC_XF304_BACK,
    IDC_XF304_BROWSE,
    IDC_XF304_READ,
    IDC_XF304_SAMPLE_PATH,
    IDC_XF304_TITLE_ROWS,
    IDC_XF304_DATA_ROW,
    IDC_XF304_SOURCE_LIST,
    IDC_XF304_ITEM_LIST,
    {IDC_XF304_ACCOUNT_TYPE_1, IDC_XF304_ACCOUNT_TYPE_2, IDC_XF304_ACCOUNT_TYPE_4,
     IDC_XF304_ACCOUNT_TYPE_9},
    IDC_XF304_NAME,
    IDC_XF304_VERSION,
};

CKorxf304Dlg::CKorxf304Dlg(HICON icon, HWND parent, const Korxf304Controls& ids)
    : CScreenBase(ids.dialog, parent, nullptr, icon, kProgramName), m_ids(ids) {}

void CKorxf304Dlg::SetContext(CPatternStore* store, CApMsgInfoList* messages,
                              std::string helpPath) {
    m_store = store;
    SetMessages(messages);
    m_helpPath = std::move(helpPath);
}

BOOL CKorxf304Dlg::OnInitDialog() {
    ShowScreenIcon();
    SetScreenLabels(0, "", m_ids.version, kScreenVersion);
    m_names.Attach(Item(m_ids.name), this);
    const kor::CComboView titles = Combo(m_ids.titleRows);
    titles.AddString("無し");
    for (int i = 1; i < kTitleChoices; ++i) titles.AddString(std::to_string(i) + "行");
    const kor::CComboView data = Combo(m_ids.dataRow);
    for (int i = 1; i <= kDataChoices; ++i) data.AddString(std::to_string(i) + "行");
    for (int i = 0; i < 4; ++i)
        m_accountTypeLimits[i].Attach(Item(m_ids.accountTypes[i]), CPatternBase::kAccountTypeWidth);
    ClearAll();
    m_nameLimit.Attach(Item(m_ids.name), CPatternBase::kNameWidth);
    FillPatternCombo();
    LoadSelectedPattern();
    titles.SetCurSel(1);
    data.SetCurSel(1);
    return TRUE;
}

void CKorxf304Dlg::ResetItems() {
    m_items.assign(kItemCount, CFieldItem{});
    for (int k = 0; k < kItemCount; ++k) {
        m_items[k].itemName = ItemListText(k);
        m_items[k].column = -1;
        m_items[k].generalOnly = TransferItems()[static_cast<size_t>(k)].generalOnly ? 1 : 0;
    }
}

void CKorxf304Dlg::ClearAll() {
    ListBox(m_ids.sourceList).ResetContent();
    m_sourceTexts.clear();
    ResetItems();
    SetKind(1);
    ShowRadios(DelimPatternForm{});
    SetItemText(m_ids.samplePath, "");
    SetAccountTypes(DelimPatternForm{});
    UpdateButtonStates();
}

void CKorxf304Dlg::FillPatternCombo() {
    FillPatternNames(m_names, m_store, false);
}

bool CKorxf304Dlg::General() const {
    return Button(m_ids.kind[0]).IsChecked();
}

void CKorxf304Dlg::SetKind(int kind) {
    if (kind != 1 && kind != 2) {
        CheckRadio(m_ids.kind, 0);
        return;
    }
    CheckRadio(m_ids.kind, m_ids.kind[kind - 1]);
    EnableItem(m_ids.accountTypes[2], kind == 1);
    EnableItem(m_ids.accountTypes[3], kind == 1);
}

void CKorxf304Dlg::ShowRadios(const DelimPatternForm& form) {
    // Every group but the kind: a code outside its choices chooses nothing.
    CheckRadio(m_ids.separator, RadioOf(form.separator, m_ids.separator, kSeparatorCodes));
    CheckRadio(m_ids.zero, RadioOf(form.zeroCheck, m_ids.zero, kCheckCodes));
    CheckRadio(m_ids.blank, RadioOf(form.blankCheck, m_ids.blank, kCheckCodes));
    CheckRadio(m_ids.output, RadioOf(form.outputLength, m_ids.output, kOutputCodes));
    CheckRadio(m_ids.lineBreak, RadioOf(form.lineBreak, m_ids.lineBreak, kLineBreakCodes));
}

void CKorxf304Dlg::SetAccountTypes(const DelimPatternForm& form) {
    for (int i = 0; i < 4; ++i) SetItemText(m_ids.accountTypes[i], form.accountTypes[i]);
}

DelimPatternForm CKorxf304Dlg::ReadForm() const {
    DelimPatternForm form;
    form.kind = CodeOf(CheckedRadio(m_ids.kind), m_ids.kind, kCheckCodes);
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
    for (int i = 0; i < 4; ++i) form.accountTypes[i] = GetItemText(m_ids.accountTypes[i]);
    for (int k = 0; k < kItemCount && static_cast<size_t>(k) < m_items.size(); ++k) {
        form.items[k].column = m_items[k].column;
        form.items[k].text = m_items[k].column >= 0 ? m_items[k].text : std::string();
    }
    return form;
}

void CKorxf304Dlg::LoadSelectedPattern() {
    ResetItems();
    LoadPatternToControls();
    RebuildItemList();
    UpdateButtonStates();
}

void CKorxf304Dlg::LoadPatternToControls() {
    const LPARAM position = m_names.SelectedData();
    if (Combo(m_ids.name).GetCurSel() < 0) {
        ShowRadios(DelimPatternForm{});
        SetAccountTypes(DelimPatternForm{});
        return;
    }
    const CDelimPattern* pattern =
        m_store && position >= 0 ? m_store->GetDelimPattern(static_cast<int>(position)) : nullptr;
    if (!pattern) return;
    const DelimPatternForm form = FromDelimPattern(*pattern);
    for (int k = 0; k < kItemCount; ++k) {
        m_items[k].column = form.items[k].column;
        m_items[k].text = form.items[k].text;
    }
    SetKind(form.kind);
    ShowRadios(form);
    SetAccountTypes(form);
    Combo(m_ids.titleRows).SetCurSel(form.titlePosition);
    Combo(m_ids.dataRow).SetCurSel(form.dataPosition);
}

void CKorxf304Dlg::RebuildItemList() {
    const kor::CListBoxView list = ListBox(m_ids.itemList);
    list.ResetContent();
    DelimPatternForm shown;
    shown.kind = General() ? 1 : 2;
    for (int k = 0; k < shown.ListedItemCount(); ++k)
        list.AddString(FormatItemEntry(k, {m_items[k].column, m_items[k].text}));
    kor::FitListHorizontalExtent(list.Hwnd());
}

void CKorxf304Dlg::ShowItemLine(int k) {
    const kor::CListBoxView list = ListBox(m_ids.itemList);
    list.DeleteString(k);
    list.InsertString(k, FormatItemEntry(k, {m_items[k].column, m_items[k].text}));
}

void CKorxf304Dlg::UpdateButtonStates() {
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
}

bool CKorxf304Dlg::IsModified(const std::string& name) {
    DelimPatternForm form = ReadForm();
    form.name = name;
    const int index = m_names.Find(name);
    if (index < 0) return IsDelimPatternModified(form, nullptr);
    const LPARAM position = Combo(m_ids.name).GetItemData(index);
    const CDelimPattern* reference =
        m_store && position >= 0 ? m_store->GetDelimPattern(static_cast<int>(position)) : nullptr;
    // A pattern that cannot be had counts as unchanged.
    return reference && IsDelimPatternModified(form, reference);
}

void CKorxf304Dlg::LoadChosenItem() {
    // A provisional item stands for no stored pattern: the form stays as it is.
    if (Combo(m_ids.name).GetCurSel() >= 0 && m_names.SelectedData() < 0) return;
    LoadSelectedPattern();
}

bool CKorxf304Dlg::OnCommand(int id, int code, HWND) {
    if (id != m_ids.name) return false;
    if (code == CBN_SELCHANGE) SetFieldInError(0);
    return m_names.OnCommand(code);
}

bool CKorxf304Dlg::OnButtonClicked(int id) {
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
    } else if (id == m_ids.kind[0] || id == m_ids.kind[1]) {
        SetKind(id == m_ids.kind[0] ? 1 : 2);
        RebuildItemList();
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

void CKorxf304Dlg::OnBtnBrowseSample() {
    if (const auto path = kor::ShowFileDialog(kor::TextFileDialog(GetSafeHwnd())))
        SetItemText(m_ids.samplePath, *path);
}

bool CKorxf304Dlg::CheckSamplePath(const std::string& path) {
    if (path.empty()) {
        ShowMessage(10, kSampleLabel);
        return false;
    }
    if (!CFileAccess::IsValidPathName(path)) {
        ShowMessage(22);
        return false;
    }
    const size_t slash = LastBackslash(path);
    if (slash == std::string::npos || slash + 1 == path.size()) {
        ShowMessage(54, kSampleLabel);
        return false;
    }
    for (;;) {
        const int drive = CFileAccess::CheckOutputDrive(path, FALSE);
        if (drive == -3) {
            ShowMessage(32);
            return false;
        }
        if (drive == -2 || drive == -1) {
            ShowMessage(106);
            return false;
        }
        if (drive >= 0 && drive <= 2) break;
        if (ShowMessage(52) != IDOK) return false;
    }
    const DWORD folder = Attributes(path.substr(0, slash + 1));
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowMessage(23);
        return false;
    }
    const DWORD file = Attributes(path);
    if (file == INVALID_FILE_ATTRIBUTES) {
        ShowMessage(5);
        return false;
    }
    if (file & FILE_ATTRIBUTE_DIRECTORY) {
        ShowMessage(54, kSampleLabel);
        return false;
    }
    if (!CSysEnv::Instance().CanRead(path)) {
        ShowMessage(85, "読込");
        return false;
    }
    return true;
}

void CKorxf304Dlg::OnBtnReadSample() {
    const kor::CListBoxView sources = ListBox(m_ids.sourceList);
    sources.ResetContent();
    m_sourceTexts.clear();
    UpdateButtonStates();
    std::string path = GetItemText(m_ids.samplePath);
    std::replace(path.begin(), path.end(), '/', '\\');  // '/' is never a second byte
    if (!CheckSamplePath(path)) return;

    const DelimPatternForm form = ReadForm();
    int status = 0;
    const std::string line = CConvertEngine().ReadSampleLine(path, &status, SampleLineNumber(form));
    switch (status) {
        case 0:
            break;
        case CConvertEngine::kSampleNoLineBreak:
            ShowMessage(9, "振込明細");
            return;
        case CFileAccess::kCannotOpen:
            ShowPlainMessage("オープンエラー");
            return;
        case CFileAccess::kReadError:
            ShowPlainMessage("リードエラー");
            return;
        default:
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

void CKorxf304Dlg::OnBtnDefine() {
    const kor::CListBoxView sources = ListBox(m_ids.sourceList);
    const kor::CListBoxView items = ListBox(m_ids.itemList);
    const int source = sources.GetCurSel();
    const int item = items.GetCurSel();
    if (source < 0 || item < 0 || static_cast<size_t>(source) >= m_sourceTexts.size()) {
        ShowPlainMessage(kNotSelected);
        return;
    }
    if (m_items[item].column >= 0 && ShowMessage(47) == IDCANCEL) return;
    m_items[item].column = source;
    m_items[item].text = m_sourceTexts[source];
    ShowItemLine(item);
    sources.SetCurSel(source + 1 < sources.GetCount() ? source + 1 : 0);
    items.SetCurSel(item + 1 < items.GetCount() ? item + 1 : 0);
    kor::FitListHorizontalExtent(items.Hwnd());
}

void CKorxf304Dlg::OnBtnUndefine() {
    const kor::CListBoxView items = ListBox(m_ids.itemList);
    const int item = items.GetCurSel();
    if (item < 0) {
        ShowPlainMessage(kNotSelected);
        return;
    }
    m_items[item].column = -1;
    m_items[item].text.clear();
    ShowItemLine(item);
    kor::FitListHorizontalExtent(items.Hwnd());
    items.SetCurSel(item + 1 < items.GetCount() ? item + 1 : 0);
}

void CKorxf304Dlg::OnBtnCancelAll() {
    for (CFieldItem& item : m_items) {
        item.column = -1;
        item.text.clear();
    }
    RebuildItemList();
}

void CKorxf304Dlg::ShowFault(const FormFault& fault) {
    ShowMessage(fault.message, fault.Word1(), fault.Word2());
    int control = 0;
    if (fault.field == DelimPatternForm::kName) control = m_ids.name;
    if (fault.field == DelimPatternForm::kDataRow) control = m_ids.dataRow;
    for (int i = 0; i < 4; ++i) {
        if (fault.field == DelimPatternForm::AccountTypeField(i)) control = m_ids.accountTypes[i];
    }
    for (int k = 0; k < kItemCount; ++k) {
        if (fault.field == DelimPatternForm::ItemField(k)) {
            ListBox(m_ids.itemList).SetCurSel(k);
            control = m_ids.itemList;
        }
    }
    SetFieldInError(control);
    FocusItem(control);
}

void CKorxf304Dlg::OnBtnUpdate() {
    SetFieldInError(0);
    const DelimPatternForm form = ReadForm();
    // The shape check runs on a name that is stored whole.
    FormFault fault = CheckDelimPatternName(form);
    if (!fault && m_store && m_store->Find(form.name, 1) == 1)
        fault = FormFault{100, "「固定長パターン」", {}, DelimPatternForm::kName};
    if (!fault) fault = ValidateDelimForm(form);
    if (fault) {
        ShowFault(fault);
    } else {
        const CDelimPattern pattern = ToDelimPattern(form);
        if (SavePatternAsked({this, m_store}, pattern)) {
            const std::string name = pattern.name;
            m_names.SetCurrentName(name);
            FillPatternCombo();
            m_names.Select(name);
            LoadSelectedPattern();
        }
    }
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CKorxf304Dlg::OnBtnDeletePattern() {
    if (!DeleteNamedPatternAsked({this, m_store}, m_names)) return;
    m_names.SetCurrentName({});
    FillPatternCombo();
    LoadSelectedPattern();
    SetItemText(m_ids.samplePath, "");
    ListBox(m_ids.sourceList).ResetContent();
    m_sourceTexts.clear();
    SetKind(1);
    RebuildItemList();
    Combo(m_ids.titleRows).SetCurSel(1);
    Combo(m_ids.dataRow).SetCurSel(1);
    UpdateButtonStates();
}

void CKorxf304Dlg::ConfirmAndClose() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(80) != IDOK) return;
    }
    EndDialog(IDOK);
}

}  // namespace xf
