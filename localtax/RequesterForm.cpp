#include "localtax/RequesterForm.h"

#include <string>

#include "common/base/StrUtil.h"
#include "common/items/ItemCheck.h"
#include "localtax/MessageIds.h"
#include "localtax/SysEnv.h"

namespace tx {

namespace {

bool IsKanaLine(const std::string& text) {
    return CSysEnv::IsKanaAlnum(text.data(), static_cast<int>(text.size()), kWideSigns) != FALSE;
}

FormFault Fault(Msg message, RequesterField field, const char* word = "") {
    return FormFault{message, word, {}, static_cast<int>(field)};
}

std::string Cut(const std::string& text, int width) {
    std::string out;
    CStrUtil::CutMbcs(text, out, width);
    return out;
}

}  // namespace

const char* RequesterFieldLabel(int field) {
    const auto f = static_cast<RequesterField>(field);
    return f == RequesterField::kName1 || f == RequesterField::kName2 ? kRequesterNameLabel
                                                                      : kRequesterAddressLabel;
}

FormFault CheckRequesterForm(const CRequesterInfo& form) {
    using F = RequesterField;
    if (form.name1.empty()) return Fault(Msg::kRequiredEmpty, F::kName1, kRequesterNameLabel);
    if (form.address1.empty())
        return Fault(Msg::kRequiredEmpty, F::kAddress1, kRequesterAddressLabel);
    const struct {
        const std::string& text;
        RequesterField field;
    } lines[] = {{form.name1, F::kName1},
                 {form.name2, F::kName2},
                 {form.address1, F::kAddress1},
                 {form.address2, F::kAddress2}};
    for (const auto& line : lines) {
        if (!IsKanaLine(line.text)) return Fault(Msg::kBadCharacters, line.field);
    }
    return {};
}

CRequesterInfo CutToWidths(const CRequesterInfo& form) {
    CRequesterInfo cut;
    cut.name1 = Cut(form.name1, CRequesterInfo::kNameLineWidth);
    cut.name2 = Cut(form.name2, CRequesterInfo::kNameLineWidth);
    cut.address1 = Cut(form.address1, CRequesterInfo::kAddressLineWidth);
    cut.address2 = Cut(form.address2, CRequesterInfo::kAddressLineWidth);
    return cut;
}

bool IsRequesterModified(const CRequesterInfo& form, const CRequesterInfo* stored) {
    const CRequesterInfo empty;
    const CRequesterInfo& reference = stored ? *stored : empty;
    return form.name1 != reference.name1 || form.name2 != reference.name2 ||
           form.address1 != reference.address1 || form.address2 != reference.address2;
}

}  // namespace tx
