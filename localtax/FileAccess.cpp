#include "localtax/FileAccess.h"

#include <span>

#include "common/base/FileAccess.h"

namespace tx {

namespace {

using Shared = ::CFileAccess;

// A shared result code and this tool's number for it.
struct CodeOf {
    int shared;
    int ours;
};

constexpr CodeOf kReadCodes[] = {{Shared::kOk, CFileAccess::kOk},
                                 {Shared::kCannotOpen, CFileAccess::kCannotOpen}};
constexpr CodeOf kWriteCodes[] = {{Shared::kOk, CFileAccess::kOk},
                                  {Shared::kCannotCreate, CFileAccess::kCannotCreate}};

// This tool's number for a shared code; otherwise for a code the table does not name.
int MapCode(int shared, std::span<const CodeOf> codes, int otherwise) {
    for (const CodeOf& c : codes) {
        if (c.shared == shared) return c.ours;
    }
    return otherwise;
}

}  // namespace

int CFileAccess::ReadAll(std::string& data) const {
    return MapCode(Shared(m_path).ReadAll(data), kReadCodes, kReadError);
}

int CFileAccess::ReadHead(std::string& data, size_t n) const {
    // This tool knows no read error of a head: what cannot be read counts as not opened.
    return MapCode(Shared(m_path).ReadHead(data, n), kReadCodes, kCannotOpen);
}

int CFileAccess::WriteAll(std::string_view data) const {
    return WriteFile(data, m_path);
}

int CFileAccess::WriteFile(std::string_view data, const std::string& path) const {
    return MapCode(Shared(path).WriteAll(data), kWriteCodes, kWriteError);
}

}  // namespace tx
