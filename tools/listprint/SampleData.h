#pragma once
// A made-up data set of general transfers for looking at the printed lists: varied banks,
// names and amounts, some records with EDI information or a requester number and, when asked
// for, some records in error and one deleted.
#include <memory>

#include "transfer/DataSet.h"

namespace sample {

std::unique_ptr<xf::CDataSet> MakeDataSet(int records, bool withErrors);

}  // namespace sample
