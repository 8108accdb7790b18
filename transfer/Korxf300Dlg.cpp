#include "transfer/Korxf300Dlg.h"

// After windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>

#include "common/FileAccess.h"
#include "common/StrUtil.h"
#include "common/SysEnv.h"
#include "framework/AboutDlg.h"
#include "framework/Cp932.h"
#include "framework/FileDialogSeam.h"
#include "framework/MessageSeam.h"
#include "framework/TextFileDialog.h"
#include "framework/WaitCursor.h"
#include "resources/transfer/Korxf300DlgRes.h"
#include "transfer/ConvertEngine.h"
#include "transfer/ConvertRules.h"
#include "transfer/Korxf301Dlg.h"
#include "transfer/Korxf302Dlg.h"
#include "transfer/Korxf303Dlg.h"
#include "transfer/Korxf304Dlg.h"
#include "transfer/Korxf305Dlg.h"
#include "transfer/OutputSize.h"
#include "transfer/PathNames.h"
#include "transfer/RequesterTip.h"
#include "transfer/ScreenVersion.h"
#include "transfer/TransferItems.h"
#include "transfer/TransferWriter.h"

namespace {

constexpr char kProgramTitle[] = "Korxf300";
constexpr char kErrorCaption[] = "エラー";
constexpr char kMessageMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<B>";
constexpr char kMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<C>";
constexpr char kOpenFailed[] = "読み込みオープンエラー　　";
constexpr char kReadFailed[] = "読み込みエラー";
constexpr char kOutputFailed[] = "振込データ出力に失敗しました。";

constexpr char kMessageMasterName[] = "mstKORXF001.ini";
constexpr char kHelpFileName[] = "KorXF300.chm";

// System-menu commands 16..31 open the about box.
constexpr UINT kAboutCommand = 0x0010;

constexpr LPARAM kTipMaxWidth = 640;

// End result of a screen that could not start.
constexpr INT_PTR kEndedAtStart = 2;

enum class PathKind { kMissing, kFile, kFolder };

PathKind KindOf(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(kor::ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder : PathKind::kFile;
}

// The current time in seconds since 1970.
std::int64_t Now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

CKorxf300Dlg::CKorxf300Dlg(std::string programFolder, HWND parent)
    : CScreenBase(IDD_KORXF300, parent, &m_messages, nullptr, kProgramTitle),
      m_programFolder(std::move(programFolder)) {}

CKorxf300Dlg::~CKorxf300Dlg() {
    DestroyWindow();
}

int CKorxf300Dlg::ShowFixedBox(const char* text, UINT style) {
    return kor::ShowMessageBox(GetSafeHwnd(), text, kProgramTitle, style);
}

// --- Initialisation ------------------------------------------------------------------------------

BOOL CKorxf300Dlg::OnInitDialog() {
    SetItemText(IDC_XF300_VERSION, xf::kScreenVersion);
    AddAboutItem();
    m_icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                      IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (m_icon) SetIcon(m_icon);

    EnableItem(IDC_XF300_CORRECT, false);
    EnableItem(IDC_XF300_CHECK, false);
    EnableItem(IDC_XF300_OUTPUT_DATA, false);

    if (!LoadMasters()) {
        // The screen closes as soon as it would be shown.
        EndDialog(kEndedAtStart);
        return TRUE;
    }
    m_helpPath = m_programFolder + kHelpFileName;
    CreateTooltip();
    return TRUE;
}

void CKorxf300Dlg::AddAboutItem() {
    HMENU menu = GetSystemMenu(GetSafeHwnd(), FALSE);
    if (!menu) return;
    wchar_t text[256] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) > 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, text);
    }
    DeleteMenu(menu, 3, MF_BYPOSITION);
    DeleteMenu(menu, 2, MF_BYPOSITION);
}

