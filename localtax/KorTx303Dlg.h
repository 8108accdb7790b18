#pragma once
// Screen TX303: creates, changes and deletes the fixed-length patterns of the local-tax pattern
// master through the pattern store (see CFixedPatternScreen). Besides the shared fields, the
// screen marks the counts and amounts of the item sets in use as required and offers the
// handling of a zero or blank count or amount only while a set is in use.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "common/screens/FixedPatternScreen.h"
#include "localtax/FixedPatternForm.h"

class CApMsgInfoList;

namespace tx {

class CPatternStore;

// The template and control ids of the screen: the shared ones, the groups of the zero and
// blank handling, and the required mark of every count and amount (items 4 to 13, in item
// order).
struct KorTx303Controls {
    FixedPatternControls shared;
    std::array<int, 2> optionGroups;
    std::array<int, kItemCount - kFirstNumericItem> marks;
};
// The local-tax tool's.
extern const KorTx303Controls kKorTx303Controls;

class CKorTx303Dlg : public CFixedPatternScreen {
public:
    // Neither the store nor the message table is kept beyond the screen's life or freed by it.
    CKorTx303Dlg(HICON icon, CPatternStore* store, ::CApMsgInfoList* messages, HWND parent,
                 const KorTx303Controls& ids = kKorTx303Controls);

    FixedPatternForm ReadForm() const;

protected:
    bool OnCommand(int id, int code, HWND control) override;

private:
    // Shows the marks of the sets in use and enables the zero and blank handling with them.
    void UpdateRequiredMarks();

    bool ShowStored(int position) override;
    bool IsFormModifiedFrom(int position, const std::string& name) override;
    FormFault CheckForm() const override { return CheckFixedPatternForm(ReadForm()); }
    std::unique_ptr<CFixedPatternBase> FormPattern() const override;
    void ResetOwnFields() override { UpdateRequiredMarks(); }

    std::array<int, 2> m_optionGroups;
    std::array<int, kItemCount - kFirstNumericItem> m_marks;
    CPatternStore* m_store;
};

}  // namespace tx
