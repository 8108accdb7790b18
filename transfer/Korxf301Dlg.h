#pragma once
// Data correction screen XF301: shows the records of the current data set in a grid, lets the
// user correct the items that failed their checks and mark erroneous records deleted, checks
// the corrections again with "更新" and prints the error list. The data set is changed in place;
// it and the message table belong to the main screen.
#include <windows.h>

#include <optional>
#include <string>

#include "common/ApMsgInfoList.h"
#include "common/ScreenBase.h"
#include "framework/VSFlexGrid.h"
#include "transfer/DataSet.h"

namespace xf {

// The template and control ids of the screen.
struct Korxf301Controls {
    UINT dialog;
    int viewAll, viewErrors;  // the view radios
    int update, back, errorList;
    int grid;
    int version;
};
// The transfer tool's.
extern const Korxf301Controls kKorxf301Controls;

class CKorxf301Dlg : public CScreenBase {
public:
    CKorxf301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr, const Korxf301Controls& ids = kKorxf301Controls);

    CVSFlexGrid& Grid() { return m_grid; }
    // An edit changed a cell since the last update or change of view.
    bool IsModified() const { return m_modified; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header) override;
    void OnClose() override;

private:
    // What a cell held when its edit began: the text, and the check state of a delete box.
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

    // Refills the grid from the data set in the view of radio id.
    void FillGrid(int view);
    CellContent ContentOf(int row, int col) const;
    bool IsYellow(int row, int col) const;
    bool RowHasYellowItem(int row) const;
    // The record behind a grid row (its hidden list position); null when there is none.
    CDetailRecord* RecordOfRow(int row) const;
    // Makes the first yellow item cell the current cell and brings it into view.
    void GoToFirstError();

    Korxf301Controls m_ids;
    CDataSet* m_dataSet;
    std::string m_helpPath;
    CVSFlexGrid m_grid;
    std::optional<CellContent> m_editStart;
    bool m_modified = false;
    int m_view = 0;
};

}  // namespace xf
