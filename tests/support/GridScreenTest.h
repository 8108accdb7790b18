#pragma once
// What the tests of the tools' grid screens (data correction, data check) share: the window
// classes, a script that answers every box, the screen opened modeless on a data set, and a
// user's keys and choices on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/base/ApMsgInfoList.h"
#include "framework/VSFlexGrid.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"

namespace kortest {

// Registers the window classes that a grid screen's template names.
void RegisterGridScreenClasses();

// The grid's editor window while a cell is edited, else null.
HWND GridEditor(CVSFlexGrid& grid);
// Makes the cell at row and col the grid's current cell.
void SelectCell(CVSFlexGrid& grid, int row, int col);
// Types text over the cell as a user would and presses Enter; false when the grid refused the
// edit.
bool TypeInCell(CVSFlexGrid& grid, int row, int col, const std::wstring& text);
// Presses the space bar on the cell (a box toggles).
void PressSpaceOnCell(CVSFlexGrid& grid, int row, int col);
// The texts of the message boxes shown through script, in order.
std::vector<std::string> ShownTexts(const MessageScript& script);

// Screen is built from (parent, data set, message table); DataSet holds its details.
// A tool's fixture sets the message table up in its SetUp after this one's.
template <class Screen, class DataSet>
class GridScreenTest : public testing::Test {
protected:
    void SetUp() override { RegisterGridScreenClasses(); }

    // Opens the screen on set, shown without activation.
    void OpenScreen(std::unique_ptr<DataSet> set) {
        dataSet = std::move(set);
        screen = std::make_unique<Screen>(nullptr, dataSet.get(), messages.get());
        ASSERT_TRUE(screen->Create());
        ShowWindow(screen->GetSafeHwnd(), SW_SHOWNA);
        Pump();
    }
    CVSFlexGrid& grid() { return screen->Grid(); }
    HWND GridWindow() { return grid().GetSafeHwnd(); }
    HWND Editor() { return GridEditor(grid()); }
    bool Editing() { return IsWindowVisible(Editor()) != FALSE; }
    void Select(int row, int col) { SelectCell(grid(), row, col); }
    bool Type(int row, int col, const std::wstring& text) {
        return TypeInCell(grid(), row, col, text);
    }
    // The texts of column col below the header row.
    std::vector<std::string> Column(int col) {
        std::vector<std::string> texts;
        for (int row = 1; row < grid().Rows(); ++row) texts.push_back(grid().TextMatrix(row, col));
        return texts;
    }
    // The serial numbers of the data set's records, in its order.
    std::vector<int> Serials() const {
        std::vector<int> serials;
        for (const auto& r : dataSet->details) serials.push_back(r->serial);
        return serials;
    }
    // Chooses item index of the combo box id as a user does.
    void ChooseInCombo(int id, int index) {
        screen->Combo(id).SetCurSel(index);
        SendMessageW(screen->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(screen->Item(id)));
    }
    std::vector<std::string> Shown() const { return ShownTexts(script); }
    void Click(int id) { screen->Button(id).Click(); }

    std::unique_ptr<CApMsgInfoList> messages;
    MessageScript script;
    std::unique_ptr<DataSet> dataSet;
    std::unique_ptr<Screen> screen;
};

}  // namespace kortest