bool CKorxf300Dlg::LoadMasters() {
    if (m_messages.Load(m_programFolder + kMessageMasterName) != 0) {
        kor::ShowMessageBox(GetSafeHwnd(), kMessageMasterBroken, kErrorCaption,
                            MB_OK | MB_ICONERROR);
        return false;
    }

    const std::string patternPath = m_programFolder + xf::CPatternStore::kFileName;
    m_patterns.SetOwner(&m_messages, GetSafeHwnd());
    // A missing master is an empty one.
    if (m_patterns.Load(patternPath) != 1 && KindOf(patternPath) != PathKind::kMissing) {
        kor::ShowMessageBox(GetSafeHwnd(), kMasterBroken, kErrorCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    FillPatternCombo();

    for (int month = 1; month <= 12; ++month) {
        char text[4];
        std::snprintf(text, sizeof text, "%2d", month);
        Combo(IDC_XF300_MONTH).AddString(text);
    }
    for (int day = 1; day <= 31; ++day) {
        char text[4];
        std::snprintf(text, sizeof text, "%2d", day);
        Combo(IDC_XF300_DAY).AddString(text);
    }
    Combo(IDC_XF300_MONTH).SetCurSel(0);
    Combo(IDC_XF300_DAY).SetCurSel(0);

    const std::string requesterPath = m_programFolder + xf::CRequesterStore::kFileName;
    m_requesters.SetOwner(&m_messages, GetSafeHwnd());
    switch (m_requesters.Load(requesterPath)) {
        case 1:
            break;
        case 0:
            if (KindOf(requesterPath) == PathKind::kMissing) break;
            kor::ShowMessageBox(GetSafeHwnd(), kMasterBroken, kErrorCaption, MB_OK | MB_ICONERROR);
            return false;
        default:  // out of memory, said already
            return false;
    }
    FillRequesterCombo();
    return true;
}

void CKorxf300Dlg::CreateTooltip() {
    m_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetSafeHwnd(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!m_tooltip) return;
    LOGFONTW font{};
    font.lfHeight = 12;
    font.lfWidth = 6;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(font.lfFaceName, L"ＭＳ ゴシック", LF_FACESIZE);
    m_tooltipFont.reset(CreateFontIndirectW(&font));
    if (m_tooltipFont)
        SendMessageW(m_tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(m_tooltipFont.get()), FALSE);
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);

    // The text is made when the tip is about to show, from the requester chosen then.
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetSafeHwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Item(IDC_XF300_REQUESTER_LIST));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tooltip, TTM_ACTIVATE, TRUE, 0);
}

bool CKorxf300Dlg::OnNotify(int /*id*/, NMHDR* header) {
    if (!m_tooltip || header->hwndFrom != m_tooltip || header->code != TTN_GETDISPINFOW)
        return false;
    UpdateRequesterSelection();
    m_tipText = m_requester ? kor::ToWide(xf::RequesterTipText(*m_requester)) : std::wstring();
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    info->lpszText = m_tipText.data();
    info->szText[0] = L'\0';
    info->hinst = nullptr;
    return true;
}

// --- The lists ---------------------------------------------------------------------------------

void CKorxf300Dlg::FillPatternCombo() {
    const xf::CPatternObList& list = m_patterns.GetList();
    const kor::CComboView combo = Combo(IDC_XF300_PATTERN);
    combo.ResetContent();
    for (const auto& entry : list) combo.AddString(entry->name);
    combo.SetCurSel(0);
    if (m_patternIndex >= 0 && static_cast<size_t>(m_patternIndex) < list.size()) {
        combo.SetCurSel(m_patternIndex);
        if (combo.GetLBText(m_patternIndex) != m_patternName) combo.SetCurSel(0);
    }
    OnSelchangePattern();
}

void CKorxf300Dlg::OnSelchangePattern() {
    const int selection = Combo(IDC_XF300_PATTERN).GetCurSel();
    const xf::CPatternObList& list = m_patterns.GetList();
    if (selection >= 0 && static_cast<size_t>(selection) < list.size()) {
        // Only salary/bonus transfers tell salary from bonus.
        const bool choice = list[selection]->kind != xf::kKindGeneral;
        EnableItem(IDC_XF300_SALARY, choice);
        EnableItem(IDC_XF300_BONUS, choice);
    }
    CheckRadio(IDC_XF300_SALARY, IDC_XF300_BONUS, IDC_XF300_SALARY);
}

