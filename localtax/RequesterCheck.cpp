#include "localtax/RequesterCheck.h"

#include "common/CharCheck.h"
#include "common/ItemCheck.h"

namespace tx {

namespace {

constexpr int kMsgRequired = 7;
constexpr int kMsgBadCharacter = 13;

const std::string& LineOf(const CRequesterInfo& record, int line) {
    switch (line) {
        case kName1Line:
            return record.name1;
        case kName2Line:
            return record.name2;
        case kAddress1Line:
            return record.address1;
        default:
            return record.address2;
    }
}

FormFault Fault(int message, int line, std::string word = {}) {
    FormFault fault;
    fault.message = message;
    fault.word1 = std::move(word);
    fault.field = line;
    return fault;
}

}  // namespace

const char* RequesterLineLabel(int line) {
    return line == kName1Line || line == kName2Line ? "依頼人名(ｶﾅ)" : "住所(ｶﾅ)";
}

FormFault CheckRequester(const CRequesterInfo& record) {
    for (int line : {kName1Line, kAddress1Line}) {
        if (LineOf(record, line).empty())
            return Fault(kMsgRequired, line, RequesterLineLabel(line));
    }
    for (int line : {kName1Line, kName2Line, kAddress1Line, kAddress2Line}) {
        const std::string& text = LineOf(record, line);
        if (!CCharCheck::IsKanaAlnum(text.data(), static_cast<int>(text.size()), kWideSigns))
            return Fault(kMsgBadCharacter, line);
    }
    return {};
}

}  // namespace tx
