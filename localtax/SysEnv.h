#pragma once
// The local-tax tool's system utilities in one plain object: the character checks, the path,
// drive and room questions, the access checks with the messages of the main screen's path
// check, the start-up questions and the two data checks. It holds nothing; construct it where
// it is needed. Drives are asked through kor's drive seam (common/base/DriveSeam.h).
// Not the shared ::CSysEnv (common/base/SysEnv.h, the program-wide object that knows the
// machine): this one keeps nothing and puts the shared checks behind the local-tax tool's codes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/base/FileAccess.h"  // also undoes winbase.h's GetFreeSpace macro
#include "localtax/ScreenVersion.h"

class CApMsgInfoList;

namespace tx {

class CDetailRecord;
class CTaxGroup;

// What CheckOutputDrive says of a path's drive.
enum DriveCode : int {
    kRemovableReady = 0,     // a removable medium, ready and writable
    kRemovableNotReady = 1,  // a removable drive without a medium
    kNotRemovable = 2,       // fixed, network, CD-ROM or RAM disk
    kNoDriveLetter = 3,      // no drive letter, or a drive type the system cannot tell
    kNoRootDirectory = 4,    // no such drive
    kWriteProtected = 5,     // a write-protected removable medium
    kUnformatted = 6,        // an unrecognised (unformatted) removable medium
    kRemovableFailure = 7,   // any other failure of a removable medium
};

// The access checks' modes.
enum AccessMode : int {
    kAccessExists = 0,
    kAccessRead = 1,
    kAccessWrite = 2,
    kAccessReadWrite = 8,
};

class CSysEnv {
public:
    // Every byte a digit or in extra; FALSE for a count of 0.
    static BOOL IsDigits(const char* text, int count, const char* extra = nullptr);
    // Every byte a digit, a Latin letter, a half-width katakana byte or in extra; TRUE for a
    // count of 0.
    static BOOL IsKanaAlnum(const char* text, int count, const char* extra = nullptr);
    // A space, "0" or "1" (the change mark).
    static BOOL IsFlagChar(char c);
    static BOOL HasNoQuoteOrComma(std::string_view text);

    static BOOL IsValidPathName(std::string_view path);
    // The DriveCode of the path's drive; a removable medium is tested for writing.
    static int CheckOutputDrive(std::string_view path);
    // Free bytes on the drive of the path's first three characters, at most 1,073,741,824;
    // 0 when the drive cannot be asked.
    static std::uint64_t GetFreeSpace(std::string_view path);
    // Total bytes of that drive; 0 when it cannot be asked.
    static std::uint64_t GetTotalSpace(std::string_view path);
    // status: 0 ready and writable, 1 not ready, 2 unrecognised medium, 3 write protected,
    // 999 any other failure.
    static BOOL CheckRemovableWrite(char driveLetter, int* status);

    // One of AccessMode: 1 allowed, 0 refused. The write test never opens a file the path
    // names: it creates and removes a scratch file in the path's folder.
    static BOOL CheckAccess(std::string_view path, int mode);
    static BOOL CanRead(std::string_view path) { return CheckAccess(path, kAccessRead); }
    static BOOL CanWrite(std::string_view path) { return CheckAccess(path, kAccessWrite); }
    static BOOL Exists(std::string_view path) { return CheckAccess(path, kAccessExists); }

    // The whole check of an input file (input, file), an input folder (input, not file) or the
    // output folder (neither): TRUE when the path may be used, else FALSE after one message.
    static BOOL ShowAccessError(HWND parent, ::CApMsgInfoList& messages, std::string_view path,
                                bool input, bool file);

    static BOOL IsGridControlInstalled();
    // The running program's folder, without a trailing backslash.
    static std::string GetModuleFolder();
    // The version label every screen of the tool shows beside its screen code.
    static const char* GetVersionText() { return kScreenVersion; }

    static void ValidateGroup(CTaxGroup& group);
    static void ValidateDetail(CDetailRecord& detail);
};

// Creates the named mutex, owned by the caller for the rest of the process: TRUE unless it
// existed already.
BOOL CreateOwnedMutex(std::string_view name);

}  // namespace tx
