#pragma once
// Data check screen XF302: shows, read-only, the records that went into the transfer file and
// prints the result list and the totals sheet. The data set and the message table belong to
// the main screen; the data set leaves this screen in its serial order.
#include <windows.h>

#include <string>

#include "common/ApMsgInfoList.h"
#include "framework/DialogBase.h"
#include "framework/VSFlexGrid.h"
#include "transfer/DataSet.h"

namespace xf {

class CKorxf302Dlg : public kor::CDialogBase {
public:
    CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr);

    CVSFlexGrid& Grid() { return m_grid; }

protected:
    BOOL OnInitDialog() override;
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

    HICON m_icon;
    CDataSet* m_dataSet;
    CApMsgInfoList* m_messages;
    std::string m_helpPath;
    CVSFlexGrid m_grid;
};

}  // namespace xf
