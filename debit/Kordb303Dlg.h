#pragma once
// Screen DB303: creates, changes and deletes the fixed-length patterns of the direct-debit
// pattern master through the pattern store (see CFixedPatternScreen). Every pattern is of the
// one direct-debit kind; the template hides the row of the account type 9, whose stored text a
// save keeps.
#include <windows.h>

#include <memory>
#include <string>

#include "common/screens/FixedPatternScreen.h"
#include "debit/FixedPatternForm.h"

class CApMsgInfoList;

namespace db {

class CPatternStore;

// The template and control ids of the screen, as the shared screen takes them.
using Kordb303Controls = FixedPatternControls;
// The direct-debit tool's.
extern const Kordb303Controls kKordb303Controls;

class CKordb303Dlg : public CFixedPatternScreen {
public:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CKordb303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, HWND parent,
                 const Kordb303Controls& ids = kKordb303Controls);

    FixedPatternForm ReadForm() const;

private:
    bool ShowStored(int position) override;
    bool IsFormModifiedFrom(int position, const std::string& name) override;
    FormFault CheckForm() const override { return CheckFixedPatternForm(ReadForm()); }
    std::unique_ptr<CFixedPatternBase> FormPattern() const override;

    CPatternStore* m_store;
};

}  // namespace db
