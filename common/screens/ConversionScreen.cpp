#include "common/screens/ConversionScreen.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

#include "common/base/PathNames.h"
#include "common/base/StrUtil.h"
#include "common/flow/PathCheck.h"
#include "common/screens/KeptChoice.h"
#include "common/screens/MainScreenParts.h"
#include "framework/FileDialogSeam.h"
#include "framework/MessageSeam.h"
#include "framework/TextFileDialog.h"
#include "framework/WaitCursor.h"

namespace {

constexpr char kErrorCaption[] = "エラー";
constexpr char kMessageMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<B>";
constexpr char kMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<C>";

// A master that could not be loaded counts as empty while its file does not exist.
bool IsMissing(const std::string& path) {
    return kor::CPathProbe::System().KindOf(path) == kor::CPathProbe::Kind::kMissing;
}

}  // namespace

CConversionScreen::CConversionScreen(std::string programFolder, HWND parent,
                                     const kor::ConversionControls& ids,
                                     const kor::ConversionScreenNames& names,
                                     const kor::ConversionScreenMessages& messages)
    : CScreenBase(ids.dialog, parent, &m_messages, kor::ProgramIcon(ids.icon), names.programName),
      m_ids(ids),
      m_names(names),
      m_screenMessages(messages),
      m_programFolder(std::move(programFolder)) {}

CConversionScreen::~CConversionScreen() {
    DestroyWindow();
}

// --- Initialisation ------------------------------------------------------------------------------

BOOL CConversionScreen::OnInitDialog() {
    SetItemText(m_ids.version, m_names.version);
    AddAboutItem();
    ShowScreenIcon();

    EnableItem(m_ids.correct, false);
    EnableItem(m_ids.check, false);
    EnableItem(m_ids.outputData, false);

    if (!LoadMasters()) {
        // The screen closes as soon as it would be shown.
        EndDialog(kor::kEndedAtStart);
        return TRUE;
    }
    m_helpPath = m_programFolder + m_names.helpFile;
    CreateTooltip();
    return TRUE;
}

void CConversionScreen::AddAboutItem() {
    HMENU menu = GetSystemMenu(GetSafeHwnd(), FALSE);
    if (!menu) return;
    wchar_t text[256] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), m_ids.aboutItem, text, 256) > 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kor::kAboutCommand, text);
    }
    DeleteMenu(menu, 3, MF_BYPOSITION);
    DeleteMenu(menu, 2, MF_BYPOSITION);
}

