#include "transfer/RecordCorrection.h"

#include "transfer/CorrectionRules.h"

namespace xf {

namespace {

// The item check of a given engine for one transfer kind.
class CEngineChecks : public CItemRechecks {
public:
    CEngineChecks(CConvertEngine& engine, int transferKind)
        : m_engine(engine), m_transferKind(transferKind) {}

    int CheckItem(std::string& text, int kind, bool namesMissing) override {
        return m_engine.ValidateField(text, kind, m_transferKind, namesMissing ? 1 : 0);
    }
    std::string MapAccountType(std::string_view text) override {
        return m_engine.MapAccountType(text);
    }
    bool CommitDataSet() override { return false; }

private:
    CConvertEngine& m_engine;
    int m_transferKind;
};

}  // namespace

void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet) {
    engine.SetConvertInfo(dataSet.zeroOption, dataSet.blankOption, dataSet.ordinaryCode,
                          dataSet.checkingCode, dataSet.savingsCode, dataSet.otherCode);
}

void ApplyCorrectionRow(CConvertEngine& engine, CDetailRecord& record, const CorrectionRow& row,
                        int transferKind) {
    CEngineChecks checks(engine, transferKind);
    ApplyCorrectionCells(checks, record, {row.deleteChecked, row.texts},
                         UpdateColumnOrder(transferKind));
}

}  // namespace xf
