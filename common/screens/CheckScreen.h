#pragma once
// Base of the tools' data check screens: shows, read-only, the records that went into the bank
// file and prints the result list and the totals sheet. The tool gives its control ids, the
// names of its sort orders, its grid fill, its record order and its print buttons. The data set
// and the message table belong to the main screen; the data set leaves the screen in its serial
// order.
#include <windows.h>

#include <span>
#include <string>

#include "common/screens/ScreenBase.h"
#include "framework/VSFlexGrid.h"

// The template and control ids of a check screen.
struct CheckControls {
    UINT dialog;
    int grid;
    int back, printList, printTotals;
    int sortOrder;  // the sort-order list
    int version;
};

class CCheckScreen : public CScreenBase {
public:
    CCheckScreen(const CheckControls& ids, HWND parent, CApMsgInfoList* messages, HICON icon,
                 std::string programName, std::string versionText,
                 std::span<const char* const> sortOrderNames);

    CVSFlexGrid& Grid() { return m_grid; }

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnClose() override;

    // What the tool gives.
    // The data set's sort-order field; null without a data set.
    virtual int* SortOrderField() = 0;
    // Sorts the data set's records by key (RecordOrder.h).
    virtual void SortRecords(int key) = 0;
    // Empties the grid and fills it with the records free of flags.
    virtual void FillGrid(CVSFlexGrid& grid) = 0;
    // The print buttons: printer, records, pages, print.
    virtual void PrintList() = 0;
    virtual void PrintTotals() = 0;

private:
    void OnSelchangeSortOrder();
    // Puts the data set back in serial order and closes the screen.
    void CloseRestoringOrder();
    void ShowRecords();

    CheckControls m_ids;
    std::string m_versionText;
    std::span<const char* const> m_sortOrderNames;
    CVSFlexGrid m_grid;
};
