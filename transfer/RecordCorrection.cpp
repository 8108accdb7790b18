#include "transfer/RecordCorrection.h"

#include "common/StrUtil.h"
#include "transfer/CorrectionRules.h"
#include "transfer/GridHelper.h"

namespace xf {

void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet) {
    engine.SetConvertInfo(dataSet.zeroOption, dataSet.blankOption, dataSet.ordinaryCode,
                          dataSet.checkingCode, dataSet.savingsCode, dataSet.otherCode);
}

void ApplyCorrectionRow(CConvertEngine& engine, CDetailRecord& record, const CorrectionRow& row,
                        int transferKind) {
    int namesMissing = 0;
    for (const int col : UpdateColumnOrder(transferKind)) {
        if (col == CGridHelper::kColDelete) {
            record.deleteFlag = row.deleteChecked ? 1 : 0;
            if (row.deleteChecked) return;
            continue;
        }
        const int kind = col - CGridHelper::kFirstItemCol;
        const bool isName = kind == kBankName || kind == kBranchName;
        if (kind == kBankName) namesMissing = 0;
        const ItemRef item = record.Item(kind);
        std::string text = row.texts[static_cast<size_t>(kind)];
        if (kind == kAmount) text = RemoveCommas(text);
        if ((*item.result & kResultUntouched) || !(*item.result & 0x0F)) {
            if (isName && text.empty()) namesMissing = 1;
            continue;
        }
        const int result = engine.ValidateField(text, kind, transferKind, namesMissing);
        if (isName && (text.empty() || result == kResultError)) namesMissing = 1;
        if (kind == kAccountType && result == kResultValid) text = engine.MapAccountType(text);
        CStrUtil::CopyToBuffer(text, item.text, item.width);
        *item.result = result != kResultValid ? kResultError : kResultValid;
    }
}

}  // namespace xf
