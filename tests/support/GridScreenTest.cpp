#include "support/GridScreenTest.h"

#include "framework/App.h"
#include "framework/GridClass.h"
#include "framework/GridControl.h"

namespace kortest {

void RegisterGridScreenClasses() {
    kor::InitCommonControlClasses();
    kor::RegisterGridClass();
}

HWND GridEditor(CVSFlexGrid& grid) {
    const auto control = kor::GridControl::FromWindow(grid.GetSafeHwnd()).lock();
    return control ? control->EditorWindow() : nullptr;
}

void SelectCell(CVSFlexGrid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
}

bool TypeInCell(CVSFlexGrid& grid, int row, int col, const std::wstring& text) {
    SelectCell(grid, row, col);
    SendMessageW(grid.GetSafeHwnd(), WM_CHAR, text.at(0), 0);
    const HWND editor = GridEditor(grid);
    if (!IsWindowVisible(editor)) return false;
    for (size_t i = 1; i < text.size(); ++i) SendMessageW(editor, WM_CHAR, text[i], 0);
    SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

void PressSpaceOnCell(CVSFlexGrid& grid, int row, int col) {
    SelectCell(grid, row, col);
    SendMessageW(grid.GetSafeHwnd(), WM_KEYDOWN, VK_SPACE, 0);
}

std::vector<std::string> ShownTexts(const MessageScript& script) {
    std::vector<std::string> texts;
    for (const auto& request : script.Shown()) texts.push_back(request.text);
    return texts;
}

}  // namespace kortest
