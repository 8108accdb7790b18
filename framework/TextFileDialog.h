#pragma once
// The file dialog that the screens show for a customer's file, a sample of one or an upload
// file: text files (*.txt, *.csv) or all files, owned by the screen.
#include <windows.h>
// After windows.h.
#include <commdlg.h>

#include "framework/FileDialogSeam.h"

namespace kor {

inline FileDialogRequest TextFileDialog(HWND owner) {
    FileDialogRequest request;
    request.owner = owner;
    request.filter = "ﾃｷｽﾄﾌｧｲﾙ (*.txt *.csv)|*.csv;*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||";
    request.defaultExt = "csv;txt";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return request;
}

}  // namespace kor