void CKorxf300Dlg::FillRequesterCombo() {
    const xf::CRequesterObList& list = m_requesters.GetList();
    const kor::CComboView combo = Combo(IDC_XF300_REQUESTER_LIST);
    combo.ResetContent();
    for (const auto& requester : list) combo.AddString(requester->description);
    combo.SetCurSel(0);
    if (m_requesterIndex >= 0 && static_cast<size_t>(m_requesterIndex) < list.size()) {
        combo.SetCurSel(m_requesterIndex);
        if (combo.GetLBText(m_requesterIndex) != m_requesterDescription) combo.SetCurSel(0);
    }
    UpdateRequesterSelection();
}

void CKorxf300Dlg::UpdateRequesterSelection() {
    const int selection = Combo(IDC_XF300_REQUESTER_LIST).GetCurSel();
    const xf::CRequesterObList& list = m_requesters.GetList();
    if (selection >= 0 && static_cast<size_t>(selection) < list.size()) {
        m_requesterIndex = selection;
        m_requester = list[selection].get();
        m_requesterDescription = m_requester->description;
    } else {
        m_requesterIndex = -1;
        m_requester = nullptr;
        m_requesterDescription.clear();
    }
}

// --- Commands ----------------------------------------------------------------------------------

bool CKorxf300Dlg::OnCommand(int id, int code, HWND /*control*/) {
    if (code == CBN_SELCHANGE) {
        switch (id) {
            case IDC_XF300_PATTERN:
                OnSelchangePattern();
                return true;
            case IDC_XF300_REQUESTER_LIST:
                OnSelchangeRequester();
                return true;
            default:
                return false;
        }
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_XF300_EXIT:
            OnBtnExit();
            return true;
        case IDC_XF300_BROWSE_INPUT:
            OnBtnBrowseInput();
            return true;
        case IDC_XF300_BROWSE_OUTPUT:
            OnBtnBrowseOutput();
            return true;
        case IDC_XF300_READ:
            OnBtnFileRead();
            return true;
        case IDC_XF300_OUTPUT_DATA:
            OnBtnOutput();
            return true;
        case IDC_XF300_CORRECT:
            OnBtnCorrect();
            return true;
        case IDC_XF300_FIXED_PATTERN:
            OnBtnFixedPattern();
            return true;
        case IDC_XF300_DELIM_PATTERN:
            OnBtnDelimPattern();
            return true;
        case IDC_XF300_REQUESTER:
            OnBtnRequester();
            return true;
        case IDC_XF300_CHECK:
            OnBtnCheck();
            return true;
        default:
            return false;
    }
}

bool CKorxf300Dlg::OnSysCommand(UINT command, LPARAM /*lp*/) {
    if ((command & 0xFFF0) != kAboutCommand) return false;
    kor::CAboutDlg about(IDD_ABOUTBOX, kProgramTitle, GetSafeHwnd());
    about.DoModal();
    return true;
}

