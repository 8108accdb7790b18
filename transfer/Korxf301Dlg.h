#pragma once
// Data correction screen XF301: the shared correction screen over the transfer tool's items, data
// set and grid helper. An update visits the general-transfer items only for general transfers.
#include <windows.h>

#include "common/base/ApMsgInfoList.h"
#include "common/screens/DataSetScreens.h"
#include "transfer/DataSet.h"
#include "transfer/GridHelper.h"

namespace xf {

// The template and control ids of the screen.
using Korxf301Controls = CorrectionControls;
// The transfer tool's.
extern const Korxf301Controls kKorxf301Controls;

class CKorxf301Dlg : public CDataSetCorrectionScreen<CDataSet, CGridHelper> {
public:
    CKorxf301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent = nullptr,
                 const Korxf301Controls& ids = kKorxf301Controls);

protected:
    std::unique_ptr<CItemRechecks> MakeItemChecks() override;
    std::span<const int> UpdateColumnOrder() const override;
    void PrintErrorList() override;
};

}  // namespace xf
