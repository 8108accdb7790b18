#pragma once
// The program-wide object that knows the machine: standard folders, the user, a code for the
// Windows version and the optional access-check library. It answers what the screens ask before
// they touch a path or the printer. Paths are CP932 text; nothing is shown to the user here.
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/UniqueHandle.h"

class CSysEnv {
public:
    // The optional access-check library, bound on the NT family when it is present.
    static constexpr wchar_t kAccessLibrary[] = L"KorxfNTServ.dll";

    // The single object of the program; the first call builds it.
    static CSysEnv& Instance();

    // accessLibrary: the name (searched in the program folder and the system folder) or the
    // full path of the access-check library; null for none.
    explicit CSysEnv(const wchar_t* accessLibrary = kAccessLibrary);
    ~CSysEnv();
    CSysEnv(const CSysEnv&) = delete;
    CSysEnv& operator=(const CSysEnv&) = delete;

    std::string ProgramFilesFolder() const { return m_programFilesFolder; }
    std::string ProgramFilesDrive() const { return m_programFilesDrive; }
    std::string SystemFolder() const { return m_systemFolder; }
    std::string DesktopFolder() const { return m_desktopFolder; }
    std::string ModulePath() const { return m_modulePath; }
    std::string UserName() const { return m_userName; }
    // True when the access-check library and its export are bound.
    bool HasAccessLibrary() const { return m_isFileAccess != nullptr; }

    // 31 Win32s; 95, 98, 99 (Me), 90 Windows 9x; 300, 400, 2000, 2001, 2003 NT 3, 4, 5.0-5.2;
    // 100 any later NT; 1 when the version cannot be asked. Computed once.
    static int GetOSCode();
    static int OSCodeFor(DWORD platform, DWORD major, DWORD minor);

    // TRUE when the file exists: its name is searched for in its own folder.
    static BOOL FindSystemFile(std::string_view path);
    // TRUE when the grid window class is registered in this process.
    BOOL IsGridControlInstalled() const;
    // TRUE when there is a default printer.
    BOOL IsPrinterAvailable() const;

    BOOL CanRead(std::string_view path) const { return CheckAccess(path, 1); }
    BOOL CanWrite(std::string_view path) const { return CheckAccess(path, 2); }
    // mode 1 read, 2 write: 1 allowed, 0 refused. A folder is given with a trailing backslash.
    BOOL CheckAccess(std::string_view path, int mode) const;
    // TRUE when the path's volume is NTFS, or when the volume cannot be asked.
    static BOOL IsNtfs(std::string_view path);

    // Is the removable drive ready (and, for the write check, writable)? status (when given):
    // 0 ready, 1 not ready (no medium), 2 unrecognised or unformatted medium, 3 write
    // protected, 999 any other failure.
    static BOOL CheckRemovableWrite(char driveLetter, int* status);
    static BOOL CheckRemovable(char driveLetter, int* status);
    // The status for the system error of the drive's access test, or of the scratch file.
    static int RemovableStatus(DWORD error, bool afterScratchFile);

    // Opens a topic of an HTML Help file by context id.
    void ShowHelp(std::string_view helpFile, DWORD topicId);
    // TRUE when the class of the program id names an in-process server file that exists.
    static BOOL IsInprocServerPresent(std::string_view progId);

    // The program's own access tests, without the runtime's test before them. Opens every file
    // the path matches for reading, alone: 0 when one of them refuses for a reason other than
    // another program holding it, else 1 (also when nothing matches).
    static BOOL OpenEachForReading(const std::wstring& path);
    // Creates "ComSystemDummyFile" in the folder (ending in a backslash) and deletes it again:
    // TRUE when the folder takes new files. A file of that name that is there already is only
    // opened for writing and left as it is.
    static BOOL CanCreateScratchFile(const std::wstring& folder);

private:
    using IsFileAccessFn = int(WINAPI*)(const char* path, int mode);
    using HtmlHelpFn = HWND(WINAPI*)(HWND caller, const wchar_t* file, UINT command,
                                     DWORD_PTR data);

    BOOL OwnWriteTest(const std::wstring& path) const;

    std::string m_programFilesFolder;
    std::string m_programFilesDrive;
    std::string m_systemFolder;
    std::string m_desktopFolder;
    std::string m_modulePath;
    std::string m_helpFile;
    DWORD m_helpCookie = 0;
    std::string m_userName;
    kor::UniqueModule m_accessLibrary;
    IsFileAccessFn m_isFileAccess = nullptr;
    kor::UniqueModule m_htmlHelpModule;
    HtmlHelpFn m_htmlHelp = nullptr;
};
