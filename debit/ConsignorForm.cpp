#include "debit/ConsignorForm.h"

#include <string_view>

#include "common/base/StrUtil.h"
#include "common/patterns/AccountFields.h"
#include "debit/MessageIds.h"

namespace db {

namespace {

// A form text, the record field it goes into, and the name a fault shows.
struct Field {
    const std::string& text;
    size_t width;
    ConsignorField field;
    const char* label;
};

template <size_t N>
void Put(char (&field)[N], std::string_view text) {
    CStrUtil::CopyToBuffer(text, field, static_cast<int>(N - 1));
    field[N - 1] = '\0';
}

}  // namespace

FormFault CheckConsignorForm(const ConsignorForm& form) {
    using F = ConsignorField;
    const CConsignorInfo r;
    const Field fields[] = {
        {form.description, sizeof r.description - 1, F::kDescription, "委託者登録内容の説明"},
        {form.name, sizeof r.name - 1, F::kName, "委託者名(ｶﾅ)"},
        {form.code, sizeof r.code - 1, F::kCode, "委託者コード"},
        {form.branchCode, sizeof r.branchCode - 1, F::kBranchCode, "支店コード"},
        {form.branchName, sizeof r.branchName - 1, F::kBranchName, "支店名(ｶﾅ)"},
        {form.accountNumber, sizeof r.accountNumber - 1, F::kAccountNumber, "口座番号"},
    };
    for (const Field& f : fields) {
        if (f.text.size() > f.width)
            return Fault(Msg::kTooLong, static_cast<int>(f.field), f.label,
                         std::to_string(f.width));
    }
    return CheckConsignor(ToConsignor(form));
}

CConsignorInfo ToConsignor(const ConsignorForm& form) {
    CConsignorInfo c;
    Put(c.description, form.description);
    Put(c.name, form.name);
    Put(c.code, form.code);
    Put(c.branchCode, form.branchCode);
    Put(c.branchName, form.branchName);
    Put(c.accountType, form.accountType < 0 ? std::string() : std::to_string(form.accountType));
    Put(c.accountNumber, form.accountNumber);
    return c;
}

ConsignorForm FromConsignor(const CConsignorInfo& consignor) {
    ConsignorForm form;
    form.description = consignor.description;
    form.name = consignor.name;
    form.code = consignor.code;
    form.branchCode = consignor.branchCode;
    form.branchName = consignor.branchName;
    form.accountNumber = consignor.accountNumber;
    form.accountType = AccountTypeValue(consignor.accountType);
    return form;
}

bool IsConsignorModified(const ConsignorForm& form, const CConsignorInfo* reference) {
    const CConsignorInfo empty = [] {
        CConsignorInfo c;
        c.accountType[0] = '1';
        return c;
    }();
    const CConsignorInfo& r = reference ? *reference : empty;
    return form.description != r.description || form.name != r.name || form.code != r.code ||
           form.branchCode != r.branchCode || form.branchName != r.branchName ||
           form.accountNumber != r.accountNumber ||
           AccountTypeText(form.accountType) != StoredAccountTypeText(r.accountType);
}

}  // namespace db
