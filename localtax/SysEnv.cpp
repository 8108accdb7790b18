#include "localtax/SysEnv.h"

#include <io.h>

#include "common/base/ApMsgInfoList.h"
#include "common/base/CharCheck.h"
#include "common/base/DriveSeam.h"
#include "common/base/PathNames.h"
#include "common/base/SingleInstance.h"
#include "common/base/StrUtil.h"
#include "common/base/SysEnv.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "localtax/DetailChecks.h"
#include "localtax/MessageIds.h"

namespace tx {

namespace {

constexpr char kWordInputFile[] = "変換前ファイル名";
constexpr char kWordInputFolder[] = "変換前フォルダ";
constexpr char kWordOutputFolder[] = "変換後フォルダ";
constexpr char kWordRead[] = "読込";
constexpr char kWordWrite[] = "書込";

// Access modes of the runtime's access test.
constexpr int kRuntimeExists = 0;
constexpr int kRuntimeRead = 4;
constexpr int kRuntimeWrite = 2;
constexpr int kRuntimeReadWrite = 6;

bool RuntimeAccess(const std::wstring& path, int mode) {
    return _waccess(path.c_str(), mode) == 0;
}

// Every single-byte character of from becomes to (nothing when to is 0); double-byte characters
// stay, even where their second byte equals from.
std::string ReplaceChar(std::string_view text, char from, char to) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = CStrUtil::CharLength(text, i);
        if (length == 1 && text[i] == from) {
            if (to) out += to;
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

bool EndsInBackslash(std::string_view path) {
    return !path.empty() && kor::LastBackslash(path) + 1 == path.size();
}

bool IsFolder(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(kor::ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

BOOL CSysEnv::IsDigits(const char* text, int count, const char* extra) {
    return CCharCheck::IsDigits(text, count, extra) ? TRUE : FALSE;
}

BOOL CSysEnv::IsKanaAlnum(const char* text, int count, const char* extra) {
    return CCharCheck::IsKanaAlnum(text, count, extra) ? TRUE : FALSE;
}

BOOL CSysEnv::IsFlagChar(char c) {
    return c == ' ' || c == '0' || c == '1';
}

BOOL CSysEnv::HasNoQuoteOrComma(std::string_view text) {
    return CCharCheck::HasNoQuoteOrComma(text) ? TRUE : FALSE;
}

BOOL CSysEnv::IsValidPathName(std::string_view path) {
    return CFileAccess::IsValidPathName(path);
}

int CSysEnv::CheckOutputDrive(std::string_view path) {
    const std::string_view drive = path.substr(0, CStrUtil::Find(path, "\\"));
    if (drive.find(':') == std::string_view::npos) return kNoDriveLetter;
    switch (kor::QueryDriveType(kor::ToWide(drive) + L"\\")) {
        case DRIVE_UNKNOWN:
            return kNoDriveLetter;
        case DRIVE_NO_ROOT_DIR:
            return kNoRootDirectory;
        case DRIVE_REMOVABLE:
            break;
        default:
            return kNotRemovable;
    }
    int status = 999;
    CheckRemovableWrite(drive[0], &status);
    switch (status) {
        case 0:
            return kRemovableReady;
        case 1:
            return kRemovableNotReady;
        case 2:
            return kUnformatted;
        case 3:
            return kWriteProtected;
        default:
            return kRemovableFailure;
    }
}

std::uint64_t CSysEnv::GetFreeSpace(std::string_view path) {
    return CFileAccess::GetFreeSpace(path);
}

std::uint64_t CSysEnv::GetTotalSpace(std::string_view path) {
    kor::DiskRoom room;
    if (!kor::QueryDiskRoom(kor::ToWide(path.substr(0, 3)), room)) return 0;
    return room.TotalBytes();
}

BOOL CSysEnv::CheckRemovableWrite(char driveLetter, int* status) {
    return kor::QueryRemovableReady(driveLetter, true, status);
}

BOOL CSysEnv::CheckAccess(std::string_view path, int mode) {
    const std::wstring wpath = kor::ToWide(path);
    switch (mode) {
        case kAccessRead:
            if (!RuntimeAccess(wpath, kRuntimeRead)) return 0;
            return ::CSysEnv::OpenEachForReading(wpath);
        case kAccessWrite: {
            if (!RuntimeAccess(wpath, kRuntimeWrite)) return 0;
            const size_t slash = kor::LastBackslash(path);
            if (slash == std::string_view::npos) return 0;
            return ::CSysEnv::CanCreateScratchFile(kor::ToWide(path.substr(0, slash + 1)));
        }
        case kAccessReadWrite:
            return RuntimeAccess(wpath, kRuntimeReadWrite) ? 1 : 0;
        default:
            return RuntimeAccess(wpath, kRuntimeExists) ? 1 : 0;
    }
}

BOOL CSysEnv::ShowAccessError(HWND parent, ::CApMsgInfoList& messages, std::string_view pathText,
                              bool input, bool file) {
    const auto showRefusal = [&](Msg id, const char* word = nullptr) {
        messages.ShowMessage(parent, id, word);
        return FALSE;
    };
    if (pathText.empty())
        return showRefusal(Msg::kNoPathName,
                           input ? (file ? kWordInputFile : kWordInputFolder) : kWordOutputFolder);
    std::string path = ReplaceChar(pathText, '/', '\\');
    if (!file && !EndsInBackslash(path)) path += '\\';
    if (!IsValidPathName(path)) return showRefusal(Msg::kBadPathName);
    if (path.size() < 3 || path.compare(1, 2, ":\\") != 0) return showRefusal(Msg::kNoFolder);
    switch (CheckOutputDrive(path)) {
        case kRemovableNotReady:
            return showRefusal(Msg::kNoMedium);
        case kNoDriveLetter:
        case kUnformatted:
        case kRemovableFailure:
            return showRefusal(Msg::kDriveUnusable);
        case kNoRootDirectory:
            return showRefusal(file ? Msg::kNoSuchFile : Msg::kNoFolder);
        case kWriteProtected:
            if (!input) return showRefusal(Msg::kWriteProtected);
            break;
        case kRemovableReady:
            if (!input) {
                // Output to a removable medium goes into its root folder only.
                const std::string_view folder =
                    std::string_view(path).substr(2, kor::LastBackslash(path) - 1);
                if (!ReplaceChar(ReplaceChar(folder, '\\', 0), '/', 0).empty())
                    return showRefusal(Msg::kBelowRoot);
            }
            break;
        default:
            break;
    }
    if (!Exists(path)) return showRefusal(file ? Msg::kNoSuchFile : Msg::kNoFolder);
    if (file && IsFolder(path)) return showRefusal(Msg::kNoSuchFile);
    if (input ? !CanRead(path) : !CanWrite(path))
        return showRefusal(Msg::kNoAccess, input ? kWordRead : kWordWrite);
    return TRUE;
}

BOOL CSysEnv::IsGridControlInstalled() {
    return kor::IsGridClassRegistered() ? TRUE : FALSE;
}

std::string CSysEnv::GetModuleFolder() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::string module = kor::ToCp932(std::wstring_view(buffer, n < MAX_PATH ? n : 0));
    const size_t slash = kor::LastBackslash(module);
    return slash == std::string::npos ? module : module.substr(0, slash);
}

void CSysEnv::ValidateGroup(CTaxGroup& group) {
    tx::ValidateGroup(group);
}

void CSysEnv::ValidateDetail(CDetailRecord& detail) {
    tx::ValidateDetail(detail);
}

BOOL CreateOwnedMutex(std::string_view name) {
    return kor::CreateOwnedMutex(kor::ToWide(name).c_str()) ? TRUE : FALSE;
}

}  // namespace tx
