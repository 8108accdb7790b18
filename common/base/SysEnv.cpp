#include "common/base/SysEnv.h"

#include <htmlhelp.h>
#include <io.h>

#include <cstdio>
#include <cwchar>

#include "common/base/WidePath.h"
#include "framework/Cp932.h"
#include "framework/GridClass.h"
#include "framework/PrinterSeam.h"

namespace {

constexpr char kDummyFileName[] = "ComSystemDummyFile";
constexpr char kFloppyFileFormat[] = "%sCheckFloppyDisk.tmp";
// Access modes of the runtime's access test.
constexpr int kAccessRead = 4;
constexpr int kAccessWrite = 2;
constexpr int kAccessReadWrite = 6;

// A string value of a registry key (the default value when value is null); false when the key
// or the value cannot be read or the value is no string.
bool ReadRegString(HKEY root, const wchar_t* key, const wchar_t* value, std::wstring& out) {
    kor::UniqueRegKey k;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, k.put()) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(k.get(), value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS)
        return false;
    text.resize(wcsnlen(text.c_str(), text.size()));
    if (type == REG_EXPAND_SZ) {
        const DWORD n = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
        std::wstring expanded(n, L'\0');
        if (n == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), n) == 0)
            return false;
        expanded.resize(wcsnlen(expanded.c_str(), expanded.size()));
        text = std::move(expanded);
    }
    out = std::move(text);
    return true;
}

std::wstring ModuleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Switches the system's critical-error boxes off for one scope.
class QuietErrorMode {
public:
    QuietErrorMode() : m_old(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietErrorMode() { SetErrorMode(m_old); }
    QuietErrorMode(const QuietErrorMode&) = delete;
    QuietErrorMode& operator=(const QuietErrorMode&) = delete;

private:
    UINT m_old;
};

// Creates and deletes a scratch file to learn whether its folder takes new files; the system
// error of the first step that failed, 0 when both worked. A file of that name that is already
// there belongs to someone else: it is only opened for writing, and left as it is.
DWORD TryScratchFile(const std::wstring& path) {
    kor::UniqueFile created(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (created) {
        created.reset();
        return DeleteFileW(path.c_str()) ? 0 : GetLastError();
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
    kor::UniqueFile existing(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    return existing ? 0 : GetLastError();
}

BOOL CheckDrive(char driveLetter, int* status, bool scratchFile) {
    QuietErrorMode quiet;
    const std::string root = std::string(1, driveLetter) + ":\\";
    const std::wstring wroot = kor::ToWide(root);
    SetLastError(0);
    const BOOL passed = _waccess(wroot.c_str(), kAccessReadWrite) == 0;
    if (!status) return passed;
    DWORD error = GetLastError();
    if (error != 0) {
        *status = CSysEnv::RemovableStatus(error, false);
        return FALSE;
    }
    if (scratchFile) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, kFloppyFileFormat, root.c_str());
        error = TryScratchFile(kor::ToWide(name));
        *status = CSysEnv::RemovableStatus(error, true);
        if (error != 0) return FALSE;
    }
    *status = 0;
    return passed;
}

}  // namespace

CSysEnv& CSysEnv::Instance() {
    static CSysEnv env;
    return env;
}

CSysEnv::CSysEnv(const wchar_t* accessLibrary) {
    std::wstring text;
    m_desktopFolder =
        ReadRegString(HKEY_CURRENT_USER,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      L"Desktop", text)
            ? kor::ToCp932(text)
            : "C:";
    if (!ReadRegString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                       L"ProgramFilesDir", text))
        text = L"C:\\Program Files";
    m_programFilesFolder = kor::ToCp932(text);
    m_programFilesDrive = kor::ToCp932(kor::DriveOf(text));

    const int osCode = GetOSCode();

    wchar_t buf[MAX_PATH + 1];
    const UINT n = GetSystemDirectoryW(buf, MAX_PATH + 1);
    if (n > 0 && n <= MAX_PATH) m_systemFolder = kor::ToCp932(std::wstring_view(buf, n));
    m_modulePath = kor::ToCp932(ModuleFileName());
    wchar_t user[257];
    DWORD userLength = 257;
    if (GetUserNameW(user, &userLength)) m_userName = kor::ToCp932(user);

