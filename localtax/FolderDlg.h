#pragma once
// The folder picker of the main screen: the shell's folder browser over the parent window,
// starting at a given folder. The main screen asks for the output folder with the flags
// BIF_RETURNONLYFSDIRS and the title "変換後フォルダ名".
#include <windows.h>

#include <string>

namespace tx {

class CFolderDlg {
public:
    CFolderDlg(HWND parent, UINT flags) : m_parent(parent), m_flags(flags) {}

    // Shows the browser with title, the initial folder selected (none when empty). TRUE when a
    // folder of the file system was chosen: Path() is then that folder; FALSE leaves Path() as
    // it was.
    BOOL Browse(const std::string& title, const std::string& initialPath = {});

    const std::string& Path() const { return m_path; }

private:
    HWND m_parent;
    UINT m_flags;
    std::string m_path;
};

}  // namespace tx
