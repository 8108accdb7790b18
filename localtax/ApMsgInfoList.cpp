#include "localtax/ApMsgInfoList.h"

#include "common/base/FileAccess.h"

namespace tx {

namespace {

// The longest path the system opens without its long-path prefix, terminator excluded.
constexpr size_t kMaxPath = MAX_PATH - 1;

}  // namespace

DWORD CApMsgInfoList::Load(const std::string& folder) {
    if (folder.empty()) return kCannotOpen;
    const std::string path = folder + "\\" + kFileName;
    if (path.size() > kMaxPath) return kCannotOpen;
    switch (::CApMsgInfoList::Load(path)) {
        case 0:
            return 0;
        case 0x80000000 | CFileAccess::kCannotOpen:
            return kCannotOpen;
        default:  // a read error or a line out of format
            return kBroken;
    }
}

}  // namespace tx
