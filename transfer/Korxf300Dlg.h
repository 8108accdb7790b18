#pragma once
// Main screen XF300: the user picks a requester, a conversion pattern, the transfer date, salary
// or bonus, and the input and output files, reads the customer file into a data set and writes
// the transfer file. The screen owns the message table, both masters and the current data set for
// the whole run.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "common/screens/ConversionScreen.h"
#include "transfer/DataSet.h"
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

class CKorxf300Dlg : public CConversionScreen {
public:
    // programFolder: where the masters are, ending in a backslash.
    explicit CKorxf300Dlg(std::string programFolder, HWND parent = nullptr,
                          const xf::Korxf300Controls& ids = xf::kKorxf300Controls);
    ~CKorxf300Dlg() override;

    // The data set of the last successful read, or null; it stays the screen's.
    xf::CDataSet* DataSet() const { return m_dataSet.get(); }

protected:
    void OnDestroy() override;

    int LoadPatternMaster(const std::string& path) override;
    int LoadPartyMaster(const std::string& path) override;
    std::size_t PatternCount() const override { return m_patterns.GetList().size(); }
    std::string PatternName(std::size_t index) const override;
    std::size_t PartyCount() const override { return m_requesters.GetList().size(); }
    std::string PartyDescription(std::size_t index) const override;
    void SetParty(int index) override;
    void OnPatternSelected(int index) override;
    std::string PartyTipText() const override;

    kor::FlowResult ReadData(CFlowMessages& messages, const kor::ScreenChoices& choices) override;
    kor::FlowResult WriteData(CFlowMessages& messages, const std::string& outputText) override;
    kor::DataState CurrentData() const override;
    int HaveSettingsChanged() const override;

    void RunFixedPatternScreen() override;
    void RunDelimPatternScreen() override;
    void RunPartyScreen() override;
    void RunCorrectionScreen() override;
    void RunCheckScreen() override;

private:
    std::array<int, 2> m_bonusChoice;
    xf::CPatternStore m_patterns;
    xf::CRequesterStore m_requesters;
    std::unique_ptr<xf::CDataSet> m_dataSet;
    const xf::CRequesterInfo* m_requester = nullptr;  // in m_requesters, or null
};
