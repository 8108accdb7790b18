#include "transfer/Korxf300Dlg.h"

#include "resources/transfer/Korxf300DlgRes.h"
#include "transfer/Korxf301Dlg.h"
#include "transfer/Korxf302Dlg.h"
#include "transfer/Korxf303Dlg.h"
#include "transfer/Korxf304Dlg.h"
#include "transfer/Korxf305Dlg.h"
#include "transfer/MessageIds.h"
#include "transfer/RequesterTip.h"
#include "transfer/ScreenVersion.h"
#include "transfer/TransferItems.h"

namespace {

constexpr kor::ConversionScreenNames kNames = {
    .programName = xf::kProgramName,
    .version = xf::kScreenVersion,
    .messageMaster = "mstKORXF001.ini",
    .patternMaster = xf::CPatternStore::kFileName,
    .partyMaster = xf::CRequesterStore::kFileName,
    .helpFile = "KorXF300.chm",
};

constexpr kor::ConversionScreenMessages kScreenMessages = {
    .notOutput = xf::Msg::kNotOutput,
    .endQuestion = xf::Msg::kEndProgram,
    .settingsChanged = xf::Msg::kSettingsChanged,
};

}  // namespace

namespace xf {

const Korxf300Controls kKorxf300Controls = {
    .screen =
        {
            .dialog = IDD_KORXF300,
            .aboutBox = IDD_ABOUTBOX,
            .aboutItem = IDS_ABOUTBOX,
            .icon = IDR_MAINFRAME,
            .exit = IDC_XF300_EXIT,
            .read = IDC_XF300_READ,
            .correct = IDC_XF300_CORRECT,
            .outputData = IDC_XF300_OUTPUT_DATA,
            .check = IDC_XF300_CHECK,
            .fixedPattern = IDC_XF300_FIXED_PATTERN,
            .delimPattern = IDC_XF300_DELIM_PATTERN,
            .party = IDC_XF300_REQUESTER,
            .partyList = IDC_XF300_REQUESTER_LIST,
            .pattern = IDC_XF300_PATTERN,
            .month = IDC_XF300_MONTH,
            .day = IDC_XF300_DAY,
            .input = IDC_XF300_INPUT,
            .browseInput = IDC_XF300_BROWSE_INPUT,
            .output = IDC_XF300_OUTPUT,
            .browseOutput = IDC_XF300_BROWSE_OUTPUT,
            .version = IDC_XF300_VERSION,
        },
    .bonusChoice = {IDC_XF300_SALARY, IDC_XF300_BONUS},
};

}  // namespace xf

CKorxf300Dlg::CKorxf300Dlg(std::string programFolder, HWND parent, const xf::Korxf300Controls& ids)
    : CConversionScreenOf(std::move(programFolder), parent, ids.screen, kNames, kScreenMessages),
      m_bonusChoice(ids.bonusChoice) {}

void CKorxf300Dlg::OnPatternSelected(int index) {
    if (index >= 0) {
        // Only salary/bonus transfers tell salary from bonus.
        const bool choice = Patterns().GetList()[index]->kind != xf::kKindGeneral;
        EnableItem(m_bonusChoice[0], choice);
        EnableItem(m_bonusChoice[1], choice);
    }
    CheckRadio(m_bonusChoice, m_bonusChoice[0]);
}

std::string CKorxf300Dlg::PartyTipText() const {
    const xf::CRequesterInfo* requester = ChosenParty();
    return requester ? xf::RequesterTipText(*requester) : std::string();
}

// --- Read and output ---------------------------------------------------------------------------

xf::ConvertChoices CKorxf300Dlg::ChoicesOfRead(const kor::ScreenChoices& screen) const {
    xf::ConvertChoices choices = CConversionScreenOf::ChoicesOfRead(screen);
    choices.bonus = CheckedRadio(m_bonusChoice) == m_bonusChoice[1] ? 1 : 0;
    return choices;
}

int CKorxf300Dlg::HaveSettingsChanged() const {
    const xf::CDataSet& data = *DataSet();
    const int radio = CheckedRadio(m_bonusChoice);
    if ((data.bonusFlag == 1 && radio == m_bonusChoice[0]) ||
        (data.bonusFlag == 0 && radio == m_bonusChoice[1]))
        return 1;
    return CompareWithRead(kor::ReadSettingsOf(data, data.requester.get()), {1, 1, 1, 1});
}

// --- Sub-screens -------------------------------------------------------------------------------

void CKorxf300Dlg::RunFixedPatternScreen() {
    xf::CKorxf303Dlg settings(ScreenIcon(), &Patterns(), &MessageTable(), GetSafeHwnd());
    settings.DoModal();
}

void CKorxf300Dlg::RunDelimPatternScreen() {
    xf::CKorxf304Dlg settings(ScreenIcon(), GetSafeHwnd());
    settings.SetContext(&Patterns(), &MessageTable());
    settings.DoModal();
}

void CKorxf300Dlg::RunPartyScreen() {
    xf::CKorxf305Dlg settings(ScreenIcon(), &MessageTable(), GetSafeHwnd());
    settings.SetStore(&Parties());
    settings.DoModal();
}

void CKorxf300Dlg::RunCorrectionScreen() {
    xf::CKorxf301Dlg correction(ScreenIcon(), DataSet(), &MessageTable(), GetSafeHwnd());
    correction.DoModal();
}

void CKorxf300Dlg::RunCheckScreen() {
    xf::CKorxf302Dlg check(ScreenIcon(), DataSet(), &MessageTable(), GetSafeHwnd());
    check.DoModal();
}
