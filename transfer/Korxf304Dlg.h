#pragma once
// Screen XF304: creates, changes and deletes the separated patterns of the pattern master (see
// CDelimPatternScreen), of either kind of transfer: a general transfer's pattern carries the two
// general-only items, a salary or bonus transfer's does not.
#include <windows.h>

#include <array>

#include "common/screens/DelimPatternScreen.h"
#include "transfer/ConvertEngine.h"
#include "transfer/DelimPatternForm.h"
#include "transfer/PatternStore.h"

namespace xf {

// The template and control ids of the screen: the shared screen's and the kind radios.
struct Korxf304Controls {
    DelimPatternControls screen;
    std::array<int, 2> kind;  // general, salary
};
// The transfer tool's.
extern const Korxf304Controls kKorxf304Controls;

class CKorxf304Dlg : public CDelimPatternScreenOf<CPatternStore, CConvertEngine> {
public:
    // The store and the message table are handed over with SetContext before the run.
    CKorxf304Dlg(HICON icon, HWND parent, const Korxf304Controls& ids = kKorxf304Controls);

    DelimPatternForm ReadForm() const;

protected:
    bool OnButtonClicked(int id) override;

private:
    DelimPatternKind ChosenKind() const override { return KindOf(ReadForm()); }
    void ShowKind(const CDelimPatternBase* pattern) override;
    bool ListsGeneralOnlyItems() const override { return Button(m_kind[0]).IsChecked(); }
    // Checks the kind radio of kind (1 general, 2 salary; none for another value) and enables
    // the account-type texts of the codes 4 and 9 for a general transfer only.
    void SetKind(int kind);

    std::array<int, 2> m_kind;
};

}  // namespace xf
