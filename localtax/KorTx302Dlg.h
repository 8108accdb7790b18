#pragma once
// Data check screen TX302: the output data set (one group per output file) in a read-only grid,
// with the result list and the totals sheet to print. Items made valid by a correction are
// shown, and later printed, as valid as read. The data set and the message table belong to the
// main screen.
#include <windows.h>

#include <string>

#include "common/screens/ScreenBase.h"
#include "framework/VSFlexGrid.h"
#include "localtax/DataSet.h"

namespace tx {

class CKorTx302Dlg : public CScreenBase {
public:
    // color: the main screen's dialog colour (every screen wears the shared one); text: kept.
    CKorTx302Dlg(COLORREF color, HICON icon, CDataSet* dataSet, ::CApMsgInfoList* messages,
                 std::string text = {}, HWND parent = nullptr);

    CVSFlexGrid& Grid() { return m_grid; }

    // Every item status 2 (valid after a correction) of the data set becomes 1.
    static void ResetCorrectedStatus(CDataSet& dataSet);

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    void OnClose() override { EndDialog(1); }

private:
    // Counts the pages of the list kind, asks the number of pages and prints.
    void Print(int kind);

    CDataSet* m_dataSet;
    std::string m_text;
    CVSFlexGrid m_grid;
};

}  // namespace tx
