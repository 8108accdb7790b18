#pragma once
// The correction and check screens over a tool's data set and grid helper: what they do with the
// data set is the same for every tool (its records by list position, the grid filled by the
// helper in a display mode, the sort-order field and the record orders of the check screen), so
// a tool's screen adds only its item checks, its update order and its print buttons.
#include <span>
#include <string>
#include <utility>

#include "common/items/ItemGrid.h"
#include "common/items/RecordOrder.h"
#include "common/screens/CheckScreen.h"
#include "common/screens/CorrectionScreen.h"

// Fills grid from the data set with a helper of the tool in a display mode of CItemGridHelper.
template <class GridHelper, class DataSet>
void FillGridOf(DataSet* dataSet, CVSFlexGrid& grid, int mode) {
    GridHelper helper;
    helper.Attach(dataSet, &grid, mode);
    helper.SetupColumns();
    helper.Fill();
}

template <class DataSet, class GridHelper>
class CDataSetCorrectionScreen : public CCorrectionScreen {
public:
    CDataSetCorrectionScreen(const CorrectionControls& ids, const CorrectionMessages& messageIds,
                             DataSet* dataSet, HWND parent, CApMsgInfoList* messages, HICON icon,
                             std::string programName, std::string versionText,
                             std::span<const ItemSpec> items)
        : CCorrectionScreen(ids, messageIds, parent, messages, icon, std::move(programName),
                            std::move(versionText), items),
          m_dataSet(dataSet) {}

protected:
    bool HasDataSet() const override { return m_dataSet != nullptr; }
    CItemRecord* RecordAt(size_t index) override {
        if (!m_dataSet || index >= m_dataSet->details.size()) return nullptr;
        return m_dataSet->details[index].get();
    }
    void FillGrid(CVSFlexGrid& grid, bool allRecords) override {
        FillGridOf<GridHelper>(
            m_dataSet, grid,
            allRecords ? CItemGridHelper::kModeAll : CItemGridHelper::kModeFlagged);
    }
    DataSet* Data() const { return m_dataSet; }

private:
    DataSet* m_dataSet;
};

// keyItems: the items of the record orders from 1 on (RecordOrder.h).
template <class DataSet, class GridHelper>
class CDataSetCheckScreen : public CCheckScreen {
public:
    CDataSetCheckScreen(const CheckControls& ids, DataSet* dataSet, HWND parent,
                        CApMsgInfoList* messages, HICON icon, std::string programName,
                        std::string versionText, std::span<const char* const> sortOrderNames,
                        std::span<const int> keyItems)
        : CCheckScreen(ids, parent, messages, icon, std::move(programName), std::move(versionText),
                       sortOrderNames),
          m_dataSet(dataSet),
          m_keyItems(keyItems) {}

protected:
    int* SortOrderField() override { return m_dataSet ? &m_dataSet->sortOrder : nullptr; }
    void SortRecords(int key) override {
        if (m_dataSet) SortRecordList(m_dataSet->details, key, m_keyItems);
    }
    void FillGrid(CVSFlexGrid& grid) override {
        FillGridOf<GridHelper>(m_dataSet, grid, CItemGridHelper::kModeErrorFree);
    }
    DataSet* Data() const { return m_dataSet; }

private:
    DataSet* m_dataSet;
    std::span<const int> m_keyItems;
};