    if (osCode >= 100 && accessLibrary) {
        // Never from the current folder: only the program folder and the system folder.
        m_accessLibrary.reset(
            LoadLibraryExW(accessLibrary, nullptr,
                           LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
        if (!m_accessLibrary && GetLastError() == ERROR_INVALID_PARAMETER)
            m_accessLibrary.reset(LoadLibraryW(accessLibrary));  // a system without those flags
        if (m_accessLibrary) {
            const FARPROC proc = GetProcAddress(m_accessLibrary.get(), "IsFileAccess");
            if (proc)
                m_isFileAccess =
                    reinterpret_cast<IsFileAccessFn>(reinterpret_cast<void (*)()>(proc));
            else
                m_accessLibrary.reset();
        }
    }
    m_helpCookie = 0;
}

CSysEnv::~CSysEnv() {
    m_isFileAccess = nullptr;
    m_accessLibrary.reset();
    if (m_htmlHelp) m_htmlHelp(nullptr, nullptr, HH_UNINITIALIZE, m_helpCookie);
}

int CSysEnv::OSCodeFor(DWORD platform, DWORD major, DWORD minor) {
    switch (platform) {
        case VER_PLATFORM_WIN32s:
            return 31;
        case VER_PLATFORM_WIN32_WINDOWS:
            switch (minor) {
                case 0:
                    return 95;
                case 10:
                    return 98;
                case 90:
                    return 99;
                default:
                    return 90;
            }
        case VER_PLATFORM_WIN32_NT:
            if (major == 3) return 300;
            if (major == 4) return 400;
            if (major == 5 && minor == 0) return 2000;
            if (major == 5 && minor == 1) return 2001;
            if (major == 5 && minor == 2) return 2003;
            return 100;
        default:
            return 100;
    }
}

int CSysEnv::GetOSCode() {
    static const int code = [] {
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!GetVersionExW(&info)) return 1;
        return OSCodeFor(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    }();
    return code;
}

BOOL CSysEnv::FindSystemFile(std::string_view path) {
    const std::wstring wpath = kor::ToWide(path);
    const std::wstring folder = kor::FolderOf(wpath);
    const std::wstring name = kor::FileNameOf(wpath);
    if (name.empty()) return FALSE;
    wchar_t found[MAX_PATH];
    return SearchPathW(folder.empty() ? nullptr : folder.c_str(), name.c_str(), nullptr, MAX_PATH,
                       found, nullptr) != 0;
}

BOOL CSysEnv::IsGridControlInstalled() const {
    return kor::IsGridClassRegistered();
}

BOOL CSysEnv::IsPrinterAvailable() const {
    return kor::HasDefaultPrinter() ? TRUE : FALSE;
}

BOOL CSysEnv::IsNtfs(std::string_view path) {
    const std::wstring root = kor::DriveOf(kor::ToWide(path)) + L"\\";
    wchar_t fileSystem[16] = {};
    if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fileSystem, 16))
        return TRUE;
    return _wcsicmp(fileSystem, L"NTFS") == 0;
}

BOOL CSysEnv::CheckAccess(std::string_view path, int mode) const {
    if (mode != 1 && mode != 2) return 0;
    const std::wstring wpath = kor::ToWide(path);
    if (_waccess(wpath.c_str(), mode == 1 ? kAccessRead : kAccessWrite) != 0) return 0;
    if (!IsNtfs(path)) return 1;
    if (m_isFileAccess) return m_isFileAccess(std::string(path).c_str(), mode);
    return mode == 1 ? OpenEachForReading(wpath) : OwnWriteTest(wpath);
}

// A file that another program holds open says nothing about our rights (the read reports it);
// any other refusal does.
BOOL CSysEnv::OpenEachForReading(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    kor::UniqueFind find(FindFirstFileW(path.c_str(), &entry));
    if (!find) return 1;
    const std::wstring folder = kor::FolderOf(path);
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;  // ".", ".." as well
        const kor::UniqueFile file(CreateFileW((folder + entry.cFileName).c_str(), GENERIC_READ, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file) {
            const DWORD error = GetLastError();
            if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return 0;
        }
    } while (FindNextFileW(find.get(), &entry));
    return 1;
}

// A folder takes the scratch file; an existing file is opened for writing and left unchanged.
BOOL CSysEnv::OwnWriteTest(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool isFolder =
        kor::FileNameOf(path).empty() ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (isFolder) {
        std::wstring folder = path;
        if (!kor::FileNameOf(folder).empty()) folder += L'\\';
        return CanCreateScratchFile(folder);
    }
    const kor::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? 1 : 0;
}

BOOL CSysEnv::CanCreateScratchFile(const std::wstring& folder) {
    return TryScratchFile(folder + kor::ToWide(kDummyFileName)) == 0;
}

BOOL CSysEnv::CheckRemovableWrite(char driveLetter, int* status) {
    return CheckDrive(driveLetter, status, true);
}

BOOL CSysEnv::CheckRemovable(char driveLetter, int* status) {
    return CheckDrive(driveLetter, status, false);
}

int CSysEnv::RemovableStatus(DWORD error, bool afterScratchFile) {
    if (error == 0) return 0;
    if (afterScratchFile) return error == ERROR_WRITE_PROTECT ? 3 : 999;
    switch (error) {
        case ERROR_NOT_READY:
            return 1;
        case ERROR_UNRECOGNIZED_VOLUME:
        case ERROR_UNRECOGNIZED_MEDIA:
            return 2;
        default:
            return 999;
    }
}

void CSysEnv::ShowHelp(std::string_view helpFile, DWORD topicId) {
    if (!m_htmlHelp) {
        m_helpFile = std::string(helpFile);
        // Loaded here only: a program that never opens help never needs the control.
        m_htmlHelpModule.reset(
            LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
        if (!m_htmlHelpModule && GetLastError() == ERROR_INVALID_PARAMETER)
            m_htmlHelpModule.reset(LoadLibraryW(L"hhctrl.ocx"));
        if (!m_htmlHelpModule) return;
        const FARPROC proc = GetProcAddress(m_htmlHelpModule.get(), "HtmlHelpW");
        if (!proc) {
            m_htmlHelpModule.reset();
            return;
        }
        m_htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void (*)()>(proc));
        m_htmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&m_helpCookie));
        MSG none{};
        m_htmlHelp(nullptr, nullptr, HH_PRETRANSLATEMESSAGE, reinterpret_cast<DWORD_PTR>(&none));
    }
    m_htmlHelp(nullptr, kor::ToWide(m_helpFile).c_str(), HH_HELP_CONTEXT, topicId);
}

BOOL CSysEnv::IsInprocServerPresent(std::string_view progId) {
    std::wstring classId;
    if (!ReadRegString(HKEY_CLASSES_ROOT, (kor::ToWide(progId) + L"\\CLSID").c_str(), nullptr,
                       classId))
        return FALSE;
    std::wstring server;
    if (!ReadRegString(HKEY_LOCAL_MACHINE,
                       (L"SOFTWARE\\Classes\\CLSID\\" + classId + L"\\InprocServer32").c_str(),
                       nullptr, server))
        return FALSE;
    return FindSystemFile(kor::ToCp932(server));
}
