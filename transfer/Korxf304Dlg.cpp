#include "transfer/Korxf304Dlg.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "common/ApMsgInfoList.h"
#include "common/FileAccess.h"
#include "common/StrUtil.h"
#include "common/SysEnv.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "framework/ListExtent.h"
#include "resources/transfer/Korxf304DlgRes.h"
#include "transfer/ConvertEngine.h"
#include "transfer/PatternScreenSteps.h"
#include "transfer/PatternStore.h"
#include "transfer/PlainMessage.h"
#include "transfer/ScreenVersion.h"
#include "transfer/TextFileDialog.h"

namespace xf {

namespace {

constexpr char kSampleLabel[] = "変換前ファイル名";
constexpr char kNotSelected[] = "リストが未選択";

// Account-type edits for the codes 1, 2, 4 and 9.
constexpr int kAccountTypeIds[4] = {IDC_XF304_ACCOUNT_TYPE_1, IDC_XF304_ACCOUNT_TYPE_2,
                                    IDC_XF304_ACCOUNT_TYPE_4, IDC_XF304_ACCOUNT_TYPE_9};

constexpr int kTitleChoices = 11;  // "無し", "1行" to "10行"
constexpr int kDataChoices = 11;   // "1行" to "11行"

int RadioOf(int value, std::initializer_list<std::pair<int, int>> choices) {
    for (const auto& [v, id] : choices) {
        if (v == value) return id;
    }
    return 0;
}

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

CKorxf304Dlg::CKorxf304Dlg(HICON icon, HWND parent)
    : CDialogBase(IDD_KORXF304, parent), m_icon(icon) {}

void CKorxf304Dlg::SetContext(CPatternStore* store, CApMsgInfoList* messages,
                              std::string helpPath) {
    m_store = store;
    m_messages = messages;
    m_helpPath = std::move(helpPath);
}

int CKorxf304Dlg::ShowMessage(int id, const char* word1, const char* word2, const char* word3,
                              const char* word4, const char* word5) {
    if (!m_messages) return IDCANCEL;
    return m_messages->ShowMessage(GetSafeHwnd(), id, word1, word2, word3, word4, word5);
}

BOOL CKorxf304Dlg::OnInitDialog() {
    if (m_icon) SetIcon(m_icon);
    SetScreenLabels(0, "", IDC_XF304_VERSION, kScreenVersion);
    m_names.Attach(Item(IDC_XF304_NAME), this);
    const kor::CComboView titles = Combo(IDC_XF304_TITLE_ROWS);
    titles.AddString("無し");
    for (int i = 1; i < kTitleChoices; ++i) titles.AddString(std::to_string(i) + "行");
    const kor::CComboView data = Combo(IDC_XF304_DATA_ROW);
    for (int i = 1; i <= kDataChoices; ++i) data.AddString(std::to_string(i) + "行");
    for (int id : kAccountTypeIds) Edit(id).LimitText(20);
    ClearAll();
    Combo(IDC_XF304_NAME).LimitText(CPatternBase::kNameWidth);
    FillPatternCombo();
    LoadSelectedPattern();
    titles.SetCurSel(1);
    data.SetCurSel(1);
    return TRUE;
}

void CKorxf304Dlg::ResetItems() {
    m_items.assign(kItemCount, CFieldItem{});
    for (int k = 0; k < kItemCount; ++k) {
        m_items[k].itemName = kDelimItemNames[k].listText;
        m_items[k].column = -1;
        m_items[k].generalOnly = TransferItems()[static_cast<size_t>(k)].generalOnly ? 1 : 0;
    }
}

void CKorxf304Dlg::ClearAll() {
    ListBox(IDC_XF304_SOURCE_LIST).ResetContent();
    m_sourceTexts.clear();
    ResetItems();
    SetKind(1);
    ShowRadios(DelimPatternForm{});
    SetItemText(IDC_XF304_SAMPLE_PATH, "");
    SetAccountTypes(DelimPatternForm{});
    UpdateButtonStates();
}

void CKorxf304Dlg::FillPatternCombo() {
    FillPatternNames(m_names, m_store, false);
}

bool CKorxf304Dlg::General() const {
    return Button(IDC_XF304_GENERAL).IsChecked();
}

void CKorxf304Dlg::SetKind(int kind) {
    if (kind != 1 && kind != 2) {
        Button(IDC_XF304_GENERAL).SetCheck(false);
        Button(IDC_XF304_SALARY).SetCheck(false);
        return;
    }
    CheckRadio(IDC_XF304_GENERAL, IDC_XF304_SALARY,
               kind == 1 ? IDC_XF304_GENERAL : IDC_XF304_SALARY);
    EnableItem(IDC_XF304_ACCOUNT_TYPE_4, kind == 1);
    EnableItem(IDC_XF304_ACCOUNT_TYPE_9, kind == 1);
}

void CKorxf304Dlg::ShowRadios(const DelimPatternForm& form) {
    // Every group but the kind is cleared first: a code outside its choices chooses nothing.
    for (int id :
         {IDC_XF304_CSV, IDC_XF304_TAB, IDC_XF304_SPACE, IDC_XF304_ZERO_ERROR, IDC_XF304_ZERO_SKIP,
          IDC_XF304_BLANK_ERROR, IDC_XF304_BLANK_SKIP, IDC_XF304_OUTPUT_120, IDC_XF304_OUTPUT_126,
          IDC_XF304_OUTPUT_128, IDC_XF304_LINE_BREAK, IDC_XF304_NO_LINE_BREAK})
        Button(id).SetCheck(false);
    const int radios[] = {
        RadioOf(form.separator, {{1, IDC_XF304_CSV}, {2, IDC_XF304_TAB}, {4, IDC_XF304_SPACE}}),
        RadioOf(form.zeroCheck, {{1, IDC_XF304_ZERO_ERROR}, {2, IDC_XF304_ZERO_SKIP}}),
        RadioOf(form.blankCheck, {{1, IDC_XF304_BLANK_ERROR}, {2, IDC_XF304_BLANK_SKIP}}),
        RadioOf(form.outputLength,
                {{1, IDC_XF304_OUTPUT_120}, {2, IDC_XF304_OUTPUT_126}, {3, IDC_XF304_OUTPUT_128}}),
        RadioOf(form.lineBreak, {{1, IDC_XF304_LINE_BREAK}, {0, IDC_XF304_NO_LINE_BREAK}})};
    for (int id : radios) {
        if (id != 0) Button(id).SetCheck(true);
    }
}

void CKorxf304Dlg::SetAccountTypes(const DelimPatternForm& form) {
    for (int i = 0; i < 4; ++i) SetItemText(kAccountTypeIds[i], form.accountTypes[i]);
}

DelimPatternForm CKorxf304Dlg::ReadForm() const {
    DelimPatternForm form;
    form.kind = Button(IDC_XF304_GENERAL).IsChecked()  ? 1
                : Button(IDC_XF304_SALARY).IsChecked() ? 2
                                                       : 0;
    const int separator = CheckedRadio(IDC_XF304_CSV, IDC_XF304_SPACE);
    form.separator = separator == IDC_XF304_CSV     ? 1
                     : separator == IDC_XF304_TAB   ? 2
                     : separator == IDC_XF304_SPACE ? 4
                                                    : 0;
    form.name = m_names.Text();
    form.titlePosition = Combo(IDC_XF304_TITLE_ROWS).GetCurSel();
    form.dataPosition = Combo(IDC_XF304_DATA_ROW).GetCurSel();
    const auto check = [this](int error, int skip) {
        return Button(error).IsChecked() ? 1 : Button(skip).IsChecked() ? 2 : 0;
    };
    form.zeroCheck = check(IDC_XF304_ZERO_ERROR, IDC_XF304_ZERO_SKIP);
    form.blankCheck = check(IDC_XF304_BLANK_ERROR, IDC_XF304_BLANK_SKIP);
    const int output = CheckedRadio(IDC_XF304_OUTPUT_120, IDC_XF304_OUTPUT_128);
    form.outputLength = output == 0 ? 0 : output - IDC_XF304_OUTPUT_120 + 1;
    form.lineBreak = Button(IDC_XF304_LINE_BREAK).IsChecked()      ? 1
                     : Button(IDC_XF304_NO_LINE_BREAK).IsChecked() ? 0
                                                                   : -1;
    for (int i = 0; i < 4; ++i) form.accountTypes[i] = GetItemText(kAccountTypeIds[i]);
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
    if (Combo(IDC_XF304_NAME).GetCurSel() < 0) {
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
    Combo(IDC_XF304_TITLE_ROWS).SetCurSel(form.titlePosition);
    Combo(IDC_XF304_DATA_ROW).SetCurSel(form.dataPosition);
}

void CKorxf304Dlg::RebuildItemList() {
    const kor::CListBoxView list = ListBox(IDC_XF304_ITEM_LIST);
    list.ResetContent();
    const int count = General() ? kItemCount : kEdiInfo;
    for (int k = 0; k < count; ++k)
        list.AddString(FormatItemEntry(k, {m_items[k].column, m_items[k].text}));
    kor::FitListHorizontalExtent(list.Hwnd());
}

void CKorxf304Dlg::ShowItemLine(int k) {
    const kor::CListBoxView list = ListBox(IDC_XF304_ITEM_LIST);
    list.DeleteString(k);
    list.InsertString(k, FormatItemEntry(k, {m_items[k].column, m_items[k].text}));
}

void CKorxf304Dlg::UpdateButtonStates() {
    for (int id : {IDC_XF304_DEFINE, IDC_XF304_UNDEFINE, IDC_XF304_UPDATE, IDC_XF304_CANCEL_ALL,
                   IDC_XF304_DELETE})
        EnableItem(id, false);
    if (ListBox(IDC_XF304_SOURCE_LIST).GetCount() > 0) {
        EnableItem(IDC_XF304_DEFINE, true);
        EnableItem(IDC_XF304_UNDEFINE, true);
        EnableItem(IDC_XF304_CANCEL_ALL, true);
    }
    const std::string name = m_names.Text();
    if (m_store && !name.empty() && m_store->Find(name, -1) == 1) {
        EnableItem(IDC_XF304_UPDATE, true);
        EnableItem(IDC_XF304_DELETE, true);
    } else {
        EnableItem(IDC_XF304_UPDATE, !name.empty());
    }
}

bool CKorxf304Dlg::IsModified(const std::string& name) {
    DelimPatternForm form = ReadForm();
    form.name = name;
    const int index = m_names.Find(name);
    if (index < 0) return IsDelimPatternModified(form, nullptr);
    const LPARAM position = Combo(IDC_XF304_NAME).GetItemData(index);
    const CDelimPattern* reference =
        m_store && position >= 0 ? m_store->GetDelimPattern(static_cast<int>(position)) : nullptr;
    // A pattern that cannot be had counts as unchanged.
    return reference && IsDelimPatternModified(form, reference);
}

void CKorxf304Dlg::LoadChosenItem() {
    // A provisional item stands for no stored pattern: the form stays as it is.
    if (Combo(IDC_XF304_NAME).GetCurSel() >= 0 && m_names.SelectedData() < 0) return;
    LoadSelectedPattern();
}

bool CKorxf304Dlg::OnCommand(int id, int code, HWND) {
    if (id == IDC_XF304_NAME) {
        if (code == CBN_SELCHANGE) SetFieldInError(0);
        return m_names.OnCommand(code);
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_XF304_BROWSE:
            OnBtnBrowseSample();
            return true;
        case IDC_XF304_READ:
            OnBtnReadSample();
            return true;
        case IDC_XF304_DEFINE:
            OnBtnDefine();
            return true;
        case IDC_XF304_UNDEFINE:
            OnBtnUndefine();
            return true;
        case IDC_XF304_CANCEL_ALL:
            OnBtnCancelAll();
            return true;
        case IDC_XF304_GENERAL:
            SetKind(1);
            RebuildItemList();
            return true;
        case IDC_XF304_SALARY:
            SetKind(2);
            RebuildItemList();
            return true;
        case IDC_XF304_UPDATE:
            OnBtnUpdate();
            return true;
        case IDC_XF304_DELETE:
            OnBtnDeletePattern();
            return true;
        case IDC_XF304_BACK:
            ConfirmAndClose();
            return true;
        default:
            return false;
    }
}

void CKorxf304Dlg::OnBtnBrowseSample() {
    if (const auto path = kor::ShowFileDialog(TextFileDialog(GetSafeHwnd())))
        SetItemText(IDC_XF304_SAMPLE_PATH, *path);
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
    const kor::CListBoxView sources = ListBox(IDC_XF304_SOURCE_LIST);
    sources.ResetContent();
    m_sourceTexts.clear();
    UpdateButtonStates();
    std::string path = GetItemText(IDC_XF304_SAMPLE_PATH);
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
            ShowPlainMessage(GetSafeHwnd(), "オープンエラー");
            return;
        case CFileAccess::kReadError:
            ShowPlainMessage(GetSafeHwnd(), "リードエラー");
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
    const kor::CListBoxView sources = ListBox(IDC_XF304_SOURCE_LIST);
    const kor::CListBoxView items = ListBox(IDC_XF304_ITEM_LIST);
    const int source = sources.GetCurSel();
    const int item = items.GetCurSel();
    if (source < 0 || item < 0 || static_cast<size_t>(source) >= m_sourceTexts.size()) {
        ShowPlainMessage(GetSafeHwnd(), kNotSelected);
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
    const kor::CListBoxView items = ListBox(IDC_XF304_ITEM_LIST);
    const int item = items.GetCurSel();
    if (item < 0) {
        ShowPlainMessage(GetSafeHwnd(), kNotSelected);
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
    if (fault.field == DelimPatternForm::kName) control = IDC_XF304_NAME;
    if (fault.field == DelimPatternForm::kDataRow) control = IDC_XF304_DATA_ROW;
    for (int i = 0; i < 4; ++i) {
        if (fault.field == DelimPatternForm::AccountTypeField(i)) control = kAccountTypeIds[i];
    }
    for (int k = 0; k < kItemCount; ++k) {
        if (fault.field == DelimPatternForm::ItemField(k)) {
            ListBox(IDC_XF304_ITEM_LIST).SetCurSel(k);
            control = IDC_XF304_ITEM_LIST;
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
        if (SavePatternAsked({GetSafeHwnd(), m_store, m_messages}, pattern)) {
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
    if (!DeleteNamedPatternAsked({GetSafeHwnd(), m_store, m_messages}, m_names)) return;
    m_names.SetCurrentName({});
    FillPatternCombo();
    LoadSelectedPattern();
    SetItemText(IDC_XF304_SAMPLE_PATH, "");
    ListBox(IDC_XF304_SOURCE_LIST).ResetContent();
    m_sourceTexts.clear();
    SetKind(1);
    RebuildItemList();
    Combo(IDC_XF304_TITLE_ROWS).SetCurSel(1);
    Combo(IDC_XF304_DATA_ROW).SetCurSel(1);
    UpdateButtonStates();
}

void CKorxf304Dlg::ConfirmAndClose() {
    if (IsModified(m_names.Text()) || m_names.HasProvisional()) {
        if (ShowMessage(80) != IDOK) return;
    }
    EndDialog(IDOK);
}

}  // namespace xf
