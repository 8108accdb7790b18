#pragma once
// Data check screen XF302: the shared check screen over the transfer tool's data set, grid
// helper and record orders, with its print buttons.
#include <windows.h>

#include "common/base/ApMsgInfoList.h"
#include "common/screens/DataSetScreens.h"
#include "transfer/DataSet.h"
#include "transfer/GridHelper.h"

namespace xf {

// The template and control ids of the screen.
using Korxf302Controls = CheckControls;
// The transfer tool's.
extern const Korxf302Controls kKorxf302Controls;

class CKorxf302Dlg : public CDataSetCheckScreen<CDataSet, CGridHelper> {
public:
    CKorxf302Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent = nullptr,
                 const Korxf302Controls& ids = kKorxf302Controls);

protected:
    void PrintList() override;
    void PrintTotals() override;
};

}  // namespace xf
