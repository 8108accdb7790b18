#pragma once
// Screen DB305: the consignors of the consignor master, shown and chosen by their description,
// created, changed and deleted through the consignor store (see CHeaderRecordScreen).
#include <windows.h>

#include <string>
#include <vector>

#include "common/screens/HeaderRecordScreen.h"
#include "debit/ConsignorForm.h"

class CApMsgInfoList;

namespace db {

class CConsignorStore;

// The template and control ids of the screen, as the shared screen takes them.
using Kordb305Controls = HeaderRecordControls;
// The direct-debit tool's.
extern const Kordb305Controls kKordb305Controls;

class CKordb305Dlg : public CHeaderRecordScreen {
public:
    // The store is handed over with SetStore before the run; none of the pointers is kept
    // beyond the screen's life or freed by it.
    CKordb305Dlg(HICON icon, CApMsgInfoList* messages, HWND parent,
                 const Kordb305Controls& ids = kKordb305Controls);
    void SetStore(CConsignorStore* store) { m_store = store; }

    // The form as text.
    ConsignorForm ReadForm() const;

private:
    bool HasStore() const override { return m_store != nullptr; }
    std::vector<std::string> StoredDescriptions() const override;
    void ShowStored(size_t position) override;
    bool IsFormModifiedFrom(int position, const std::string& description) override;
    FormFault CheckForm() const override { return CheckConsignorForm(ReadForm()); }
    int StoreForm(int position, bool append) override;
    int DeleteStored(int position) override;

    CConsignorStore* m_store = nullptr;
};

}  // namespace db
