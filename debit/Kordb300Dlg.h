#pragma once
// Main screen DB300: the user picks a consignor, a conversion pattern, the debit date and the
// input and output files, reads the customer file into a data set and writes the direct-debit
// file. The screen owns the message table, both masters and the current data set for the whole
// run.
#include <windows.h>

#include <string>

#include "common/screens/ConversionScreenOf.h"
#include "debit/ConsignorStore.h"
#include "debit/ConversionFlow.h"
#include "debit/PatternStore.h"

namespace db {

// The direct-debit tool's template, resource and control ids.
extern const kor::ConversionControls kKordb300Controls;

}  // namespace db

class CKordb300Dlg
    : public CConversionScreenOf<db::CPatternStore, db::CConsignorStore, db::CConversionFlow> {
public:
    // programFolder: where the masters are, ending in a backslash.
    explicit CKordb300Dlg(std::string programFolder, HWND parent = nullptr,
                          const kor::ConversionControls& ids = db::kKordb300Controls);

protected:
    std::string PartyTipText() const override;
    // 1 the pattern, 3 the month, 4 the day, 2 the consignor differs from the read's; else 0.
    int HaveSettingsChanged() const override;

    // The settings, correction and check screens DB303, DB304, DB305, DB301 and DB302 open here.
    void RunFixedPatternScreen() override;
    void RunDelimPatternScreen() override;
    void RunPartyScreen() override;
    void RunCorrectionScreen() override;
    void RunCheckScreen() override;
};