bool CConversionScreen::LoadMasters() {
    if (m_messages.Load(m_programFolder + m_names.messageMaster) != 0) {
        kor::ShowMessageBox(GetSafeHwnd(), kMessageMasterBroken, kErrorCaption,
                            MB_OK | MB_ICONERROR);
        return false;
    }

    const std::string patternPath = m_programFolder + m_names.patternMaster;
    // A missing master is an empty one.
    if (LoadPatternMaster(patternPath) != 1 && !IsMissing(patternPath)) {
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

    const std::string partyPath = m_programFolder + m_names.partyMaster;
    switch (LoadPartyMaster(partyPath)) {
        case 1:
            break;
        case 0:
            if (IsMissing(partyPath)) break;
            kor::ShowMessageBox(GetSafeHwnd(), kMasterBroken, kErrorCaption, MB_OK | MB_ICONERROR);
            return false;
        default:  // out of memory, said already
            return false;
    }
    FillPartyCombo();
    return true;
}

void CConversionScreen::CreateTooltip() {
    // The text is made when the tip is about to show, from the party chosen then.
    m_partyTip.Create(GetSafeHwnd(), Item(m_ids.partyList), [this] {
        UpdatePartySelection();
        return PartyTipText();
    });
}

bool CConversionScreen::OnNotify(int /*id*/, NMHDR* header) {
    return m_partyTip.OnNotify(header);
}

// --- The lists ---------------------------------------------------------------------------------

void CConversionScreen::FillPatternCombo() {
    RefillKeepingChoice(
        Combo(m_ids.pattern), PatternCount(), [this](std::size_t i) { return PatternName(i); },
        m_patternIndex, m_patternName);
    OnSelchangePattern();
}

void CConversionScreen::OnSelchangePattern() {
    const int selection = Combo(m_ids.pattern).GetCurSel();
    const bool listed = selection >= 0 && static_cast<std::size_t>(selection) < PatternCount();
    OnPatternSelected(listed ? selection : -1);
}

void CConversionScreen::FillPartyCombo() {
    RefillKeepingChoice(
        Combo(m_ids.partyList), PartyCount(), [this](std::size_t i) { return PartyDescription(i); },
        m_partyIndex, m_partyDescription);
    UpdatePartySelection();
}

void CConversionScreen::UpdatePartySelection() {
    const int selection = Combo(m_ids.partyList).GetCurSel();
    if (selection >= 0 && static_cast<std::size_t>(selection) < PartyCount()) {
        m_partyIndex = selection;
        SetParty(selection);
        m_partyDescription = PartyDescription(selection);
    } else {
        m_partyIndex = -1;
        SetParty(-1);
        m_partyDescription.clear();
    }
}

// --- Commands ----------------------------------------------------------------------------------

bool CConversionScreen::OnCommand(int id, int code, HWND /*control*/) {
    if (code != CBN_SELCHANGE) return false;
    if (id == m_ids.pattern) {
        OnSelchangePattern();
        return true;
    }
    if (id == m_ids.partyList) {
        UpdatePartySelection();
        return true;
    }
    return false;
}

bool CConversionScreen::OnButtonClicked(int id) {
    using Handler = void (CConversionScreen::*)();
    const std::pair<int, Handler> buttons[] = {
        {m_ids.exit, &CConversionScreen::OnBtnExit},
        {m_ids.browseInput, &CConversionScreen::OnBtnBrowseInput},
        {m_ids.browseOutput, &CConversionScreen::OnBtnBrowseOutput},
        {m_ids.read, &CConversionScreen::OnBtnFileRead},
        {m_ids.outputData, &CConversionScreen::OnBtnOutput},
        {m_ids.correct, &CConversionScreen::OnBtnCorrect},
        {m_ids.fixedPattern, &CConversionScreen::OnBtnFixedPattern},
        {m_ids.delimPattern, &CConversionScreen::OnBtnDelimPattern},
        {m_ids.party, &CConversionScreen::OnBtnParty},
        {m_ids.check, &CConversionScreen::OnBtnCheck},
    };
    for (const auto& [button, handler] : buttons) {
        if (id != button) continue;
        (this->*handler)();
        return true;
    }
    return false;
}

bool CConversionScreen::OnSysCommand(UINT command, LPARAM /*lp*/) {
    return kor::OnAboutCommand(command, m_ids.aboutBox, ProgramName(), GetSafeHwnd());
}

bool CConversionScreen::OnOtherMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& result) {
    return OnMinimisedIconMessage(msg, result);
}

void CConversionScreen::OnDestroy() {
    m_partyTip.Detach();
}

// --- Closing -----------------------------------------------------------------------------------

void CConversionScreen::OnClose() {
    AskToClose();
}

void CConversionScreen::OnBtnExit() {
    const kor::DataState data = CurrentData();
    if (data.exists && data.errorFree && !data.outputDone) ShowMessage(m_screenMessages.notOutput);
    AskToClose();
}

void CConversionScreen::AskToClose() {
    if (ShowMessage(m_screenMessages.endQuestion) != IDCANCEL) EndDialog(IDOK);
}

// --- Settings screens ---------------------------------------------------------------------------

void CConversionScreen::RememberPatternSelection() {
    const kor::CComboView combo = Combo(m_ids.pattern);
    m_patternIndex = combo.GetCurSel();
    m_patternName = m_patternIndex >= 0 ? combo.GetLBText(m_patternIndex) : std::string();
}

void CConversionScreen::OnBtnFixedPattern() {
    RunFixedPatternScreen();
    RememberPatternSelection();
    FillPatternCombo();
}

void CConversionScreen::OnBtnDelimPattern() {
    RunDelimPatternScreen();
    RememberPatternSelection();
    FillPatternCombo();
}

void CConversionScreen::OnBtnParty() {
    // The chosen party lives in the master, which the screen may change.
    SetParty(-1);
    RunPartyScreen();
    FillPartyCombo();
}

