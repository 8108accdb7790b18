#include "debit/GridHelper.h"

#include <utility>

namespace db {

void CGridHelper::Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode) {
    RecordSource records;
    if (dataSet) records = [dataSet] { return ItemRecordRefs(dataSet->details); };
    AttachGrid(grid, mode, std::move(records));
}

}  // namespace db
