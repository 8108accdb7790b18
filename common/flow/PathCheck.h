#pragma once
// The checks of the file names a main screen takes before it reads and before it writes: the
// name, the drive, the folder, the file and the access rights, and the room for the output.
// Each check ends in a fault, which every tool turns into its own message. A fault the user can
// mend at the machine (a disk to set right, a full disk to change, an output to overwrite) is
// put to the user as a question first; the check tries again, or goes on, while the answer says
// so. What the checks ask the system goes through a probe that tests replace.
#include <cstdint>
#include <functional>
#include <string>

#include "common/base/MessageId.h"

namespace kor {

enum class PathFault {
    kNone,
    kCancelled,       // a question was answered with "stop": nothing more to say
    kNoName,          // empty, without a folder or without a file name
    kBadName,         // a character no file name may hold
    kDriveUnusable,   // no such drive, or a drive of a kind that cannot be used
    kDriveNotReady,   // no medium in the drive
    kWriteProtected,  // question: the medium is write-protected; try again?
    kMediumUnusable,  // question: the medium cannot be read or written; try again?
    kReadOnlyDrive,   // the output is on a CD-ROM drive
    kNoFolder,        // the folder does not exist or cannot be used
    kNoFile,          // the input file does not exist
    kIsFolder,        // the name is a folder's
    kCannotRead,      // the input file cannot be read
    kSameAsInput,     // the output would be the input file
    kOutputExists,    // question: the output file exists; overwrite it?
    kCannotWrite,     // the output file or its folder cannot be written
    kDiskFull,        // question: the removable disk has too little room; try another?
    kDriveFull,       // the output drive has too little room
};

// The messages of the path faults, as a tool numbers them, with the words each is shown with.
// The questions (write-protected, medium unusable, output exists, disk full) are asked without
// words; OK (for the output, anything but Cancel) goes on.
struct PathMessages {
    MessageId noName;  // the file edit's name; also a folder's name given as a file
    MessageId badName;
    MessageId driveUnusable;
    MessageId driveNotReady;
    MessageId writeProtected;
    MessageId mediumUnusable;
    MessageId noFolder;  // also an output on a CD-ROM drive
    MessageId noFile;
    MessageId cannotRead;   // "読込"
    MessageId sameAsInput;  // the output's and the input's edit names
    MessageId outputExists;
    MessageId cannotWrite;
    MessageId diskFull;
    MessageId driveFull;
};

// What the checks ask the system.
class CPathProbe {
public:
    enum class Kind { kMissing, kFile, kFolder };

    virtual ~CPathProbe() = default;
    // CFileAccess::CheckOutputDrive.
    virtual int CheckDrive(const std::string& path, bool writeTest) const;
    // CFileAccess::GetFreeSpace.
    virtual std::uint64_t FreeSpace(const std::string& path) const;
    virtual Kind KindOf(const std::string& path) const;
    // CSysEnv::CanRead and CanWrite of the program's environment.
    virtual bool CanRead(const std::string& path) const;
    virtual bool CanWrite(const std::string& path) const;
    // kor::IsSameFile.
    virtual bool IsSameFile(const std::string& a, const std::string& b) const;

    // The probe of the real machine.
    static const CPathProbe& System();
};

// Puts a question fault to the user: true tries again (or overwrites), false stops the check.
using PathQuestion = std::function<bool(PathFault)>;

// The input file of a read: a name with a folder and a file name, of allowed characters, on a
// usable and ready drive, in an existing folder, an existing file that can be read. The name is
// taken as it stands (see NormalizePathText).
PathFault CheckInputPath(const std::string& path, const PathQuestion& ask,
                         const CPathProbe& probe = CPathProbe::System());

// The output file of a write: a name of allowed characters ending in a file name, on a usable,
// ready and writable drive, in an existing folder, not the input file under any name; a new
// file in a writable folder, or an existing one the user agrees to overwrite and that can be
// written.
PathFault CheckOutputPath(const std::string& path, const std::string& inputPath,
                          const PathQuestion& ask, const CPathProbe& probe = CPathProbe::System());

// True when size with a fifth to spare fits into freeBytes.
bool FitsInFreeSpace(std::uint64_t size, std::uint64_t freeBytes);

// Room for an output of size bytes on the drive of path. A removable disk that is too full may
// be changed and measured again.
PathFault CheckFreeSpace(const std::string& path, std::uint64_t size, const PathQuestion& ask,
                         const CPathProbe& probe = CPathProbe::System());

}  // namespace kor
