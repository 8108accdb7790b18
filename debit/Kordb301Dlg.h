#pragma once
// Data correction screen DB301: the shared correction screen over the direct-debit items, data
// set and grid helper. An update visits every item column of a row, the names before the codes.
#include <windows.h>

#include "common/base/ApMsgInfoList.h"
#include "common/screens/DataSetScreens.h"
#include "debit/DataSet.h"
#include "debit/GridHelper.h"

namespace db {

extern const CorrectionControls kKordb301Controls;

class CKordb301Dlg : public CDataSetCorrectionScreen<CDataSet, CGridHelper> {
public:
    CKordb301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, HWND parent = nullptr,
                 const CorrectionControls& ids = kKordb301Controls);

protected:
    std::unique_ptr<CItemRechecks> MakeItemChecks() override;
    std::span<const int> UpdateColumnOrder() const override;
    void PrintErrorList() override;
};

}  // namespace db
