#pragma once
// The codes the grid window and its users share: column data types and alignments, check box
// states, the colour of a cell never painted, who may edit, and the edit notifications the grid
// sends its parent (WM_NOTIFY with an EditNotify).
#include <windows.h>

namespace kor {

struct GridCodes {
    // Column data types.
    static constexpr int kTypeText = 8;
    static constexpr int kTypeCheckBox = 11;
    // Column alignments (vertically centred).
    static constexpr int kAlignLeft = 1;
    static constexpr int kAlignCenter = 4;
    static constexpr int kAlignRight = 7;
    // Check box states (0: never set).
    static constexpr int kChecked = 1;
    static constexpr int kUnchecked = 2;
    // The background of a cell whose colour was never set (drawn in the window colour).
    static constexpr COLORREF kDefaultColor = 0xFF000000;
    // Who may edit: nobody, the keyboard only, the keyboard and the mouse.
    static constexpr int kEditNone = 0;
    static constexpr int kEditKeyboard = 1;
    static constexpr int kEditKeyboardMouse = 2;

    // kNotifyBeforeEdit before a cell is edited or a check box toggled; set cancel to refuse;
    // kNotifyAfterEdit after an edit was taken; the cell already holds the new text or state.
    static constexpr UINT kNotifyBeforeEdit = 0x4B01;
    static constexpr UINT kNotifyAfterEdit = 0x4B02;
    struct EditNotify {
        NMHDR hdr;
        int row;
        int col;
        BOOL cancel;  // before edit only: TRUE refuses the edit
    };
};

}  // namespace kor
