#pragma once
// Data check screen DB302: the shared check screen over the direct-debit data set, its grid,
// record orders and print buttons.
#include <windows.h>

#include <string>

#include "common/ApMsgInfoList.h"
#include "common/CheckScreen.h"
#include "debit/DataSet.h"

namespace db {

// The direct-debit tool's template and control ids.
extern const CheckControls kKordb302Controls;

// Orders of the check screen: 0 serial, 1 account number, 2 depositor name.
inline constexpr int kOrderAccountNumber = 1;
inline constexpr int kOrderDepositorName = 2;

class CKordb302Dlg : public CCheckScreen {
public:
    CKordb302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr, const CheckControls& ids = kKordb302Controls);

protected:
    int* SortOrderField() override { return m_dataSet ? &m_dataSet->sortOrder : nullptr; }
    void SortRecords(int key) override;
    void FillGrid(CVSFlexGrid& grid) override;
    void PrintList() override;
    void PrintTotals() override;

private:
    CDataSet* m_dataSet;
    std::string m_helpPath;
};

}  // namespace db
