#pragma once
// Screen XF303: creates, changes and deletes the fixed-length patterns of the pattern master
// through the pattern store (see CFixedPatternScreen). Besides the shared fields, a pattern has
// its kind (general or salary/bonus): a salary pattern carries neither the general-only items
// nor the account types 4 and 9, whose fields it disables.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "common/screens/FixedPatternScreen.h"
#include "transfer/FixedPatternForm.h"

class CApMsgInfoList;

namespace xf {

class CPatternStore;

// The template and control ids of the screen: the shared ones and the kind's radio buttons
// (general, salary).
struct Korxf303Controls {
    FixedPatternControls shared;
    std::array<int, 2> kind;
};
// The transfer tool's.
extern const Korxf303Controls kKorxf303Controls;

class CKorxf303Dlg : public CFixedPatternScreen {
public:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CKorxf303Dlg(HICON icon, CPatternStore* store, CApMsgInfoList* messages, HWND parent,
                 const Korxf303Controls& ids = kKorxf303Controls);

    FixedPatternForm ReadForm() const;

protected:
    bool OnButtonClicked(int id) override;

private:
    void ShowForm(const FixedPatternForm& form);
    void EnableKindDependentItems();

    bool ShowStored(int position) override;
    bool IsFormModifiedFrom(int position, const std::string& name) override;
    FormFault CheckForm() const override { return CheckFixedPatternForm(ReadForm()); }
    std::unique_ptr<CFixedPatternBase> FormPattern() const override;
    void ResetOwnFields() override;

    std::array<int, 2> m_kind;
    CPatternStore* m_store;
};

}  // namespace xf