// --- Correction and check --------------------------------------------------------------------

void CConversionScreen::OnBtnCorrect() {
    if (!CurrentData().exists) return;
    {
        kor::CWaitCursor wait;
        RunCorrectionScreen();
    }
    // An update on the correction screen makes the written file out of date.
    if (!CurrentData().outputDone) EnableItem(m_ids.check, false);
}

void CConversionScreen::OnBtnCheck() {
    if (!CurrentData().exists) return;
    kor::CWaitCursor wait;
    RunCheckScreen();
}

// --- Browsing ----------------------------------------------------------------------------------

void CConversionScreen::OnBtnBrowseInput() {
    kor::BrowseInputFile(*this, m_ids.input);
}

void CConversionScreen::OnBtnBrowseOutput() {
    kor::FileDialogRequest request = kor::TextFileDialog(GetSafeHwnd());
    request.fileName = kor::DefaultOutputName(GetItemText(m_ids.input));
    if (const std::optional<std::string> path = kor::ShowFileDialog(request))
        SetItemText(m_ids.output, *path);
}

// --- Reading -----------------------------------------------------------------------------------

void CConversionScreen::ShowStop(const kor::FlowResult& result) {
    int id = 0;
    switch (result.focus) {
        case kor::FlowField::kNone:
            return;
        case kor::FlowField::kPattern:
            id = m_ids.pattern;
            break;
        case kor::FlowField::kMonth:
            id = m_ids.month;
            break;
        case kor::FlowField::kDay:
            id = m_ids.day;
            break;
        case kor::FlowField::kInput:
            id = m_ids.input;
            break;
        case kor::FlowField::kOutput:
            id = m_ids.output;
            break;
    }
    if (result.inError) SetFieldInError(id);
    FocusItem(id);
}

void CConversionScreen::OnBtnFileRead() {
    EnableItem(m_ids.correct, false);
    EnableItem(m_ids.check, false);
    EnableItem(m_ids.outputData, false);
    UpdatePartySelection();
    SetFieldInError(0);

    kor::ScreenChoices choices;
    choices.patternIndex = Combo(m_ids.pattern).GetCurSel();
    const int monthIndex = Combo(m_ids.month).GetCurSel();
    const int dayIndex = Combo(m_ids.day).GetCurSel();
    if (monthIndex >= 0 && dayIndex >= 0) {
        choices.month = Combo(m_ids.month).GetLBText(monthIndex);
        choices.day = Combo(m_ids.day).GetLBText(dayIndex);
    }
    choices.input = GetItemText(m_ids.input);

    CWindowMessages messages(m_messages, GetSafeHwnd(), ProgramName());
    const kor::FlowResult result = ReadData(messages, choices);
    if (result.stage == kor::FlowResult::kCheck) {
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

int CConversionScreen::CompareWithRead(const kor::ReadSettings& read,
                                       const kor::SettingsChangeCodes& codes) const {
    if (Combo(m_ids.pattern).GetCurSel() != read.patternIndex) return codes.pattern;
    if (kor::TrimLeadingBlanks(GetItemText(m_ids.month)) != read.month) return codes.month;
    if (kor::TrimLeadingBlanks(GetItemText(m_ids.day)) != read.day) return codes.day;
    if (m_partyIndex < 0) return codes.party;
    const char* readWith = read.partyDescription ? read.partyDescription : "";
    if (m_partyDescription != readWith) return codes.party;
    return 0;
}

void CConversionScreen::OnBtnOutput() {
    if (!CurrentData().exists) return;
    const kor::CWaitCursor wait;
    // The output goes on with the data as read.
    if (HaveSettingsChanged()) ShowMessage(m_screenMessages.settingsChanged);
    SetFieldInError(0);

    CWindowMessages messages(m_messages, GetSafeHwnd(), ProgramName());
    const kor::FlowResult result = WriteData(messages, GetItemText(m_ids.output));
    if (result.stage == kor::FlowResult::kCheck) {
        // Declining to go on leaves the screen as it is.
        if (result.focus == kor::FlowField::kNone) return;
        ShowStop(result);
    } else {
        EnableItem(m_ids.check, result.Done());
    }
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
