#include "debit/Kordb300Dlg.h"

#include "debit/ConsignorTip.h"
#include "debit/ConversionFlow.h"
#include "debit/Kordb301Dlg.h"
#include "debit/Kordb302Dlg.h"
#include "debit/Kordb303Dlg.h"
#include "debit/Kordb304Dlg.h"
#include "debit/Kordb305Dlg.h"
#include "debit/MessageIds.h"
#include "resources/debit/Kordb300DlgRes.h"

namespace {

constexpr kor::ConversionScreenNames kNames = {
    db::kProgramName,
    "(Ver4.11)",
    "mstKORDB001.ini",
    db::CPatternStore::kFileName,
    db::CConsignorStore::kFileName,
    "KorDB300.chm",
};

constexpr kor::ConversionScreenMessages kScreenMessages = {
    .notOutput = db::Msg::kNotOutput,
    .endQuestion = db::Msg::kEndProgram,
    .settingsChanged = db::Msg::kSettingsChanged,
};

}  // namespace

namespace db {

const kor::ConversionControls kKordb300Controls = {
    IDD_KORDB300,
    IDD_ABOUTBOX,
    IDS_ABOUTBOX,
    IDR_MAINFRAME,
    IDC_DB300_EXIT,
    IDC_DB300_READ,
    IDC_DB300_CORRECT,
    IDC_DB300_OUTPUT_DATA,
    IDC_DB300_CHECK,
    IDC_DB300_FIXED_PATTERN,
    IDC_DB300_DELIM_PATTERN,
    IDC_DB300_CONSIGNOR,
    IDC_DB300_CONSIGNOR_LIST,
    IDC_DB300_PATTERN,
    IDC_DB300_MONTH,
    IDC_DB300_DAY,
    IDC_DB300_INPUT,
    IDC_DB300_BROWSE_INPUT,
    IDC_DB300_OUTPUT,
    IDC_DB300_BROWSE_OUTPUT,
    IDC_DB300_VERSION,
};

}  // namespace db

CKordb300Dlg::CKordb300Dlg(std::string programFolder, HWND parent,
                           const kor::ConversionControls& ids)
    : CConversionScreen(std::move(programFolder), parent, ids, kNames, kScreenMessages) {}

CKordb300Dlg::~CKordb300Dlg() {
    DestroyWindow();
}

void CKordb300Dlg::OnDestroy() {
    m_dataSet.reset();
    m_consignor = nullptr;
    CConversionScreen::OnDestroy();
}

// --- Masters and lists -------------------------------------------------------------------------

int CKordb300Dlg::LoadPatternMaster(const std::string& path) {
    return m_patterns.Load(path);
}

int CKordb300Dlg::LoadPartyMaster(const std::string& path) {
    m_consignors.SetOwner(&MessageTable(), GetSafeHwnd());
    return m_consignors.Load(path);
}

std::string CKordb300Dlg::PatternName(std::size_t index) const {
    return m_patterns.GetList()[index]->name;
}

std::string CKordb300Dlg::PartyDescription(std::size_t index) const {
    return m_consignors.GetList()[index]->description;
}

void CKordb300Dlg::SetParty(int index) {
    m_consignor = index >= 0 ? m_consignors.GetList()[index].get() : nullptr;
}

std::string CKordb300Dlg::PartyTipText() const {
    return m_consignor ? db::ConsignorTipText(*m_consignor) : std::string();
}

// --- Read and output ---------------------------------------------------------------------------

kor::FlowResult CKordb300Dlg::ReadData(CFlowMessages& messages, const kor::ScreenChoices& choices) {
    db::CConversionFlow flow(messages, &MessageTable(), GetSafeHwnd());
    return flow.Read(m_patterns, {m_consignor, choices}, m_dataSet);
}

kor::FlowResult CKordb300Dlg::WriteData(CFlowMessages& messages, const std::string& outputText) {
    db::CConversionFlow flow(messages, &MessageTable(), GetSafeHwnd());
    return flow.Output(outputText, *m_dataSet);
}

kor::DataState CKordb300Dlg::CurrentData() const {
    return kor::DataStateOf(m_dataSet.get());
}

int CKordb300Dlg::HaveSettingsChanged() const {
    const db::CDataSet& data = *m_dataSet;
    return CompareWithRead(kor::ReadSettingsOf(data, data.consignor.get()), {1, 3, 4, 2});
}

// --- Sub-screens -------------------------------------------------------------------------------

void CKordb300Dlg::RunFixedPatternScreen() {
    db::CKordb303Dlg settings(ScreenIcon(), &m_patterns, &MessageTable(), HelpPath(),
                              GetSafeHwnd());
    settings.DoModal();
}

void CKordb300Dlg::RunDelimPatternScreen() {
    db::CKordb304Dlg settings(ScreenIcon(), GetSafeHwnd());
    settings.SetContext(&m_patterns, &MessageTable(), HelpPath());
    settings.DoModal();
}

void CKordb300Dlg::RunPartyScreen() {
    db::CKordb305Dlg settings(ScreenIcon(), &MessageTable(), HelpPath(), GetSafeHwnd());
    settings.SetStore(&m_consignors);
    settings.DoModal();
}

void CKordb300Dlg::RunCorrectionScreen() {
    db::CKordb301Dlg correction(ScreenIcon(), m_dataSet.get(), &MessageTable(), HelpPath(),
                                GetSafeHwnd());
    correction.DoModal();
}

void CKordb300Dlg::RunCheckScreen() {
    db::CKordb302Dlg check(ScreenIcon(), m_dataSet.get(), &MessageTable(), HelpPath(),
                           GetSafeHwnd());
    check.DoModal();
}
