#pragma once
// Whole-file reads and writes with small result codes, and path questions (syntax, drive kind,
// free space). Paths are CP932 text; they are converted for the W API inside.
#include <windows.h>
// winbase.h keeps a 16-bit era macro of this name that would swallow our member.
#undef GetFreeSpace

#include <string>
#include <string_view>

class CFileAccess {
public:
    enum Result {
        kOk = 0,
        kCannotOpen = 11,
        kReadError = 12,
        kCannotCreate = 13,
        kWriteError = 14,
    };

    explicit CFileAccess(std::string path) : m_path(std::move(path)) {}

    // The whole file; data is filled only with result 0.
    int ReadAll(std::string& data) const;
    // At most n bytes from the start; data is filled only with result 0 (12 when reading fails).
    int ReadHead(std::string& data, size_t n) const;
    // Replaces the file with data in one step: on any failure the old file is untouched.
    int WriteAll(std::string_view data) const;

    static BOOL IsValidPathName(std::string_view path);
    // Drive code: 0 fixed or network, 1 CD-ROM, 2 removable and ready, -1 no drive letter or
    // unknown kind, -2 no such drive, -3 no medium, -4 write protected, -5 unformatted,
    // -6 other removable failure.
    static int CheckOutputDrive(std::string_view path, BOOL writeTest);
    // Free bytes on the path's drive, at most 0x40000000; 0 when the drive cannot be asked.
    static DWORD GetFreeSpace(std::string_view path);
    // The drive code of a removable drive from the environment's answer (ready) and status.
    static int RemovableDriveCode(BOOL ready, int status);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
