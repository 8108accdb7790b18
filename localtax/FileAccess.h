#pragma once
// Whole-file reads and writes of the local-tax tool, with its own result codes. The work is
// done by the shared CFileAccess; only the numbers differ. A write replaces the file in one
// step: a failed write leaves the old file (or no file) behind, never a part of the new one.
#include <string>
#include <string_view>

namespace tx {

class CFileAccess {
public:
    enum Result {
        kOk = 0,
        kCannotOpen = 1,    // reads
        kReadError = 2,     // ReadAll
        kCannotCreate = 1,  // writes
        kWriteError = 3,    // writes: an error while writing or closing
    };

    CFileAccess() = default;  // for WriteFile only
    explicit CFileAccess(std::string path) : m_path(std::move(path)) {}

    // The whole file: 0, 1 or 2; data is filled only with 0.
    int ReadAll(std::string& data) const;
    // At most n bytes from the start: 0, or 1 when nothing could be read; data is filled only
    // with 0.
    int ReadHead(std::string& data, size_t n) const;
    // Replaces the file with data: 0, 1 or 3.
    int WriteAll(std::string_view data) const;
    // As WriteAll, for the given path.
    int WriteFile(std::string_view data, const std::string& path) const;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace tx
