#include "transfer/ListCounts.h"

namespace xf {

namespace {
int CountNotDeleted(const CDataSet& dataSet, bool flagged) {
    int count = 0;
    for (const auto& record : dataSet.details) {
        if (record->deleteFlag == 0 && record->HasFieldError() == flagged) ++count;
    }
    return count;
}
}  // namespace

int CountResultListRecords(const CDataSet& dataSet) {
    return CountNotDeleted(dataSet, false);
}

int CountErrorListRecords(const CDataSet& dataSet) {
    return CountNotDeleted(dataSet, true);
}

int ListPageCount(int records) {
    return records <= 0 ? 0 : (records + kRecordsPerListPage - 1) / kRecordsPerListPage;
}

}  // namespace xf
