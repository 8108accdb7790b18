#include "debit/Kordb301Dlg.h"

#include <utility>
#include <vector>

#include "common/EngineRechecks.h"
#include "debit/ConvertEngine.h"
#include "debit/GridHelper.h"
#include "debit/ListPrinter.h"
#include "debit/ScreenVersion.h"
#include "resources/debit/Kordb301DlgRes.h"

namespace db {

const CorrectionControls kKordb301Controls = {
    IDD_KORDB301,   IDC_DB301_VIEW_ALL,   IDC_DB301_VIEW_ERRORS, IDC_DB301_UPDATE,
    IDC_DB301_BACK, IDC_DB301_ERROR_LIST, IDC_DB301_GRID,        IDC_DB301_VERSION,
};

namespace {

// Item checks without a pattern: the data set's amount options and account-type codes.
void SetUpItemChecks(CConvertEngine& engine, const CDataSet& dataSet) {
    engine.SetConvertInfo(dataSet.zeroOption, dataSet.blankOption, dataSet.ordinaryCode,
                          dataSet.currentCode, dataSet.taxReserveCode, dataSet.otherCode);
}

}  // namespace

CKordb301Dlg::CKordb301Dlg(HICON icon, CDataSet* dataSet, CApMsgInfoList* messages,
                           std::string helpPath, HWND parent, const CorrectionControls& ids)
    : CCorrectionScreen(ids, parent, messages, icon, kProgramName, kScreenVersion),
      m_dataSet(dataSet),
      m_helpPath(std::move(helpPath)) {}

std::span<const ItemSpec> CKordb301Dlg::Items() const {
    return DebitItems();
}

CItemRecord* CKordb301Dlg::RecordAt(size_t index) {
    if (!m_dataSet || index >= m_dataSet->details.size()) return nullptr;
    return m_dataSet->details[index].get();
}

void CKordb301Dlg::FillGrid(CVSFlexGrid& grid, bool allRecords) {
    CGridHelper helper;
    helper.Attach(m_dataSet, &grid, allRecords ? CGridHelper::kModeAll : CGridHelper::kModeFlagged);
    helper.SetupColumns();
    helper.Fill();
}

std::unique_ptr<CItemRechecks> CKordb301Dlg::MakeItemChecks() {
    return std::make_unique<CEngineRechecks<CConvertEngine, CDataSet>>(
        *m_dataSet, m_dataSet->kind, SetUpItemChecks);
}

// Every item, the names before the codes.
std::span<const int> CKordb301Dlg::UpdateColumnOrder() const {
    static const std::vector<int> order = CorrectionColumnOrder(DebitItems());
    return order;
}

// The list printer asks for a printer (76), for records (39) and the number of pages (27).
void CKordb301Dlg::PrintErrorList() {
    if (m_dataSet && Messages())
        CListPrinter::PrintFromScreen(CListPrinter::kErrorList, *m_dataSet, *Messages(),
                                      GetSafeHwnd());
}

}  // namespace db
