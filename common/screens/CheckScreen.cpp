#include "common/screens/CheckScreen.h"

#include <utility>

#include "common/items/RecordOrder.h"

CCheckScreen::CCheckScreen(const CheckControls& ids, HWND parent, CApMsgInfoList* messages,
                           HICON icon, std::string programName, std::string versionText,
                           std::span<const char* const> sortOrderNames)
    : CScreenBase(ids.dialog, parent, messages, icon, std::move(programName)),
      m_ids(ids),
      m_versionText(std::move(versionText)),
      m_sortOrderNames(sortOrderNames) {}

BOOL CCheckScreen::OnInitDialog() {
    SetScreenLabels(0, {}, m_ids.version, m_versionText);
    ShowScreenIcon();
    m_grid.AttachDlgItem(GetSafeHwnd(), m_ids.grid);
    ShowRecords();
    const kor::CComboView sortOrder = Combo(m_ids.sortOrder);
    for (const char* name : m_sortOrderNames) sortOrder.AddString(name);
    if (const int* order = SortOrderField()) sortOrder.SetCurSel(*order);
    return TRUE;
}

bool CCheckScreen::OnButtonClicked(int id) {
    if (id == m_ids.back) {
        CloseRestoringOrder();
    } else if (id == m_ids.printList) {
        PrintList();
    } else if (id == m_ids.printTotals) {
        PrintTotals();
    } else {
        return false;
    }
    return true;
}

bool CCheckScreen::OnCommand(int id, int code, HWND) {
    if (id == m_ids.sortOrder) {
        if (code == CBN_SELCHANGE) OnSelchangeSortOrder();
        return true;
    }
    // The buttons' other notifications.
    return id == m_ids.back || id == m_ids.printList || id == m_ids.printTotals;
}

void CCheckScreen::OnClose() {
    CloseRestoringOrder();
}

void CCheckScreen::OnSelchangeSortOrder() {
    const int selected = Combo(m_ids.sortOrder).GetCurSel();
    int* order = SortOrderField();
    if (!order || selected < 0) return;
    *order = selected;
    SortRecords(selected);
    ShowRecords();
}

void CCheckScreen::CloseRestoringOrder() {
    int* order = SortOrderField();
    if (order && *order != kOrderSerial) {
        SortRecords(kOrderSerial);
        *order = kOrderSerial;
    }
    EndDialog(1);
}

void CCheckScreen::ShowRecords() {
    FillGrid(m_grid);
    m_grid.SetEditable(CVSFlexGrid::kEditNone);
}
