#include "localtax/FolderDlg.h"

#include "framework/FolderDialogSeam.h"

namespace tx {

BOOL CFolderDlg::Browse(const std::string& title, const std::string& initialPath) {
    kor::FolderDialogRequest request;
    request.owner = m_parent;
    request.title = title;
    request.initialPath = initialPath;
    request.flags = m_flags;
    auto chosen = kor::ShowFolderDialog(request);
    if (!chosen) return FALSE;
    m_path = std::move(*chosen);
    return TRUE;
}

}  // namespace tx
