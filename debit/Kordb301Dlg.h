#pragma once
// Data correction screen DB301: the shared correction screen over the direct-debit items and
// data set. An update visits every item column of a row.
#include <windows.h>

#include <string>

#include "common/ApMsgInfoList.h"
#include "common/CorrectionScreen.h"
#include "debit/DataSet.h"

namespace db {

// The direct-debit tool's template and control ids.
extern const CorrectionControls kKordb301Controls;

class CKordb301Dlg : public CCorrectionScreen {
public:
    CKordb301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages, std::string helpPath,
                 HWND parent = nullptr, const CorrectionControls& ids = kKordb301Controls);

protected:
    bool HasDataSet() const override { return m_dataSet != nullptr; }
    std::span<const ItemSpec> Items() const override;
    CItemRecord* RecordAt(size_t index) override;
    void FillGrid(CVSFlexGrid& grid, bool allRecords) override;
    std::unique_ptr<CItemRechecks> MakeItemChecks() override;
    std::span<const int> UpdateColumnOrder() const override;
    void PrintErrorList() override;

private:
    CDataSet* m_dataSet;
    std::string m_helpPath;
};

}  // namespace db
