#include "localtax/FileAccess.h"

#include "common/FileAccess.h"

namespace tx {

namespace {

using Shared = ::CFileAccess;

int ReadCode(int shared) {
    switch (shared) {
        case Shared::kOk:
            return CFileAccess::kOk;
        case Shared::kCannotOpen:
            return CFileAccess::kCannotOpen;
        default:
            return CFileAccess::kReadError;
    }
}

int WriteCode(int shared) {
    switch (shared) {
        case Shared::kOk:
            return CFileAccess::kOk;
        case Shared::kCannotCreate:
            return CFileAccess::kCannotCreate;
        default:
            return CFileAccess::kWriteError;
    }
}

}  // namespace

int CFileAccess::ReadAll(std::string& data) const {
    return ReadCode(Shared(m_path).ReadAll(data));
}

int CFileAccess::ReadHead(std::string& data, size_t n) const {
    // This tool knows no read error of a head: what cannot be read counts as not opened.
    return Shared(m_path).ReadHead(data, n) == Shared::kOk ? kOk : kCannotOpen;
}

int CFileAccess::WriteAll(std::string_view data) const {
    return WriteFile(data, m_path);
}

int CFileAccess::WriteFile(std::string_view data, const std::string& path) const {
    return WriteCode(Shared(path).WriteAll(data));
}

}  // namespace tx
