#include "common/screens/KeptChoice.h"

void RefillKeepingChoice(const kor::CComboView& combo, std::size_t count,
                         const std::function<std::string(std::size_t)>& text, int keep,
                         std::string_view keepText) {
    combo.ResetContent();
    for (std::size_t i = 0; i < count; ++i) combo.AddString(text(i));
    combo.SetCurSel(0);
    if (keep >= 0 && static_cast<std::size_t>(keep) < count) {
        combo.SetCurSel(keep);
        if (combo.GetLBText(keep) != keepText) combo.SetCurSel(0);
    }
}
