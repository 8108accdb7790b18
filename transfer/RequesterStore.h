#pragma once
// The requester master "mstKORXF302.ini" in memory: every stored line, and a requester for
// each line that has 8 or 5 fields. A line that is not understood is kept and written back as
// it stands. Every change rewrites the whole file; memory changes only once the file has been
// written, so the two always agree.
//
// Load(path): 1 loaded, 0 the file cannot be read (the store keeps its contents; the path is
// taken), -1 out of memory (after a message box). An older 5-field line is kept in its 8-field
// form (description = name), so the next rewrite stores it that way; a line of another field
// count is kept as it stands.
// Update(index, requester, mode), Delete(index), GetList(), Lines(), ClearList(): as
// CMasterStore says.
#include <memory>
#include <string>
#include <vector>

#include "common/patterns/MasterStore.h"
#include "transfer/RequesterInfo.h"

namespace xf {

using CRequesterObList = std::vector<std::unique_ptr<CRequesterInfo>>;

class CRequesterStore : public CMasterStore<CRequesterInfo> {
public:
    static constexpr const char* kFileName = "mstKORXF302.ini";

    CRequesterStore() : CRequesterStore(std::string()) {}
    explicit CRequesterStore(std::string path);
};

}  // namespace xf
