#pragma once
// Made-up data sets for looking at the printed lists of each tool: varied banks, names and
// amounts, several pages and, when asked for, some records in error and one deleted. The
// transfers have some records with EDI information or a requester number; the local-tax set
// has several groups, each its own output file.
#include <memory>

#include "debit/DataSet.h"
#include "localtax/DataSet.h"
#include "transfer/DataSet.h"

namespace sample {

std::unique_ptr<xf::CDataSet> MakeDataSet(int records, bool withErrors);
std::unique_ptr<db::CDataSet> MakeDebitDataSet(int records, bool withErrors);
// groups groups of details records each (the last one a few less).
std::unique_ptr<tx::CDataSet> MakeTaxDataSet(int groups, int records, bool withErrors);

}  // namespace sample
