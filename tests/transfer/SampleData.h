#pragma once
// Small data sets for the grid and screen tests: valid general or salary transfers whose items
// can then be flagged or changed one by one.
#include <windows.h>

#include <memory>
#include <string>

#include "support/GridWindow.h"
#include "transfer/DataSet.h"

namespace xftest {

// A valid record: bank 0001, branch 001, ordinary account 1234567, amount 1000 + serial.
std::unique_ptr<xf::CDetailRecord> ValidRecord(int serial);
// Sets an item's text and result code.
void SetItem(xf::CDetailRecord& record, int kind, const std::string& text, int result);
// count valid records with serials 1..count, general transfers, zero and blank amounts errors,
// account type codes "1", "2", "4", "9", a requester.
std::unique_ptr<xf::CDataSet> ValidDataSet(int count, int transferKind = xf::kKindGeneral);
xf::CDetailRecord& Record(xf::CDataSet& set, int index);

using kortest::GridWindow;

}  // namespace xftest
