#pragma once
// Data check screen XF302: the shared check screen over the transfer tool's data set, its grid,
// record orders and print buttons.
#include <windows.h>

#include <string>

#include "common/ApMsgInfoList.h"
#include "common/CheckScreen.h"
#include "transfer/DataSet.h"

namespace xf {

// The template and control ids of the screen.
using Korxf302Controls = CheckControls;
// The transfer tool's.
extern const Korxf302Controls kKorxf302Controls;

class CKorxf302Dlg : public CCheckScreen {
public:
    CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr, const Korxf302Controls& ids = kKorxf302Controls);

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

}  // namespace xf
