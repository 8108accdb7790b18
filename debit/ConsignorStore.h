#pragma once
// The consignor master "mstKORDB302.ini" in memory: every stored line and a consignor for each.
// Every change rewrites the whole file; memory changes only once the file has been written, so
// the two always agree.
//
// Load(path): 1 loaded; 0 the file cannot be read (the store keeps its contents; the path is
// taken, so a missing master is created by the first Update), or a line is neither a 7-field
// nor an older 6-field consignor line (an empty line, a field longer than its width): the store
// is then emptied and refuses every change until the next load, so that the master is never
// rewritten from part of it; -1 out of memory (after a message box). A 6-field line's
// description is the name; the line is rewritten as it was read until that consignor is
// updated, which stores it with 7 fields.
// Update(index, consignor, mode), Delete(index), GetList(), Lines(), ClearList(): as
// CMasterStore says.
#include <memory>
#include <string>
#include <vector>

#include "common/patterns/MasterStore.h"
#include "debit/ConsignorInfo.h"

namespace db {

using CConsignorObList = std::vector<std::unique_ptr<CConsignorInfo>>;

class CConsignorStore : public CMasterStore<CConsignorInfo> {
public:
    static constexpr const char* kFileName = "mstKORDB302.ini";

    CConsignorStore() : CConsignorStore(std::string()) {}
    explicit CConsignorStore(std::string path);
};

}  // namespace db
