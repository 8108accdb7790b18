#include "debit/Kordb300Dlg.h"

#include "debit/ConsignorTip.h"
#include "debit/Kordb301Dlg.h"
#include "debit/Kordb302Dlg.h"
#include "debit/Kordb303Dlg.h"
#include "debit/Kordb304Dlg.h"
#include "debit/Kordb305Dlg.h"
#include "debit/MessageIds.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb300DlgRes.h"

namespace {

constexpr kor::ConversionScreenNames kNames = {
    .programName = db::kProgramName,
    .version = db::kScreenVersion,
    .messageMaster = "mstKORDB001.ini",
    .patternMaster = db::CPatternStore::kFileName,
    .partyMaster = db::CConsignorStore::kFileName,
    .helpFile = "KorDB300.chm",
};

constexpr kor::ConversionScreenMessages kScreenMessages = {
    .notOutput = db::Msg::kNotOutput,
    .endQuestion = db::Msg::kEndProgram,
    .settingsChanged = db::Msg::kSettingsChanged,
};

}  // namespace

namespace db {

const kor::ConversionControls kKordb300Controls = {
    .dialog = IDD_KORDB300,
    .aboutBox = IDD_ABOUTBOX,
    .aboutItem = IDS_ABOUTBOX,
    .icon = IDR_MAINFRAME,
    .exit = IDC_DB300_EXIT,
    .read = IDC_DB300_READ,
    .correct = IDC_DB300_CORRECT,
    .outputData = IDC_DB300_OUTPUT_DATA,
    .check = IDC_DB300_CHECK,
    .fixedPattern = IDC_DB300_FIXED_PATTERN,
    .delimPattern = IDC_DB300_DELIM_PATTERN,
    .party = IDC_DB300_CONSIGNOR,
    .partyList = IDC_DB300_CONSIGNOR_LIST,
    .pattern = IDC_DB300_PATTERN,
    .month = IDC_DB300_MONTH,
    .day = IDC_DB300_DAY,
    .input = IDC_DB300_INPUT,
    .browseInput = IDC_DB300_BROWSE_INPUT,
    .output = IDC_DB300_OUTPUT,
    .browseOutput = IDC_DB300_BROWSE_OUTPUT,
    .version = IDC_DB300_VERSION,
};

}  // namespace db

CKordb300Dlg::CKordb300Dlg(std::string programFolder, HWND parent,
                           const kor::ConversionControls& ids)
    : CConversionScreenOf(std::move(programFolder), parent, ids, kNames, kScreenMessages) {}

std::string CKordb300Dlg::PartyTipText() const {
    const db::CConsignorInfo* consignor = ChosenParty();
    return consignor ? db::ConsignorTipText(*consignor) : std::string();
}

int CKordb300Dlg::HaveSettingsChanged() const {
    const db::CDataSet& data = *DataSet();
    return CompareWithRead(kor::ReadSettingsOf(data, data.consignor.get()), {1, 3, 4, 2});
}

// --- Sub-screens -------------------------------------------------------------------------------

void CKordb300Dlg::RunFixedPatternScreen() {
    db::CKordb303Dlg settings(ScreenIcon(), &Patterns(), &MessageTable(), GetSafeHwnd());
    settings.DoModal();
}

void CKordb300Dlg::RunDelimPatternScreen() {
    db::CKordb304Dlg settings(ScreenIcon(), GetSafeHwnd());
    settings.SetContext(&Patterns(), &MessageTable());
    settings.DoModal();
}

void CKordb300Dlg::RunPartyScreen() {
    db::CKordb305Dlg settings(ScreenIcon(), &MessageTable(), GetSafeHwnd());
    settings.SetStore(&Parties());
    settings.DoModal();
}

void CKordb300Dlg::RunCorrectionScreen() {
    db::CKordb301Dlg correction(ScreenIcon(), DataSet(), &MessageTable(), GetSafeHwnd());
    correction.DoModal();
}

void CKordb300Dlg::RunCheckScreen() {
    db::CKordb302Dlg check(ScreenIcon(), DataSet(), &MessageTable(), GetSafeHwnd());
    check.DoModal();
}
