#pragma once
// Data check screen XF302: shows, read-only, the records that went into the transfer file and
// prints the result list and the totals sheet. The data set and the message table belong to
// the main screen; the data set leaves this screen in its serial order.
#include <windows.h>

#include <string>

#include "common/ApMsgInfoList.h"
#include "common/ScreenBase.h"
#include "framework/VSFlexGrid.h"
#include "transfer/DataSet.h"

namespace xf {

// The template and control ids of the screen.
struct Korxf302Controls {
    UINT dialog;
    int grid;
    int back, printList, printTotals;
    int sortOrder;  // the sort-order list
    int version;
};
// The transfer tool's.
extern const Korxf302Controls kKorxf302Controls;

class CKorxf302Dlg : public CScreenBase {
public:
    CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr, const Korxf302Controls& ids = kKorxf302Controls);

    CVSFlexGrid& Grid() { return m_grid; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;

private:
    void OnBtnBack();
    void OnBtnPrintList();
    void OnBtnPrintTotals();
    void OnSelchangeSortOrder();
    // Sorts the data set's records by key (RecordOrder.h).
    void SortRecords(int key);
    // Puts the data set back in serial order and closes the screen.
    void CloseRestoringOrder();
    void FillGrid();

    Korxf302Controls m_ids;
    CDataSet* m_dataSet;
    std::string m_helpPath;
    CVSFlexGrid m_grid;
};

}  // namespace xf
