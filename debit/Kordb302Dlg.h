#pragma once
// Data check screen DB302: the shared check screen over the direct-debit data set, grid helper
// and record orders (by account number, by depositor name), with its print buttons.
#include <windows.h>

#include "common/base/ApMsgInfoList.h"
#include "common/screens/DataSetScreens.h"
#include "debit/DataSet.h"
#include "debit/GridHelper.h"
#include "debit/ListPrinter.h"

namespace db {

extern const CheckControls kKordb302Controls;

// Orders of the check screen besides the serial order.
inline constexpr int kOrderAccountNumber = 1;
inline constexpr int kOrderDepositorName = 2;

class CKordb302Dlg : public CDataSetCheckScreen<CDataSet, CGridHelper> {
public:
    CKordb302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent = nullptr,
                 const CheckControls& ids = kKordb302Controls);

protected:
    void PrintList() override { Print(CListPrinter::kResultList); }
    void PrintTotals() override { Print(CListPrinter::kTotalsSheet); }

private:
    // The list printer asks for a printer, for records and the number of pages.
    void Print(int kind);
};

}  // namespace db
