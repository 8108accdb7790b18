#include "transfer/DelimPatternForm.h"

namespace xf {

DelimPatternKind KindOf(const DelimPatternForm& form) {
    if (form.General())
        return {.code = "01", .name = "総合振込", .carriesGeneralOnly = true, .cleared = true};
    return {.code = "02", .name = "給与振込", .carriesGeneralOnly = false, .cleared = false};
}

FormFault CheckDelimPatternName(const DelimPatternForm& form) {
    return ::CheckDelimPatternName(form.name, kDelimFormMessages);
}

FormFault ValidateDelimForm(const DelimPatternForm& form) {
    return CheckDelimPatternForm(form, TransferItems(), Msg::kDataRowBeforeTitles,
                                 kDelimFormMessages);
}

CDelimPattern ToDelimPattern(const DelimPatternForm& form) {
    CDelimPattern p;
    StoreDelimForm(form, KindOf(form), p);
    return p;
}

DelimPatternForm FromDelimPattern(const CDelimPatternBase& pattern) {
    DelimPatternForm form;
    LoadDelimForm(pattern, form);
    const int kind = pattern.Kind();
    form.kind = kind == 1 || kind == 2 ? kind : 0;
    return form;
}

bool IsDelimPatternModified(const DelimPatternForm& form, const CDelimPatternBase* reference) {
    return IsDelimFormModified(form, KindOf(form), reference);
}

}  // namespace xf
