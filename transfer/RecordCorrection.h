#pragma once
// What an update of the correction screen does with one grid row: the delete box and the items
// that are flagged and were not left untouched go back into the record, checked again by the
// transfer tool's item checks.
#include <array>
#include <string>
#include <string_view>

#include "common/items/CorrectionRules.h"
#include "common/items/EngineRechecks.h"
#include "transfer/ConvertEngine.h"
#include "transfer/DetailRecord.h"

namespace xf {

// One row of the correction grid as an update reads it.
struct CorrectionRow {
    bool deleteChecked = false;
    std::array<std::string, kItemCount> texts;  // the item cells, in item order
};

// Sets up item checks from the data set: its amount options and account-type codes.
void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet);

// The transfer tool's checks of an edit or an update.
using CTransferRechecks = CEngineRechecks<CConvertEngine, CDataSet>;

// A checked delete box marks the record deleted and nothing else of the row is read. Otherwise
// every item whose result code has a flag and not bit 0x10 (the item was not touched since it
// was stored) is checked again from its cell and stored, cut to its width, with result code 1
// when the check failed and 0 when it passed. Empty or invalid bank and branch names make empty
// bank and branch codes errors, as on reading.
void ApplyCorrectionRow(CConvertEngine& engine, CDetailRecord& record, const CorrectionRow& row,
                        int transferKind);

}  // namespace xf
