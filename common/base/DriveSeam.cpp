#include "common/base/DriveSeam.h"

#include <limits>

#include "common/base/SysEnv.h"

namespace kor {

namespace {

DriveStandIn*& StandIn() {
    static DriveStandIn* standIn = nullptr;
    return standIn;
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a)
        return std::numeric_limits<std::uint64_t>::max();
    return a * b;
}

}  // namespace

std::uint64_t DiskRoom::FreeBytes() const {
    return SaturatingProduct(bytesPerCluster, freeClusters);
}

std::uint64_t DiskRoom::TotalBytes() const {
    return SaturatingProduct(bytesPerCluster, totalClusters);
}

UINT QueryDriveType(const std::wstring& root) {
    if (DriveStandIn* standIn = StandIn()) return standIn->DriveType(root);
    return GetDriveTypeW(root.c_str());
}

bool QueryDiskRoom(const std::wstring& root, DiskRoom& room) {
    if (DriveStandIn* standIn = StandIn()) return standIn->Room(root, room);
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD totalClusters = 0;
    if (!GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
        return false;
    room.bytesPerCluster = static_cast<std::uint64_t>(sectorsPerCluster) * bytesPerSector;
    room.freeClusters = freeClusters;
    room.totalClusters = totalClusters;
    return true;
}

BOOL QueryRemovableReady(char driveLetter, bool writeTest, int* status) {
    if (DriveStandIn* standIn = StandIn())
        return standIn->RemovableReady(driveLetter, writeTest, status);
    return writeTest ? CSysEnv::CheckRemovableWrite(driveLetter, status)
                     : CSysEnv::CheckRemovable(driveLetter, status);
}

DriveStandIn* SetDriveStandIn(DriveStandIn* standIn) {
    DriveStandIn* previous = StandIn();
    StandIn() = standIn;
    return previous;
}

}  // namespace kor
