#include "localtax/KorTx300Dlg.h"

#include <shlobj.h>

#include <utility>

#include "common/screens/KeptChoice.h"
#include "common/screens/MainScreenParts.h"
#include "framework/MessageSeam.h"
#include "framework/WaitCursor.h"
#include "localtax/FolderDlg.h"
#include "localtax/KorTx301Dlg.h"
#include "localtax/KorTx302Dlg.h"
#include "localtax/KorTx303Dlg.h"
#include "localtax/KorTx304Dlg.h"
#include "localtax/KorTx305Dlg.h"
#include "localtax/MessageIds.h"
#include "localtax/ProgressQuestions.h"
#include "localtax/RequesterStore.h"
#include "localtax/ScreenVersion.h"
#include "localtax/SysEnv.h"
#include "resources/localtax/KorTx300DlgRes.h"

namespace {

constexpr char kErrorCaption[] = "エラー";
constexpr char kMessageMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールしてください。<mstKORTX001.ini>";
constexpr char kPatternMasterBroken[] =
    "処理に必要なファイルが破損しています。再インストールして下さい。<C>";
constexpr char kOutputFolderTitle[] = "変換後フォルダ名";

std::string WithoutTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

}  // namespace

CKorTx300Dlg::CKorTx300Dlg(std::string programFolder, HWND parent)
    : CScreenBase(IDD_KORTX300, parent, &m_messages, kor::ProgramIcon(IDR_TX_MAINFRAME),
                  tx::kProgramName),
      m_programFolder(WithoutTrailingBackslash(std::move(programFolder))) {}

CKorTx300Dlg::~CKorTx300Dlg() = default;

BOOL CKorTx300Dlg::OnInitDialog() {
    SetScreenLabels(0, {}, IDC_TX300_VERSION, tx::CSysEnv::GetVersionText());
    if (!LoadMasters()) EndDialog(kor::kEndedAtStart);
    FillPatternCombo();
    LoadRequester();
    EnableItem(IDC_TX300_CORRECT, false);
    EnableItem(IDC_TX300_CHECK, false);
    EnableItem(IDC_TX300_OUTPUT_DATA, false);
    return TRUE;
}

