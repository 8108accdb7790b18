#pragma once
// Screen XF305: the requesters of the requester master, shown and chosen by their description,
// created, changed and deleted through the requester store (see CHeaderRecordScreen). Besides
// the shared fields, a requester has its transfer kind.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "common/screens/HeaderRecordScreen.h"
#include "transfer/RequesterForm.h"

class CApMsgInfoList;

namespace xf {

class CRequesterStore;

// The template and control ids of the screen.
struct Korxf305Controls {
    UINT dialog;
    std::array<int, 3> kind;  // general, salary, none
    int back, update, deleteRequester;
    int description;  // the editable list of descriptions
    int name, requesterCode, branchCode, branchName, accountType, accountNumber;
    int version;
};
// The transfer tool's.
extern const Korxf305Controls kKorxf305Controls;

class CKorxf305Dlg : public CHeaderRecordScreen {
public:
    // The store is handed over with SetStore before the run; none of the pointers is kept
    // beyond the screen's life or freed by it.
    CKorxf305Dlg(HICON icon, CApMsgInfoList* messages, HWND parent,
                 const Korxf305Controls& ids = kKorxf305Controls);
    void SetStore(CRequesterStore* store) { m_store = store; }

    // The form as text.
    RequesterForm ReadForm() const;

private:
    bool HasStore() const override { return m_store != nullptr; }
    std::vector<std::string> StoredDescriptions() const override;
    void ShowStored(size_t position) override;
    bool IsFormModifiedFrom(int position, const std::string& description) override;
    FormFault CheckForm() const override { return CheckRequesterForm(ReadForm()); }
    int StoreForm(int position, bool append) override;
    int DeleteStored(int position) override;
    void ResetOwnFields() override;

    std::array<int, 3> m_kind;
    CRequesterStore* m_store = nullptr;
};

}  // namespace xf
