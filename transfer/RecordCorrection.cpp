#include "transfer/RecordCorrection.h"

#include "transfer/CorrectionRules.h"
#include "transfer/GridHelper.h"

namespace xf {

void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet) {
    engine.SetConvertInfo(dataSet.zeroOption, dataSet.blankOption, dataSet.ordinaryCode,
                          dataSet.checkingCode, dataSet.savingsCode, dataSet.otherCode);
}

void ApplyCorrectionRow(CConvertEngine& engine, CDetailRecord& record, const CorrectionRow& row,
                        int transferKind) {
    const std::span<const ItemSpec> items = record.Items();
    int namesMissing = 0;
    for (const int col : UpdateColumnOrder(transferKind)) {
        if (col == CGridHelper::kColDelete) {
            record.deleteFlag = row.deleteChecked ? 1 : 0;
            if (row.deleteChecked) return;
            continue;
        }
        const int kind = col - CGridHelper::kFirstItemCol;
        const ItemSpec& item = items[static_cast<size_t>(kind)];
        std::string text = row.texts[static_cast<size_t>(kind)];
        if (item.chars == ItemChars::kAmount) text = RemoveCommas(text);
        const int stored = record.Result(kind);
        if ((stored & kResultUntouched) || !HasErrorBits(stored)) {
            if (item.name && text.empty()) namesMissing = 1;
            continue;
        }
        const int result = engine.ValidateField(text, kind, transferKind, namesMissing);
        if (item.name && (text.empty() || result == kResultError)) namesMissing = 1;
        if (item.chars == ItemChars::kAccountType && result == kResultValid)
            text = engine.MapAccountType(text);
        record.Store(kind, text, result != kResultValid ? kResultError : kResultValid);
    }
}

}  // namespace xf
