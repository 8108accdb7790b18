#include "transfer/Korxf300Dlg.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "common/FileAccess.h"
#include "common/FlowMessages.h"
#include "common/PathCheck.h"
#include "common/PathNames.h"
#include "common/StrUtil.h"
#include "common/SysEnv.h"
#include "framework/AboutDlg.h"
#include "framework/FileDialogSeam.h"
#include "framework/MessageSeam.h"
#include "framework/TextFileDialog.h"
#include "framework/WaitCursor.h"
#include "resources/transfer/Korxf300DlgRes.h"
#include "transfer/ConversionFlow.h"
#include "transfer/Korxf301Dlg.h"
#include "transfer/Korxf302Dlg.h"
#include "transfer/Korxf303Dlg.h"
#include "transfer/Korxf304Dlg.h"
#include "transfer/Korxf305Dlg.h"
#include "transfer/RequesterTip.h"
#include "transfer/ScreenVersion.h"
#include "transfer/TransferItems.h"

namespace {

constexpr char kErrorCaption[] = "エラー";
constexpr char kMessageMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<B>";
constexpr char kMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<C>";

constexpr char kMessageMasterName[] = "mstKORXF001.ini";
constexpr char kHelpFileName[] = "KorXF300.chm";

// System-menu commands 16..31 open the about box.
constexpr UINT kAboutCommand = 0x0010;

// End result of a screen that could not start.
constexpr INT_PTR kEndedAtStart = 2;

// The program icon of the resources; shared, never destroyed.
HICON ProgramIcon(UINT id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

// A master that could not be loaded counts as empty while its file does not exist.
bool IsMissing(const std::string& path) {
    return kor::CPathProbe::System().KindOf(path) == kor::CPathProbe::Kind::kMissing;
}

}  // namespace

namespace xf {

const Korxf300Controls kKorxf300Controls = {
    IDD_KORXF300,
    IDD_ABOUTBOX,
    IDS_ABOUTBOX,
    IDR_MAINFRAME,
    IDC_XF300_EXIT,
    IDC_XF300_READ,
    IDC_XF300_CORRECT,
    IDC_XF300_OUTPUT_DATA,
    IDC_XF300_CHECK,
    IDC_XF300_FIXED_PATTERN,
    IDC_XF300_DELIM_PATTERN,
    IDC_XF300_REQUESTER,
    IDC_XF300_REQUESTER_LIST,
    IDC_XF300_PATTERN,
    IDC_XF300_MONTH,
    IDC_XF300_DAY,
    {IDC_XF300_SALARY, IDC_XF300_BONUS},
    IDC_XF300_INPUT,
    IDC_XF300_BROWSE_INPUT,
    IDC_XF300_OUTPUT,
    IDC_XF300_BROWSE_OUTPUT,
    IDC_XF300_VERSION,
};

}  // namespace xf

CKorxf300Dlg::CKorxf300Dlg(std::string programFolder, HWND parent,
                           const xf::Korxf300Controls& ids)
    : CScreenBase(ids.dialog, parent, &m_messages, ProgramIcon(ids.icon), xf::kProgramName),
      m_ids(ids),
      m_programFolder(std::move(programFolder)) {}

CKorxf300Dlg::~CKorxf300Dlg() {
    DestroyWindow();
}

// --- Initialisation ------------------------------------------------------------------------------

BOOL CKorxf300Dlg::OnInitDialog() {
    SetItemText(m_ids.version, xf::kScreenVersion);
    AddAboutItem();
    ShowScreenIcon();

    EnableItem(m_ids.correct, false);
    EnableItem(m_ids.check, false);
    EnableItem(m_ids.outputData, false);

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
    if (LoadStringW(GetModuleHandleW(nullptr), m_ids.aboutItem, text, 256) > 0) {
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
    if (m_patterns.Load(patternPath) != 1 && !IsMissing(patternPath)) {
        kor::ShowMessageBox(GetSafeHwnd(), kMasterBroken, kErrorCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    FillPatternCombo();

    for (int month = 1; month <= 12; ++month) {
        char text[4];
        std::snprintf(text, sizeof text, "%2d", month);
        Combo(m_ids.month).AddString(text);
    }
    for (int day = 1; day <= 31; ++day) {
        char text[4];
        std::snprintf(text, sizeof text, "%2d", day);
        Combo(m_ids.day).AddString(text);
    }
    Combo(m_ids.month).SetCurSel(0);
    Combo(m_ids.day).SetCurSel(0);

    const std::string requesterPath = m_programFolder + xf::CRequesterStore::kFileName;
    m_requesters.SetOwner(&m_messages, GetSafeHwnd());
    switch (m_requesters.Load(requesterPath)) {
        case 1:
            break;
        case 0:
            if (IsMissing(requesterPath)) break;
            kor::ShowMessageBox(GetSafeHwnd(), kMasterBroken, kErrorCaption, MB_OK | MB_ICONERROR);
            return false;
        default:  // out of memory, said already
            return false;
    }
    FillRequesterCombo();
    return true;
}

void CKorxf300Dlg::CreateTooltip() {
    // The text is made when the tip is about to show, from the requester chosen then.
    m_requesterTip.Create(GetSafeHwnd(), Item(m_ids.requesterList), [this] {
        UpdateRequesterSelection();
        return m_requester ? xf::RequesterTipText(*m_requester) : std::string();
    });
}

bool CKorxf300Dlg::OnNotify(int /*id*/, NMHDR* header) {
    return m_requesterTip.OnNotify(header);
}

// --- The lists ---------------------------------------------------------------------------------

void CKorxf300Dlg::FillPatternCombo() {
    const xf::CPatternObList& list = m_patterns.GetList();
    const kor::CComboView combo = Combo(m_ids.pattern);
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
    const int selection = Combo(m_ids.pattern).GetCurSel();
    const xf::CPatternObList& list = m_patterns.GetList();
    if (selection >= 0 && static_cast<size_t>(selection) < list.size()) {
        // Only salary/bonus transfers tell salary from bonus.
        const bool choice = list[selection]->kind != xf::kKindGeneral;
        EnableItem(m_ids.bonusChoice[0], choice);
        EnableItem(m_ids.bonusChoice[1], choice);
    }
    CheckRadio(m_ids.bonusChoice, m_ids.bonusChoice[0]);
}

void CKorxf300Dlg::FillRequesterCombo() {
    const xf::CRequesterObList& list = m_requesters.GetList();
    const kor::CComboView combo = Combo(m_ids.requesterList);
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
    const int selection = Combo(m_ids.requesterList).GetCurSel();
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
    if (code != CBN_SELCHANGE) return false;
    if (id == m_ids.pattern) {
        OnSelchangePattern();
        return true;
    }
    if (id == m_ids.requesterList) {
        OnSelchangeRequester();
        return true;
    }
    return false;
}

bool CKorxf300Dlg::OnButtonClicked(int id) {
    using Handler = void (CKorxf300Dlg::*)();
    const std::pair<int, Handler> buttons[] = {
        {m_ids.exit, &CKorxf300Dlg::OnBtnExit},
        {m_ids.browseInput, &CKorxf300Dlg::OnBtnBrowseInput},
        {m_ids.browseOutput, &CKorxf300Dlg::OnBtnBrowseOutput},
        {m_ids.read, &CKorxf300Dlg::OnBtnFileRead},
        {m_ids.outputData, &CKorxf300Dlg::OnBtnOutput},
        {m_ids.correct, &CKorxf300Dlg::OnBtnCorrect},
        {m_ids.fixedPattern, &CKorxf300Dlg::OnBtnFixedPattern},
        {m_ids.delimPattern, &CKorxf300Dlg::OnBtnDelimPattern},
        {m_ids.requester, &CKorxf300Dlg::OnBtnRequester},
        {m_ids.check, &CKorxf300Dlg::OnBtnCheck},
    };
    for (const auto& [button, handler] : buttons) {
        if (id != button) continue;
        (this->*handler)();
        return true;
    }
    return false;
}

bool CKorxf300Dlg::OnSysCommand(UINT command, LPARAM /*lp*/) {
    if ((command & 0xFFF0) != kAboutCommand) return false;
    kor::CAboutDlg about(m_ids.aboutBox, ProgramName(), GetSafeHwnd());
    about.DoModal();
    return true;
}

bool CKorxf300Dlg::OnOtherMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& result) {
    switch (msg) {
        case WM_PAINT: {
            if (!IsIconic(GetSafeHwnd()) || !ScreenIcon()) return false;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(GetSafeHwnd(), &paint);
            RECT rect;
            GetClientRect(GetSafeHwnd(), &rect);
            const int x = (rect.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
            const int y = (rect.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
            DrawIcon(dc, x, y, ScreenIcon());
            EndPaint(GetSafeHwnd(), &paint);
            result = TRUE;
            return true;
        }
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(ScreenIcon());
            return true;
        default:
            return false;
    }
}

void CKorxf300Dlg::OnDestroy() {
    m_dataSet.reset();
    m_requester = nullptr;
    m_requesterTip.Detach();
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
    const kor::CComboView combo = Combo(m_ids.pattern);
    m_patternIndex = combo.GetCurSel();
    m_patternName = m_patternIndex >= 0 ? combo.GetLBText(m_patternIndex) : std::string();
}

void CKorxf300Dlg::OnBtnFixedPattern() {
    {
        xf::CKorxf303Dlg settings(ScreenIcon(), &m_patterns, &m_messages, m_helpPath, GetSafeHwnd());
        settings.DoModal();
    }
    RememberPatternSelection();
    FillPatternCombo();
}

void CKorxf300Dlg::OnBtnDelimPattern() {
    {
        xf::CKorxf304Dlg settings(ScreenIcon(), GetSafeHwnd());
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
        xf::CKorxf305Dlg settings(ScreenIcon(), &m_messages, m_helpPath, GetSafeHwnd());
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
        xf::CKorxf301Dlg correction(ScreenIcon(), m_dataSet.get(), &m_messages, m_helpPath,
                                    GetSafeHwnd());
        correction.DoModal();
    }
    // An update on the correction screen makes the written file out of date.
    if (!m_dataSet->outputDone) EnableItem(m_ids.check, false);
}

void CKorxf300Dlg::OnBtnCheck() {
    if (!m_dataSet) return;
    kor::CWaitCursor wait;
    xf::CKorxf302Dlg check(ScreenIcon(), m_dataSet.get(), &m_messages, m_helpPath, GetSafeHwnd());
    check.DoModal();
}

// --- Browsing ----------------------------------------------------------------------------------

void CKorxf300Dlg::OnBtnBrowseInput() {
    if (const std::optional<std::string> path =
            kor::ShowFileDialog(kor::TextFileDialog(GetSafeHwnd())))
        SetItemText(m_ids.input, *path);
}

void CKorxf300Dlg::OnBtnBrowseOutput() {
    kor::FileDialogRequest request = kor::TextFileDialog(GetSafeHwnd());
    request.fileName = kor::DefaultOutputName(GetItemText(m_ids.input));
    if (const std::optional<std::string> path = kor::ShowFileDialog(request))
        SetItemText(m_ids.output, *path);
}

// --- Reading -----------------------------------------------------------------------------------

void CKorxf300Dlg::ShowStop(const xf::FlowResult& result) {
    int id = 0;
    switch (result.focus) {
        case xf::FlowField::kNone:
            return;
        case xf::FlowField::kPattern:
            id = m_ids.pattern;
            break;
        case xf::FlowField::kMonth:
            id = m_ids.month;
            break;
        case xf::FlowField::kDay:
            id = m_ids.day;
            break;
        case xf::FlowField::kInput:
            id = m_ids.input;
            break;
        case xf::FlowField::kOutput:
            id = m_ids.output;
            break;
    }
    if (result.inError) SetFieldInError(id);
    FocusItem(id);
}

void CKorxf300Dlg::OnBtnFileRead() {
    EnableItem(m_ids.correct, false);
    EnableItem(m_ids.check, false);
    EnableItem(m_ids.outputData, false);
    UpdateRequesterSelection();
    SetFieldInError(0);

    xf::ConvertChoices choices;
    choices.requester = m_requester;
    choices.patternIndex = Combo(m_ids.pattern).GetCurSel();
    const int monthIndex = Combo(m_ids.month).GetCurSel();
    const int dayIndex = Combo(m_ids.day).GetCurSel();
    if (monthIndex >= 0 && dayIndex >= 0) {
        choices.month = Combo(m_ids.month).GetLBText(monthIndex);
        choices.day = Combo(m_ids.day).GetLBText(dayIndex);
    }
    choices.bonus = CheckedRadio(m_ids.bonusChoice) == m_ids.bonusChoice[1] ? 1 : 0;
    choices.input = GetItemText(m_ids.input);

    CWindowMessages messages(m_messages, GetSafeHwnd(), ProgramName());
    xf::CConversionFlow flow(messages, &m_messages, GetSafeHwnd());
    const xf::FlowResult result = flow.Read(m_patterns, choices, m_dataSet);
    if (result.stage == xf::FlowResult::kCheck) {
        ShowStop(result);
        return;
    }
    if (result.Done()) {
        EnableItem(m_ids.correct, true);
        EnableItem(m_ids.outputData, true);
        EnableItem(m_ids.check, false);
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// --- Output ------------------------------------------------------------------------------------

int CKorxf300Dlg::HaveSettingsChanged() const {
    const xf::CDataSet& data = *m_dataSet;
    if (Combo(m_ids.pattern).GetCurSel() != data.patternIndex) return 1;
    const int radio = CheckedRadio(m_ids.bonusChoice);
    if ((data.bonusFlag == 1 && radio == m_ids.bonusChoice[0]) ||
        (data.bonusFlag == 0 && radio == m_ids.bonusChoice[1]))
        return 1;
    if (kor::TrimLeadingBlanks(GetItemText(m_ids.month)) != data.month) return 1;
    if (kor::TrimLeadingBlanks(GetItemText(m_ids.day)) != data.day) return 1;
    if (!m_requester) return 1;
    const char* readWith = data.requester ? data.requester->description : "";
    if (std::string_view(m_requester->description) != readWith) return 1;
    return 0;
}

void CKorxf300Dlg::OnBtnOutput() {
    if (!m_dataSet) return;
    const kor::CWaitCursor wait;
    // The output goes on with the data as read.
    if (HaveSettingsChanged()) ShowMessage(83);
    SetFieldInError(0);

    CWindowMessages messages(m_messages, GetSafeHwnd(), ProgramName());
    xf::CConversionFlow flow(messages, &m_messages, GetSafeHwnd());
    const xf::FlowResult result = flow.Output(GetItemText(m_ids.output), *m_dataSet);
    if (result.stage == xf::FlowResult::kCheck) {
        // Declining to go on leaves the screen as it is.
        if (result.focus == xf::FlowField::kNone) return;
        ShowStop(result);
    } else {
        EnableItem(m_ids.check, result.Done());
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
