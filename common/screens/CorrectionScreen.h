#pragma once
// Base of the tools' data correction screens: shows the records of the current data set in a
// grid of the tool's items, lets the user correct the items that failed their checks and mark
// erroneous records deleted, checks the corrections again with the update button and prints the
// error list. The tool gives its control ids, its item table, the order in which an update
// visits a row, its grid fill, its item checks and its error list; the data set is changed in
// place and it and the message table belong to the main screen.
#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "common/items/CorrectionRules.h"
#include "common/screens/ScreenBase.h"
#include "framework/VSFlexGrid.h"

class CItemRecord;

// The template and control ids of a correction screen.
struct CorrectionControls {
    UINT dialog;
    int viewAll, viewErrors;  // the view radios
    int update, back, errorList;
    int grid;
    int version;
};

// The screen's messages, as the tool numbers them.
struct CorrectionMessages {
    kor::MessageId discard;          // changes not updated: discard them? OK discards
    kor::MessageId updateQuestion;   // shown with "読込", "変換後ファイル"; OK updates
    kor::MessageId nothingToUpdate;  // "振込明細": no record in the grid
    kor::MessageId errorsLeft;
    kor::MessageId noErrorLeft;
};

class CCorrectionScreen : public CScreenBase {
public:
    CCorrectionScreen(const CorrectionControls& ids, const CorrectionMessages& messageIds,
                      HWND parent, CApMsgInfoList* messages, HICON icon, std::string programName,
                      std::string versionText, std::span<const ItemSpec> items);

    CVSFlexGrid& Grid() { return m_grid; }
    // An edit changed a cell since the last update or change of view.
    bool IsModified() const { return m_modified; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header) override;
    void OnClose() override;

    // What the tool gives.
    virtual bool HasDataSet() const = 0;
    // The record at a position of the data set's list; null past its end.
    virtual CItemRecord* RecordAt(size_t index) = 0;
    // Empties the grid and fills it with every record (allRecords) or with the flagged ones.
    virtual void FillGrid(CVSFlexGrid& grid, bool allRecords) = 0;
    // The item checks of an edit or an update, set up from the data set, error count cleared.
    virtual std::unique_ptr<CItemRechecks> MakeItemChecks() = 0;
    // The columns an update visits in a row of the data set (CorrectionColumnOrder).
    virtual std::span<const int> UpdateColumnOrder() const = 0;
    // The error list's print button: printer, records, pages, print.
    virtual void PrintErrorList() = 0;

private:
    // What a cell held when its edit began: the text, and the check state of a delete box.
    struct CellContent {
        std::string text;
        long checked = 0;
        bool operator==(const CellContent&) const = default;
    };

    void OnBtnBack();
    void OnBtnUpdate();
    void OnRadioView(int id);
    void OnGridBeforeEdit(int row, int col, bool& cancel);
    void OnGridAfterEdit(int row, int col);

    // Refills the grid from the data set in the view of radio id.
    void ShowView(int view);
    std::span<const ItemSpec> Items() const { return m_items; }
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    CellContent ContentOf(int row, int col) const;
    bool IsYellow(int row, int col) const;
    bool RowHasYellowItem(int row) const;
    // The record behind a grid row (its hidden list position); null when there is none.
    CItemRecord* RecordOfRow(int row);
    // Makes the first yellow item cell the current cell and brings it into view.
    void GoToFirstError();

    CorrectionControls m_ids;
    CorrectionMessages m_messageIds;
    std::string m_versionText;
    std::span<const ItemSpec> m_items;
    CVSFlexGrid m_grid;
    std::optional<CellContent> m_editStart;
    bool m_modified = false;
    int m_view = 0;
};
