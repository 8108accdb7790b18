#pragma once
// Main screen XF300: the user picks a requester, a conversion pattern, the transfer date, salary
// or bonus, and the input and output files, reads the customer file into a data set and writes
// the transfer file. The screen owns the message table, both masters and the current data set for
// the whole run.
#include <windows.h>

#include <array>
#include <string>

#include "common/screens/ConversionScreenOf.h"
#include "transfer/ConversionFlow.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterStore.h"

namespace xf {

// The template, resource and control ids of the screen.
struct Korxf300Controls {
    kor::ConversionControls screen;
    std::array<int, 2> bonusChoice;  // salary, bonus
};
// The transfer tool's.
extern const Korxf300Controls kKorxf300Controls;

}  // namespace xf

class CKorxf300Dlg
    : public CConversionScreenOf<xf::CPatternStore, xf::CRequesterStore, xf::CConversionFlow> {
public:
    // programFolder: where the masters are, ending in a backslash.
    explicit CKorxf300Dlg(std::string programFolder, HWND parent = nullptr,
                          const xf::Korxf300Controls& ids = xf::kKorxf300Controls);

protected:
    // Only salary/bonus patterns open the salary and bonus choice.
    void OnPatternSelected(int index) override;
    std::string PartyTipText() const override;
    xf::ConvertChoices ChoicesOfRead(const kor::ScreenChoices& screen) const override;
    // 1 when the salary or bonus choice, the pattern, the date or the requester differs from
    // the read's; else 0.
    int HaveSettingsChanged() const override;

    // The settings, correction and check screens XF303, XF304, XF305, XF301 and XF302 open here.
    void RunFixedPatternScreen() override;
    void RunDelimPatternScreen() override;
    void RunPartyScreen() override;
    void RunCorrectionScreen() override;
    void RunCheckScreen() override;

private:
    std::array<int, 2> m_bonusChoice;
};
