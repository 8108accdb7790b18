#pragma once
// Data correction screen TX301: the details of the read data set's first group in the grid,
// where the user corrects the items in error, ticks details in error for deletion, takes the
// corrections back with 更新 and prints the error list. The data set and the message table
// belong to the main screen; the details are changed in place and never removed.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "common/screens/ScreenBase.h"
#include "framework/VSFlexGrid.h"
#include "localtax/CorrectionRules.h"
#include "localtax/DataSet.h"

namespace tx {

class CKorTx301Dlg : public CScreenBase {
public:
    // color: the main screen's dialog colour (every screen wears the shared one); the three
    // flags: the item sets of the last read's pattern (salary, retirement, payment); text: kept.
    CKorTx301Dlg(COLORREF color, HICON icon, CDataSet* dataSet, int salarySet, int retirementSet,
                 int paymentSet, ::CApMsgInfoList* messages, std::string text = {},
                 HWND parent = nullptr);

    CVSFlexGrid& Grid() { return m_grid; }
    // An edit changed a cell since the last update, or the user agreed to drop the changes.
    bool IsModified() const { return m_modified; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header) override;
    void OnClose() override { OnBtnBack(); }

private:
    // What a cell held when its edit began: the text and the check state of the 削除 box.
    struct CellContent {
        std::string text;
        long checked = 0;
        bool operator==(const CellContent&) const = default;
    };

    void OnBtnBack();
    void OnBtnUpdate();
    void OnBtnErrorList();
    void OnRadioView(int id);
    void OnGridBeforeEdit(int row, int col, bool& cancel);
    void OnGridAfterEdit(int row, int col);

    // Refills the grid with every detail (radio 読込データ) or the details in error.
    void ShowView(int view);
    CellContent ContentOf(int row, int col) const;
    bool RowHasErrorCell(int row) const;
    CTaxGroup* FirstGroup() const;
    CCorrectionRules Rules() const;
    // Makes the first yellow item cell the current cell and brings it into view.
    void GoToFirstError();

    CDataSet* m_dataSet;
    std::array<bool, kItemSetCount> m_sets;
    std::string m_text;
    CVSFlexGrid m_grid;
    std::optional<CellContent> m_editStart;
    bool m_modified = false;
    int m_view = 0;
};

}  // namespace tx
