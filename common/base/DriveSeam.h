#pragma once
// What the programs ask the system about a drive: its type, its room, and whether a removable
// medium is ready and writable. A stand-in can answer in the system's place (tests), so that a
// floppy drive, a medium without room or a write-protected medium can be played on any machine.
#include <windows.h>

#include <cstdint>
#include <string>

namespace kor {

// A drive's room as the system counts it. The products saturate instead of overflowing.
struct DiskRoom {
    std::uint64_t bytesPerCluster = 0;  // sectors per cluster × bytes per sector
    std::uint64_t freeClusters = 0;
    std::uint64_t totalClusters = 0;

    std::uint64_t FreeBytes() const;
    std::uint64_t TotalBytes() const;
};

// What a test installs in place of the system's drives.
class DriveStandIn {
public:
    virtual ~DriveStandIn() = default;
    // GetDriveTypeW of a root ("C:\").
    virtual UINT DriveType(const std::wstring& root) = 0;
    // GetDiskFreeSpaceW of a root; false when the drive cannot be asked.
    virtual bool Room(const std::wstring& root, DiskRoom& room) = 0;
    // CSysEnv::CheckRemovableWrite (writeTest) or CSysEnv::CheckRemovable of a drive letter.
    virtual BOOL RemovableReady(char driveLetter, bool writeTest, int* status) = 0;
};

UINT QueryDriveType(const std::wstring& root);
bool QueryDiskRoom(const std::wstring& root, DiskRoom& room);
BOOL QueryRemovableReady(char driveLetter, bool writeTest, int* status);

// Installs a stand-in (not owned); nullptr restores the system's drives. Returns the previous
// one.
DriveStandIn* SetDriveStandIn(DriveStandIn* standIn);

// Installs a stand-in for one scope.
class ScopedDriveStandIn {
public:
    explicit ScopedDriveStandIn(DriveStandIn& standIn) : m_previous(SetDriveStandIn(&standIn)) {}
    ~ScopedDriveStandIn() { SetDriveStandIn(m_previous); }
    ScopedDriveStandIn(const ScopedDriveStandIn&) = delete;
    ScopedDriveStandIn& operator=(const ScopedDriveStandIn&) = delete;

private:
    DriveStandIn* m_previous;
};

}  // namespace kor