bool CKorTx300Dlg::LoadMasters() {
    if (m_messages.Load(m_programFolder) != 0) {
        kor::ShowMessageBox(GetSafeHwnd(), kMessageMasterBroken, kErrorCaption,
                            MB_OK | MB_ICONERROR);
        return false;
    }
    const std::string patternPath = m_programFolder + "\\" + tx::CPatternStore::kFileName;
    if (m_patterns.Load(patternPath) == 0 && tx::CSysEnv::Exists(patternPath)) {
        kor::ShowMessageBox(GetSafeHwnd(), kPatternMasterBroken, kErrorCaption,
                            MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

void CKorTx300Dlg::LoadRequester() {
    m_requester = tx::CRequesterStore(m_programFolder).ReadEntry();
    // Without a record the name lines are emptied, so that a read stops at the missing
    // requester whether or not the master is there.
    SetItemText(IDC_TX300_NAME1, m_requester ? m_requester->name1 : std::string());
    SetItemText(IDC_TX300_NAME2, m_requester ? m_requester->name2 : std::string());
}

// --- The pattern list ----------------------------------------------------------------------------

void CKorTx300Dlg::FillPatternCombo() {
    const auto& list = m_patterns.GetList();
    RefillKeepingChoice(
        Combo(IDC_TX300_PATTERN), list.size(), [&list](size_t i) { return list[i]->name; },
        m_patternIndex, m_patternName);
}

void CKorTx300Dlg::RememberPatternSelection() {
    const kor::CComboView combo = Combo(IDC_TX300_PATTERN);
    m_patternIndex = combo.GetCurSel();
    if (m_patternIndex >= 0) m_patternName = combo.GetLBText(m_patternIndex);
}

bool CKorTx300Dlg::IsPatternChanged() const {
    return Combo(IDC_TX300_PATTERN).GetCurSel() != m_patternIndex;
}

// --- Commands ------------------------------------------------------------------------------------

bool CKorTx300Dlg::OnButtonClicked(int id) {
    using Handler = void (CKorTx300Dlg::*)();
    static constexpr std::pair<int, Handler> kButtons[] = {
        {IDC_TX300_EXIT, &CKorTx300Dlg::OnBtnExit},
        {IDC_TX300_READ, &CKorTx300Dlg::OnBtnFileRead},
        {IDC_TX300_OUTPUT_DATA, &CKorTx300Dlg::OnBtnOutput},
        {IDC_TX300_BROWSE_INPUT, &CKorTx300Dlg::OnBtnBrowseInput},
        {IDC_TX300_BROWSE_OUTPUT, &CKorTx300Dlg::OnBtnBrowseOutput},
        {IDC_TX300_FIXED_PATTERN, &CKorTx300Dlg::OnBtnFixedPattern},
        {IDC_TX300_DELIM_PATTERN, &CKorTx300Dlg::OnBtnDelimPattern},
        {IDC_TX300_REQUESTER, &CKorTx300Dlg::OnBtnRequester},
        {IDC_TX300_CORRECT, &CKorTx300Dlg::RunCorrectionScreen},
        {IDC_TX300_CHECK, &CKorTx300Dlg::RunCheckScreen},
    };
    for (const auto& [button, handler] : kButtons) {
        if (id != button) continue;
        (this->*handler)();
        return true;
    }
    return false;
}

bool CKorTx300Dlg::OnCommand(int id, int code, HWND /*control*/) {
    // A new choice of pattern shows nothing until the next read or output.
    return id == IDC_TX300_PATTERN && code == CBN_SELCHANGE;
}

void CKorTx300Dlg::OnClose() {
    OnBtnExit();
}

bool CKorTx300Dlg::OnSysCommand(UINT command, LPARAM /*lp*/) {
    return kor::OnAboutCommand(command, IDD_TX_ABOUTBOX, ProgramName(), GetSafeHwnd());
}

bool CKorTx300Dlg::OnOtherMessage(UINT msg, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& result) {
    return OnMinimisedIconMessage(msg, result);
}

void CKorTx300Dlg::OnBtnExit() {
    if (m_notOutput) ShowMessage(tx::Msg::kNotOutput);
    if (ShowMessage(tx::Msg::kEndProgram) == IDCANCEL) return;
    ClearData();
    m_requester.reset();
    EndDialog(IDOK);
}

void CKorTx300Dlg::ClearData() {
    m_readData.reset();
    m_outputData.reset();
}

void CKorTx300Dlg::Redraw() const {
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CKorTx300Dlg::ShowStop(tx::FlowField field) {
    switch (field) {
        case tx::FlowField::kNone:
            return;
        case tx::FlowField::kPattern:
            FocusItem(IDC_TX300_PATTERN);
            return;
        case tx::FlowField::kInput:
            SetFieldInError(IDC_TX300_INPUT);
            FocusItem(IDC_TX300_INPUT);
            return;
        case tx::FlowField::kOutput:
            SetFieldInError(IDC_TX300_OUTPUT);
            FocusItem(IDC_TX300_OUTPUT);
            return;
    }
}

// --- Browsing ------------------------------------------------------------------------------------

void CKorTx300Dlg::OnBtnBrowseInput() {
    kor::BrowseInputFile(*this, IDC_TX300_INPUT);
}

void CKorTx300Dlg::OnBtnBrowseOutput() {
    std::string start = GetItemText(IDC_TX300_OUTPUT);
    if (!tx::CSysEnv::CanWrite(start)) start.clear();
    tx::CFolderDlg picker(GetSafeHwnd(), BIF_RETURNONLYFSDIRS);
    if (picker.Browse(kOutputFolderTitle, start)) SetItemText(IDC_TX300_OUTPUT, picker.Path());
}

// --- Read and output -----------------------------------------------------------------------------

void CKorTx300Dlg::OnBtnFileRead() {
    EnableItem(IDC_TX300_CORRECT, false);
    EnableItem(IDC_TX300_CHECK, false);
    EnableItem(IDC_TX300_OUTPUT_DATA, false);
    LoadRequester();
    SetFieldInError(0);

    const int pattern = Combo(IDC_TX300_PATTERN).GetCurSel();
    tx::CConversionFlow flow(m_messages, GetSafeHwnd(), tx::kProgressDialog);
    // The flow empties the read data set once the read starts; the output data set goes with it.
    const tx::FlowOutcome outcome = flow.Read(m_patterns, pattern, m_requester.get(),
                                              GetItemText(IDC_TX300_INPUT), m_readData, m_itemSets);
    if (outcome.done) {
        m_outputData.reset();
        m_patternIndex = pattern;
        m_notOutput = true;
        EnableItem(IDC_TX300_CORRECT, true);
        EnableItem(IDC_TX300_OUTPUT_DATA, true);
    } else if (outcome.code != -1 || !m_readData) {
        ClearData();
        m_notOutput = false;
    }
    ShowStop(outcome.field);
    Redraw();
}

void CKorTx300Dlg::OnBtnOutput() {
    if (!m_readData) return;
    const kor::CWaitCursor wait;
    SetFieldInError(0);
    tx::CConversionFlow flow(m_messages, GetSafeHwnd(), tx::kProgressDialog);
    const tx::FlowOutcome outcome =
        flow.Output(GetItemText(IDC_TX300_OUTPUT), *m_readData, IsPatternChanged(), m_outputData);
    if (outcome.code != -1) {
        EnableItem(IDC_TX300_CHECK, outcome.done);
        m_notOutput = !outcome.done;
    }
    ShowStop(outcome.field);
    Redraw();
}

// --- Other screens -------------------------------------------------------------------------------

void CKorTx300Dlg::OnBtnFixedPattern() {
    RunFixedPatternScreen();
    RememberPatternSelection();
    FillPatternCombo();
}

void CKorTx300Dlg::RunFixedPatternScreen() {
    tx::CKorTx303Dlg screen(ScreenIcon(), &m_patterns, &m_messages, GetSafeHwnd());
    screen.DoModal();
}

void CKorTx300Dlg::OnBtnDelimPattern() {
    RunDelimPatternScreen();
    RememberPatternSelection();
    FillPatternCombo();
}

void CKorTx300Dlg::RunDelimPatternScreen() {
    tx::CKorTx304Dlg settings(ScreenIcon(), GetSafeHwnd());
    settings.SetContext(&m_patterns, &m_messages);
    settings.DoModal();
}

void CKorTx300Dlg::OnBtnRequester() {
    // The name lines follow at the next read.
    RunRequesterScreen();
}

void CKorTx300Dlg::RunRequesterScreen() {
    tx::CKorTx305Dlg(kor::kScreenColor, ScreenIcon(), &m_messages, m_programFolder, {},
                     GetSafeHwnd())
        .DoModal();
}

// The correction screen changes the read data set in place (corrections, details ticked for
// deletion); the main screen's buttons stay as they are, and the next output takes what it left.
void CKorTx300Dlg::RunCorrectionScreen() {
    if (!m_readData) return;
    const kor::CWaitCursor wait;
    tx::CKorTx301Dlg correction(kor::kScreenColor, ScreenIcon(), m_readData.get(),
                                m_itemSets[tx::kSalarySet], m_itemSets[tx::kRetirementSet],
                                m_itemSets[tx::kPaymentSet], &m_messages, {}, GetSafeHwnd());
    correction.DoModal();
}

// The check screen shows the data set of the last output, one group a numbered file.
void CKorTx300Dlg::RunCheckScreen() {
    if (!m_outputData) return;
    const kor::CWaitCursor wait;
    tx::CKorTx302Dlg check(kor::kScreenColor, ScreenIcon(), m_outputData.get(), &m_messages, {},
                           GetSafeHwnd());
    check.DoModal();
}
