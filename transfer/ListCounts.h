#pragma once
// What the print buttons of the correction and check screens count before they ask: the
// records a list prints and the pages they fill.
#include "transfer/DataSet.h"

namespace xf {

inline constexpr int kRecordsPerListPage = 30;

// Records not marked deleted and without any flagged item (the result list).
int CountResultListRecords(const CDataSet& dataSet);
// Records not marked deleted with at least one flagged item (the error list).
int CountErrorListRecords(const CDataSet& dataSet);
// Pages that records fill at 30 a page.
int ListPageCount(int records);

}  // namespace xf
