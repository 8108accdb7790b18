#include "common/base/FileAccess.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cwchar>
#include <exception>

#include "common/base/DriveSeam.h"
#include "common/base/StrUtil.h"
#include "common/base/WidePath.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace {

constexpr DWORD kFreeSpaceCap = 0x40000000;
// Largest single ReadFile/WriteFile; a bigger file takes several.
constexpr size_t kMaxTransfer = 0x40000000;

// Alone: a file that another handle holds open cannot be opened.
kor::UniqueFile OpenForReading(const std::string& path) {
    return kor::UniqueFile(CreateFileW(kor::ToWide(path).c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// Reads until n bytes or the end of the file; false on a read error.
bool ReadUpTo(HANDLE file, char* buffer, size_t n, size_t& got) {
    got = 0;
    while (got < n) {
        const DWORD want = static_cast<DWORD>(std::min(n - got, kMaxTransfer));
        DWORD read = 0;
        if (!ReadFile(file, buffer + got, want, &read, nullptr)) return false;
        if (read == 0) break;
        got += read;
    }
    return true;
}

bool WriteFully(HANDLE file, std::string_view data) {
    size_t put = 0;
    while (put < data.size()) {
        const DWORD want = static_cast<DWORD>(std::min(data.size() - put, kMaxTransfer));
        DWORD written = 0;
        if (!WriteFile(file, data.data() + put, want, &written, nullptr) || written == 0)
            return false;
        put += written;
    }
    return true;
}

// The new content is written beside the target under a name of its own and removed again
// unless it has replaced the target.
class TempFile {
public:
    explicit TempFile(const std::wstring& target) {
        static std::atomic<unsigned long> serial{0};
        const std::wstring folder = kor::FolderOf(target);
        for (int attempt = 0; attempt < 100; ++attempt) {
            wchar_t name[40];
            std::swprintf(name, 40, L"~kor%lx_%lx.tmp", GetCurrentProcessId(),
                          static_cast<unsigned long>(serial++));
            std::wstring path = folder + name;
            m_file.reset(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
            if (m_file) {
                m_path = std::move(path);
                return;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return;
        }
    }
    ~TempFile() {
        m_file.reset();
        if (!m_path.empty()) DeleteFileW(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(m_file); }
    HANDLE Handle() const { return m_file.get(); }

    // Closes the file; false when the system reports an error on closing.
    bool Close() { return CloseHandle(m_file.release()) != 0; }

    // Puts the file in place of target in one step; afterwards there is nothing to remove.
    bool Replace(const std::wstring& target) {
        if (!MoveFileExW(m_path.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        m_path.clear();
        return true;
    }

private:
    std::wstring m_path;
    kor::UniqueFile m_file;
};

}  // namespace

int CFileAccess::ReadAll(std::string& data) const {
    try {
        const kor::UniqueFile file = OpenForReading(m_path);
        if (!file) return kCannotOpen;
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file.get(), &size)) return kReadError;
        const auto length = static_cast<unsigned long long>(size.QuadPart);
        std::string buffer;
        if (length >= buffer.max_size()) return kReadError;
        buffer.resize(static_cast<size_t>(length));
        size_t got = 0;
        if (!ReadUpTo(file.get(), buffer.data(), buffer.size(), got) || got != buffer.size())
            return kReadError;
        data = std::move(buffer);
        return kOk;
    } catch (const std::exception&) {
        return kReadError;  // no memory for the file
    }
}

int CFileAccess::ReadHead(std::string& data, size_t n) const {
    try {
        const kor::UniqueFile file = OpenForReading(m_path);
        if (!file) return kCannotOpen;
        std::string buffer(n, '\0');
        size_t got = 0;
        if (!ReadUpTo(file.get(), buffer.data(), n, got)) return kReadError;
        buffer.resize(got);
        data = std::move(buffer);
        return kOk;
    } catch (const std::exception&) {
        return kReadError;
    }
}

int CFileAccess::WriteAll(std::string_view data) const {
    try {
        const std::wstring target = kor::ToWide(m_path);
        if (target.empty()) return kCannotCreate;
        // A read-only file or a folder cannot be emptied for writing; the replace must not
        // get round that.
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
            return kCannotCreate;
        TempFile temp(target);
        if (!temp) return kCannotCreate;
        if (!WriteFully(temp.Handle(), data) || !FlushFileBuffers(temp.Handle()))
            return kWriteError;
        if (!temp.Close()) return kWriteError;
        return temp.Replace(target) ? kOk : kCannotCreate;
    } catch (const std::exception&) {
        return kWriteError;
    }
}

BOOL CFileAccess::IsValidPathName(std::string_view path) {
    if (path.empty()) return FALSE;
    constexpr std::string_view kRefused = "/:*?\"<>|";
    size_t i = path.size() >= 3 && path.substr(1, 2) == ":\\" ? 3 : 0;
    while (i < path.size()) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (kor::IsSjisLeadByte(c) && i + 1 < path.size()) {
            i += 2;  // the second byte may equal a refused character
            continue;
        }
        if (kRefused.find(static_cast<char>(c)) != std::string_view::npos) return FALSE;
        ++i;
    }
    return TRUE;
}

int CFileAccess::CheckOutputDrive(std::string_view path, BOOL writeTest) {
    const size_t backslash = CStrUtil::Find(path, "\\");
    if (backslash == std::string_view::npos) return -1;
    const std::string_view drive = path.substr(0, backslash);
    if (drive.find(':') == std::string_view::npos) return -1;
    const std::wstring root = kor::ToWide(drive) + L"\\";
    switch (kor::QueryDriveType(root)) {
        case DRIVE_NO_ROOT_DIR:
            return -2;
        case DRIVE_FIXED:
        case DRIVE_REMOTE:
            return 0;
        case DRIVE_CDROM:
            return 1;
        case DRIVE_REMOVABLE: {
            int status = 0;
            const BOOL ready = kor::QueryRemovableReady(drive[0], writeTest != FALSE, &status);
            return RemovableDriveCode(ready, status);
        }
        default:  // unknown kind, RAM disk
            return -1;
    }
}

int CFileAccess::RemovableDriveCode(BOOL ready, int status) {
    if (ready) return 2;
    switch (status) {
        case 0:
            return 2;
        case 1:
            return -3;
        case 3:
            return -4;
        case 2:
            return -5;
        default:
            return -6;
    }
}

DWORD CFileAccess::GetFreeSpace(std::string_view path) {
    kor::DiskRoom room;
    if (!kor::QueryDiskRoom(kor::ToWide(path.substr(0, 3)), room))
        return 0;  // unknown room is no room: the output is refused
    return static_cast<DWORD>(std::min<std::uint64_t>(room.FreeBytes(), kFreeSpaceCap));
}
