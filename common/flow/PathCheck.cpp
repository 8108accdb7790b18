#include "common/flow/PathCheck.h"

#include <windows.h>

#include "common/base/FileAccess.h"
#include "common/base/PathNames.h"
#include "common/base/SysEnv.h"
#include "framework/Cp932.h"

namespace kor {

int CPathProbe::CheckDrive(const std::string& path, bool writeTest) const {
    return CFileAccess::CheckOutputDrive(path, writeTest ? TRUE : FALSE);
}

std::uint64_t CPathProbe::FreeSpace(const std::string& path) const {
    return CFileAccess::GetFreeSpace(path);
}

CPathProbe::Kind CPathProbe::KindOf(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Kind::kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::kFolder : Kind::kFile;
}

bool CPathProbe::CanRead(const std::string& path) const {
    return CSysEnv::Instance().CanRead(path) != FALSE;
}

bool CPathProbe::CanWrite(const std::string& path) const {
    return CSysEnv::Instance().CanWrite(path) != FALSE;
}

bool CPathProbe::IsSameFile(const std::string& a, const std::string& b) const {
    return kor::IsSameFile(a, b);
}

const CPathProbe& CPathProbe::System() {
    static const CPathProbe probe;
    return probe;
}

PathFault CheckInputPath(const std::string& path, const PathQuestion& ask,
                         const CPathProbe& probe) {
    using Kind = CPathProbe::Kind;
    const size_t slash = LastBackslash(path);
    if (path.empty() || slash == std::string::npos || slash + 1 == path.size())
        return PathFault::kNoName;
    if (!CFileAccess::IsValidPathName(path)) return PathFault::kBadName;
    for (;;) {
        const int drive = probe.CheckDrive(path, false);
        if (drive == -5 || drive == -6) {
            if (ask(PathFault::kMediumUnusable)) continue;
            return PathFault::kCancelled;
        }
        if (drive == -3) return PathFault::kDriveNotReady;
        if (drive == -1 || drive == -2) return PathFault::kDriveUnusable;
        break;
    }
    if (probe.KindOf(path.substr(0, slash + 1)) != Kind::kFolder) return PathFault::kNoFolder;
    switch (probe.KindOf(path)) {
        case Kind::kMissing:
            return PathFault::kNoFile;
        case Kind::kFolder:
            return PathFault::kIsFolder;
        case Kind::kFile:
            break;
    }
    return probe.CanRead(path) ? PathFault::kNone : PathFault::kCannotRead;
}

PathFault CheckOutputPath(const std::string& path, const std::string& inputPath,
                          const PathQuestion& ask, const CPathProbe& probe) {
    using Kind = CPathProbe::Kind;
    if (path.empty()) return PathFault::kNoName;
    if (!CFileAccess::IsValidPathName(path)) return PathFault::kBadName;
    const size_t slash = LastBackslash(path);
    if (slash != std::string::npos && slash + 1 == path.size()) return PathFault::kNoName;
    for (;;) {
        const int drive = probe.CheckDrive(path, true);
        if (drive == 0 || drive == 2) break;
        if (drive == -3) return PathFault::kDriveNotReady;
        if (drive == -1 || drive == -2) return PathFault::kDriveUnusable;
        if (drive == 1) return PathFault::kReadOnlyDrive;
        // Write-protected, unformatted or otherwise unusable: the user may mend it and retry.
        if (!ask(drive == -4 ? PathFault::kWriteProtected : PathFault::kMediumUnusable))
            return PathFault::kCancelled;
    }
    std::string root, folder, file;
    SplitPath(path, root, folder, file);
    if (probe.KindOf(folder) != Kind::kFolder) return PathFault::kNoFolder;
    // Writing over the customer's own file must be impossible, whatever the spelling.
    if (probe.IsSameFile(path, inputPath)) return PathFault::kSameAsInput;
    switch (probe.KindOf(path)) {
        case Kind::kMissing:
            return probe.CanWrite(folder) ? PathFault::kNone : PathFault::kCannotWrite;
        case Kind::kFolder:
            return PathFault::kIsFolder;
        case Kind::kFile:
            if (!ask(PathFault::kOutputExists)) return PathFault::kCancelled;
            return probe.CanWrite(path) ? PathFault::kNone : PathFault::kCannotWrite;
    }
    return PathFault::kNone;
}

bool FitsInFreeSpace(std::uint64_t size, std::uint64_t freeBytes) {
    // size × 1.2 <= free, in whole numbers.
    return size * 6 <= freeBytes * 5;
}

PathFault CheckFreeSpace(const std::string& path, std::uint64_t size, const PathQuestion& ask,
                         const CPathProbe& probe) {
    while (!FitsInFreeSpace(size, probe.FreeSpace(path))) {
        if (probe.CheckDrive(path, true) != 2) return PathFault::kDriveFull;
        if (!ask(PathFault::kDiskFull)) return PathFault::kCancelled;
    }
    return PathFault::kNone;
}

}  // namespace kor
