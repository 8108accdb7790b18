#pragma once
// Main screen DB300: the user picks a consignor, a conversion pattern, the debit date and the
// input and output files, reads the customer file into a data set and writes the direct-debit
// file. The screen owns the message table, both masters and the current data set for the whole
// run.
#include <windows.h>

#include <memory>
#include <string>

#include "common/screens/ConversionScreen.h"
#include "debit/ConsignorStore.h"
#include "debit/DataSet.h"
#include "debit/PatternStore.h"

namespace db {

// The direct-debit tool's template, resource and control ids.
extern const kor::ConversionControls kKordb300Controls;

}  // namespace db

class CKordb300Dlg : public CConversionScreen {
public:
    // programFolder: where the masters are, ending in a backslash.
    explicit CKordb300Dlg(std::string programFolder, HWND parent = nullptr,
                          const kor::ConversionControls& ids = db::kKordb300Controls);
    ~CKordb300Dlg() override;

    // The data set of the last successful read, or null; it stays the screen's.
    db::CDataSet* DataSet() const { return m_dataSet.get(); }

protected:
    void OnDestroy() override;

    int LoadPatternMaster(const std::string& path) override;
    int LoadPartyMaster(const std::string& path) override;
    std::size_t PatternCount() const override { return m_patterns.GetList().size(); }
    std::string PatternName(std::size_t index) const override;
    std::size_t PartyCount() const override { return m_consignors.GetList().size(); }
    std::string PartyDescription(std::size_t index) const override;
    void SetParty(int index) override;
    std::string PartyTipText() const override;

    kor::FlowResult ReadData(CFlowMessages& messages, const kor::ScreenChoices& choices) override;
    kor::FlowResult WriteData(CFlowMessages& messages, const std::string& outputText) override;
    kor::DataState CurrentData() const override;
    // 1 the pattern, 3 the month, 4 the day, 2 the consignor differs from the read's; else 0.
    int HaveSettingsChanged() const override;

    // The settings, correction and check screens DB303, DB304, DB305, DB301 and DB302 open here.
    void RunFixedPatternScreen() override;
    void RunDelimPatternScreen() override;
    void RunPartyScreen() override;
    void RunCorrectionScreen() override;
    void RunCheckScreen() override;

private:
    db::CPatternStore m_patterns;
    db::CConsignorStore m_consignors;
    std::unique_ptr<db::CDataSet> m_dataSet;
    const db::CConsignorInfo* m_consignor = nullptr;  // in m_consignors, or null
};