bool CKorxf300Dlg::OnOtherMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& result) {
    switch (msg) {
        case WM_PAINT: {
            if (!IsIconic(GetSafeHwnd()) || !m_icon) return false;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(GetSafeHwnd(), &paint);
            RECT rect;
            GetClientRect(GetSafeHwnd(), &rect);
            const int x = (rect.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
            const int y = (rect.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
            DrawIcon(dc, x, y, m_icon);
            EndPaint(GetSafeHwnd(), &paint);
            result = TRUE;
            return true;
        }
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(m_icon);
            return true;
        default:
            return false;
    }
}

void CKorxf300Dlg::OnDestroy() {
    m_dataSet.reset();
    m_requester = nullptr;
    m_tooltip = nullptr;
}

// --- Closing -----------------------------------------------------------------------------------

void CKorxf300Dlg::OnClose() {
    AskToClose();
}

void CKorxf300Dlg::OnBtnExit() {
    if (m_dataSet && m_dataSet->errorFree == 1 && m_dataSet->outputDone == 0) ShowMessage(71);
    AskToClose();
}

void CKorxf300Dlg::AskToClose() {
    if (ShowMessage(1) != IDCANCEL) EndDialog(IDOK);
}

// --- Settings screens ---------------------------------------------------------------------------

void CKorxf300Dlg::RememberPatternSelection() {
    const kor::CComboView combo = Combo(IDC_XF300_PATTERN);
    m_patternIndex = combo.GetCurSel();
    m_patternName = m_patternIndex >= 0 ? combo.GetLBText(m_patternIndex) : std::string();
}

void CKorxf300Dlg::OnBtnFixedPattern() {
    {
        xf::CKorxf303Dlg settings(m_icon, &m_patterns, &m_messages, m_helpPath, GetSafeHwnd());
        settings.DoModal();
    }
    RememberPatternSelection();
    FillPatternCombo();
}

void CKorxf300Dlg::OnBtnDelimPattern() {
    {
        xf::CKorxf304Dlg settings(m_icon, GetSafeHwnd());
        settings.SetContext(&m_patterns, &m_messages, m_helpPath);
        settings.DoModal();
    }
    RememberPatternSelection();
    FillPatternCombo();
}

void CKorxf300Dlg::OnBtnRequester() {
    // The chosen requester lives in the store, which the screen may change.
    m_requester = nullptr;
    {
        xf::CKorxf305Dlg settings(m_icon, &m_messages, m_helpPath, GetSafeHwnd());
        settings.SetStore(&m_requesters);
        settings.DoModal();
    }
    FillRequesterCombo();
}

// --- Correction and check --------------------------------------------------------------------

void CKorxf300Dlg::OnBtnCorrect() {
    if (!m_dataSet) return;
    {
        kor::CWaitCursor wait;
        xf::CKorxf301Dlg correction(m_icon, m_dataSet.get(), &m_messages, m_helpPath,
                                    GetSafeHwnd());
        correction.DoModal();
    }
    // An update on the correction screen makes the written file out of date.
    if (!m_dataSet->outputDone) EnableItem(IDC_XF300_CHECK, false);
}

void CKorxf300Dlg::OnBtnCheck() {
    if (!m_dataSet) return;
    kor::CWaitCursor wait;
    xf::CKorxf302Dlg check(m_icon, m_dataSet.get(), &m_messages, m_helpPath, GetSafeHwnd());
    check.DoModal();
}

// --- Browsing ----------------------------------------------------------------------------------

void CKorxf300Dlg::OnBtnBrowseInput() {
    if (const std::optional<std::string> path =
            kor::ShowFileDialog(kor::TextFileDialog(GetSafeHwnd())))
        SetItemText(IDC_XF300_INPUT, *path);
}

void CKorxf300Dlg::OnBtnBrowseOutput() {
    kor::FileDialogRequest request = kor::TextFileDialog(GetSafeHwnd());
    request.fileName = xf::DefaultOutputName(GetItemText(IDC_XF300_INPUT));
    if (const std::optional<std::string> path = kor::ShowFileDialog(request))
        SetItemText(IDC_XF300_OUTPUT, *path);
}

// --- Reading -----------------------------------------------------------------------------------

BOOL CKorxf300Dlg::FailInput(int id) {
    SetFieldInError(id);
    FocusItem(id);
    return FALSE;
}

BOOL CKorxf300Dlg::ValidateBeforeRead() {
    SetFieldInError(0);
    if (!m_requester) {
        ShowMessage(38, "依頼人情報");
        return FALSE;
    }
    if (Combo(IDC_XF300_PATTERN).GetCurSel() < 0) {
        ShowMessage(11, "データ変換パターン");
        FocusItem(IDC_XF300_PATTERN);
        return FALSE;
    }
    const int monthIndex = Combo(IDC_XF300_MONTH).GetCurSel();
    const int dayIndex = Combo(IDC_XF300_DAY).GetCurSel();
    const int date = monthIndex < 0 || dayIndex < 0
                         ? 10
                         : xf::CheckTransferDate(Combo(IDC_XF300_MONTH).GetLBText(monthIndex),
                                                 Combo(IDC_XF300_DAY).GetLBText(dayIndex));
    if (date == 10) {
        ShowMessage(10, "振込指定日");
        FocusItem(IDC_XF300_MONTH);
        return FALSE;
    }
    if (date == 50) {
        ShowMessage(50);
        FocusItem(IDC_XF300_DAY);
        return FALSE;
    }

    const std::string name = xf::NormalizePathText(GetItemText(IDC_XF300_INPUT));
    const size_t slash = xf::LastBackslash(name);
    if (name.empty() || slash == std::string::npos || slash + 1 == name.size()) {
        ShowMessage(54, "変換前ファイル名");
        return FailInput(IDC_XF300_INPUT);
    }
    if (!CFileAccess::IsValidPathName(name)) {
        ShowMessage(22);
        return FailInput(IDC_XF300_INPUT);
    }
    for (;;) {
        const int drive = CFileAccess::CheckOutputDrive(name, FALSE);
        if (drive == -5 || drive == -6) {
            if (ShowMessage(52) == IDOK) continue;
            return FailInput(IDC_XF300_INPUT);
        }
        if (drive == -3) {
            ShowMessage(32);
            return FailInput(IDC_XF300_INPUT);
        }
        if (drive == -1 || drive == -2) {
            ShowMessage(106);
            return FailInput(IDC_XF300_INPUT);
        }
        break;
    }
    if (KindOf(name.substr(0, slash + 1)) != PathKind::kFolder) {
        ShowMessage(23);
        return FailInput(IDC_XF300_INPUT);
    }
    switch (KindOf(name)) {
        case PathKind::kMissing:
            ShowMessage(5);
            return FailInput(IDC_XF300_INPUT);
        case PathKind::kFolder:
            ShowMessage(54, "変換前ファイル名");
            return FailInput(IDC_XF300_INPUT);
        case PathKind::kFile:
            break;
    }
    if (!CSysEnv::Instance().CanRead(name)) {
        ShowMessage(85, "読込");
        return FailInput(IDC_XF300_INPUT);
    }
    return TRUE;
}

void CKorxf300Dlg::OnBtnFileRead() {
    EnableItem(IDC_XF300_CORRECT, false);
    EnableItem(IDC_XF300_CHECK, false);
    EnableItem(IDC_XF300_OUTPUT_DATA, false);
    UpdateRequesterSelection();
    if (!ValidateBeforeRead()) return;
    if (ShowMessage(24, "読込") != IDOK) return;

    m_dataSet.reset();
    const int selection = Combo(IDC_XF300_PATTERN).GetCurSel();
    const xf::CPatternEntry& entry = *m_patterns.GetList()[selection];
    const xf::CFixedPattern* fixed = nullptr;
    const xf::CDelimPattern* delim = nullptr;
    if (entry.fileClass == 3) {
        fixed = m_patterns.GetFixedPattern(selection);
    } else {
        delim = m_patterns.GetDelimPattern(selection);
    }
    if (!fixed && !delim) {
        // The stored line does not read as the pattern its entry names.
        ShowMessage(11, "データ変換パターン");
        FocusItem(IDC_XF300_PATTERN);
        return;
    }
    switch (xf::CheckPatternForRequester(entry, *m_requester)) {
        case 49:
            ShowMessage(49);
            FocusItem(IDC_XF300_INPUT);
            return;
        case 103:
            ShowMessage(103);
            FocusItem(IDC_XF300_PATTERN);
            return;
        default:
            break;
    }

    const std::string name = xf::NormalizePathText(GetItemText(IDC_XF300_INPUT));
    xf::CConvertEngine engine(&m_messages, GetSafeHwnd());
    engine.SetPattern(fixed, delim, &entry, m_requester);
    const int result = engine.ReadFile(name);
    // Only a successful read gives a data set; a failed one leaves the screen without one.
    m_dataSet = engine.GetDataSet();
    if (result == xf::kReadOk && m_dataSet) {
        CompleteDataSet(entry, fixed, delim, name);
        m_dataSet->countText = engine.GetCountText();
        m_dataSet->totalText = engine.GetTotalAmountText();
        if (engine.HasTotalOverflow()) {
            // The records can be corrected (fewer of them fit), but not written as they are.
            ShowMessage(112);
            m_dataSet->errorFree = 0;
        } else if (engine.GetErrorCount() == 0) {
            ShowMessage(67, "読込", "変換後ファイル");
            m_dataSet->errorFree = 1;
        } else {
            ShowMessage(68, "読込", "変換後ファイル");
            if (engine.HasWarnings()) ShowMessage(97, "", "");
            m_dataSet->errorFree = 0;
        }
        m_dataSet->outputDone = 0;
        EnableItem(IDC_XF300_CORRECT, true);
        EnableItem(IDC_XF300_OUTPUT_DATA, true);
        EnableItem(IDC_XF300_CHECK, false);
    } else {
        m_dataSet.reset();
        ShowReadFailure(result, engine.GetFaultLine());
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CKorxf300Dlg::CompleteDataSet(const xf::CPatternEntry& entry, const xf::CFixedPattern* fixed,
                                   const xf::CDelimPattern* delim, const std::string& inputName) {
    xf::ReadChoices choices;
    choices.entry = &entry;
    choices.fixed = fixed;
    choices.delim = delim;
    choices.bonus = CheckedRadio(IDC_XF300_SALARY, IDC_XF300_BONUS) == IDC_XF300_BONUS ? 1 : 0;
    choices.month = GetItemText(IDC_XF300_MONTH);
    choices.day = GetItemText(IDC_XF300_DAY);
    choices.inputName = inputName;
    choices.patternIndex = Combo(IDC_XF300_PATTERN).GetCurSel();
    xf::CompleteDataSet(*m_dataSet, choices);
}

void CKorxf300Dlg::ShowReadFailure(int result, int faultLine) {
    switch (result) {
        case xf::kReadCannotOpen:
            ShowFixedBox(kOpenFailed, MB_OK);
            break;
        case xf::kReadFailed:
            ShowFixedBox(kReadFailed, MB_OK);
            break;
        case xf::kReadNoLines:
            ShowMessage(9, "振込明細");
            break;
        case xf::kReadTooManyLines:
            ShowMessage(6);
            break;
        case xf::kReadBadRecordSize:
            ShowMessage(91);
            break;
        case xf::kReadNoRecords:
            ShowMessage(81);
            break;
        case xf::kReadEmptyFile:
            ShowMessage(53);
            break;
        case xf::kReadLineTooLong:
            ShowMessage(111, std::to_string(faultLine).c_str());
            break;
        case xf::kReadBadRecordLength:
            ShowMessage(113);
            break;
        case xf::kReadCancelled:
            ShowMessage(19);
            break;
        default:
            break;
    }
}

// --- Output ------------------------------------------------------------------------------------

int CKorxf300Dlg::HaveSettingsChanged() const {
    const xf::CDataSet& data = *m_dataSet;
    if (Combo(IDC_XF300_PATTERN).GetCurSel() != data.patternIndex) return 1;
    const int radio = CheckedRadio(IDC_XF300_SALARY, IDC_XF300_BONUS);
    if ((data.bonusFlag == 1 && radio == IDC_XF300_SALARY) ||
        (data.bonusFlag == 0 && radio == IDC_XF300_BONUS))
        return 1;
    if (xf::TrimLeadingBlanks(GetItemText(IDC_XF300_MONTH)) != data.month) return 1;
    if (xf::TrimLeadingBlanks(GetItemText(IDC_XF300_DAY)) != data.day) return 1;
    if (!m_requester) return 1;
    const char* readWith = data.requester ? data.requester->description : "";
    if (std::string_view(m_requester->description) != readWith) return 1;
    return 0;
}

BOOL CKorxf300Dlg::CheckOutputName(const std::string& path) {
    if (path.empty()) {
        ShowMessage(54, "変換後ファイル名");
        return FALSE;
    }
    if (!CFileAccess::IsValidPathName(path)) {
        ShowMessage(22);
        return FALSE;
    }
    const size_t slash = xf::LastBackslash(path);
    if (slash != std::string::npos && slash + 1 == path.size()) {
        ShowMessage(54, "変換後ファイル名");
        return FALSE;
    }
    for (;;) {
        const int drive = CFileAccess::CheckOutputDrive(path, TRUE);
        if (drive == 0 || drive == 2) break;
        if (drive == -3) {
            ShowMessage(32);
            return FALSE;
        }
        if (drive == -1 || drive == -2) {
            ShowMessage(106);
            return FALSE;
        }
        if (drive == 1) {
            ShowMessage(23);
            return FALSE;
        }
        // Write-protected, unformatted or otherwise unusable: the user may mend it and retry.
        if (ShowMessage(drive == -4 ? 51 : 52) != IDOK) return FALSE;
    }
    std::string root, folder, file;
    xf::SplitPath(path, root, folder, file);
    if (KindOf(folder) != PathKind::kFolder) {
        ShowMessage(23);
        return FALSE;
    }
    // Writing over the customer's own file must be impossible, whatever the spelling.
    if (xf::IsSameFile(path, m_dataSet->inputFileName)) {
        ShowMessage(70, "変換後ファイル名", "変換前ファイル名");
        return FALSE;
    }
    switch (KindOf(path)) {
        case PathKind::kMissing:
            if (!CSysEnv::Instance().CanWrite(folder)) {
                ShowMessage(66);
                return FALSE;
            }
            break;
        case PathKind::kFolder:
            ShowMessage(54, "変換後ファイル名");
            return FALSE;
        case PathKind::kFile:
            if (ShowMessage(4) == IDCANCEL) return FALSE;
            if (!CSysEnv::Instance().CanWrite(path)) {
                ShowMessage(66);
                return FALSE;
            }
            break;
    }
    return TRUE;
}

BOOL CKorxf300Dlg::CheckFreeSpace(std::uint64_t size, const std::string& path) {
    while (!xf::FitsInFreeSpace(size, CFileAccess::GetFreeSpace(path))) {
        if (CFileAccess::CheckOutputDrive(path, TRUE) != 2) {
            ShowMessage(61);
            return FALSE;
        }
        if (ShowMessage(60) != IDOK) return FALSE;
    }
    return TRUE;
}

BOOL CKorxf300Dlg::CheckOutputPath(std::uint64_t& size, const std::string& path) {
    SetFieldInError(0);
    if (!CheckOutputName(path)) {
        SetFieldInError(IDC_XF300_OUTPUT);
        return FALSE;
    }
    switch (xf::CheckRecordsForOutput(*m_dataSet)) {
        case 20:
            ShowMessage(20);
            return FALSE;
        case 39:
            ShowMessage(39);
            return FALSE;
        default:
            break;
    }
    int records = 0;
    for (const auto& record : m_dataSet->details) {
        if (record->deleteFlag != 1) ++records;
    }
    size = xf::EstimateOutputSize(m_dataSet->outputLengthCode, m_dataSet->lineBreak, records);
    return CheckFreeSpace(size, path);
}

void CKorxf300Dlg::OnBtnOutput() {
    if (!m_dataSet) return;
    const kor::CWaitCursor wait;
    std::string typed;
    CStrUtil::CutMbcs(GetItemText(IDC_XF300_OUTPUT), typed, MAX_PATH - 1);
    // The output goes on with the data as read.
    if (HaveSettingsChanged()) ShowMessage(83);
    const std::string path = xf::NormalizePathText(typed);

    std::uint64_t size = 0;
    if (!CheckOutputPath(size, path)) {
        FocusItem(IDC_XF300_OUTPUT);
        RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return;
    }
    if (ShowMessage(24, "出力") != IDOK) return;

    xf::CTransferWriter writer(&m_messages, GetSafeHwnd());
    writer.SetData(m_dataSet.get(), path);
    const int result = writer.Run();
    if (result == xf::CTransferWriter::kWritten) {
        ShowMessage(75);
        EnableItem(IDC_XF300_CHECK, true);
        m_dataSet->outputDone = 1;
        m_dataSet->outputTime = Now();
    } else {
        if (result == xf::CTransferWriter::kTotalsTooLarge) {
            ShowMessage(112);
        } else {
            ShowFixedBox(kOutputFailed, MB_OK | MB_ICONERROR);
        }
        EnableItem(IDC_XF300_CHECK, false);
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
