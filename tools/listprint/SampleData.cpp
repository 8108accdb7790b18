#include "tools/listprint/SampleData.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace sample {

namespace {

struct Bank {
    const char* code;
    const char* name;
    const char* branchCode;
    const char* branchName;
};
const Bank kBanks[] = {
    {"0005", "ﾐﾂﾋﾞｼﾕｰｴﾌｼﾞｪｲ", "001", "ﾎﾝﾃﾝ"}, {"0009", "ﾐﾂｲｽﾐﾄﾓ", "210", "ｼﾌﾞﾔ"},
    {"0001", "ﾐｽﾞﾎ", "100", "ｼﾝｼﾞｭｸ"},        {"0033", "ｲｵﾝ", "002", "ｳﾒﾀﾞ"},
    {"0010", "ﾘｿﾅ", "512", "ｵｵｻｶｴｷﾏｴ"},       {"0998", "ｶｴﾃﾞｷﾞﾝｺｳ", "123", "ﾖｺﾊﾏﾆｼｸﾞﾁ"},
};
const char* const kNames[] = {
    "ﾔﾏﾀﾞ ﾀﾛｳ",
    "ｶ)ｻｸﾗｼｮｳｶｲ",
    "ｽｽﾞｷ ﾊﾅｺ",
    "ﾀﾅｶ ｼﾞﾛｳ",
    "ﾀｶﾊｼ ﾐｻｷ",
    "ﾕ)ｱｵｿﾞﾗｺｳｷﾞｮｳ",
    "ﾜﾀﾅﾍﾞ ｹﾝｲﾁﾛｳ",
    "ｲﾄｳ ｻﾁｺ",
    "ﾅｶﾑﾗ ﾋﾛｼ",
    "ｺﾊﾞﾔｼ ﾕｳｺ",
    "ｶ)ﾐﾄﾞﾘｹﾝｾﾂｺｳｷﾞｮｳｿｳｺﾞｳｼﾞﾑｼｮ",
};
const char* const kTypes[] = {"1", "2", "4", "1", "9", "1", "1"};

void Put(xf::CDetailRecord& record, int kind, const std::string& text, int code = 0) {
    char* item = record.Text(kind);
    std::strncpy(item, text.c_str(), static_cast<size_t>(record.Width(kind)));
    item[record.Width(kind)] = '\0';
    record.SetResult(kind, code);
}

}  // namespace

std::unique_ptr<xf::CDataSet> MakeDataSet(int records, bool withErrors) {
    auto data = std::make_unique<xf::CDataSet>();
    data->requester = std::make_unique<xf::CRequesterInfo>();
    xf::CRequesterInfo& req = *data->requester;
    std::strcpy(req.name, "ﾃﾞﾓｼｮｳｼﾞ(ｶ");
    std::strcpy(req.branchCode, "001");
    std::strcpy(req.branchName, "ﾎﾝﾃﾝ");
    std::strcpy(req.accountType, "1");
    std::strcpy(req.accountNumber, "1234567");
    std::strcpy(req.requesterCode, "0000012345");
    data->transferKind = xf::kKindGeneral;
    data->month = "11";
    data->day = "5";
    data->outputTime = 1796000000;  // 2026-11-30

    unsigned long long total = 0;
    int count = 0;
    for (int i = 1; i <= records; ++i) {
        auto r = std::make_unique<xf::CDetailRecord>();
        const Bank& bank = kBanks[i % 6];
        r->serial = i;
        Put(*r, xf::kBankCode, bank.code);
        Put(*r, xf::kBankName, bank.name);
        Put(*r, xf::kBranchCode, bank.branchCode);
        Put(*r, xf::kBranchName, bank.branchName);
        Put(*r, xf::kAccountType, kTypes[i % 7]);
        char number[16];
        std::snprintf(number, sizeof number, "%07d", (i * 7919) % 10000000);
        Put(*r, xf::kAccountNumber, number);
        Put(*r, xf::kAccountName, kNames[i % 11]);
        const unsigned long long amount = 1000ULL * ((i * 37) % 900 + 1) + (i % 3) * 450;
        char amountText[16];
        std::snprintf(amountText, sizeof amountText, "%010llu", amount);
        Put(*r, xf::kAmount, amountText);
        if (i % 5 == 0) {
            Put(*r, xf::kEdiInfo, "ｾｲｷｭｳ2026-11-" + std::to_string(i));
            r->identification = 'Y';
        } else if (i % 4 == 0) {
            Put(*r, xf::kCustomerCode1, "C" + std::to_string(1000 + i));
            Put(*r, xf::kRequesterNumber, "00000" + std::to_string(10000 + i));
            r->identification = 'X';
        } else {
            Put(*r, xf::kCustomerCode1, "C" + std::to_string(1000 + i));
            Put(*r, xf::kCustomerCode2, "K" + std::to_string(2000 + i));
            r->identification = ' ';
        }
        if (withErrors && i % 7 == 3) {
            switch ((i / 7) % 4) {
                case 0:
                    Put(*r, xf::kBankName, "ﾐｽﾞﾎ*", xf::kResultError);
                    break;
                case 1:
                    Put(*r, xf::kAmount, "00012a", xf::kResultError);
                    break;
                case 2:
                    Put(*r, xf::kAccountType, "ﾌﾂｳﾖｷﾝ", xf::kResultError);
                    break;
                default:
                    Put(*r, xf::kAccountName, "ﾔﾏﾀﾞ ﾀﾛｳ*", xf::kResultError);
                    break;
            }
        }
        if (withErrors && i == 10) {
            r->SetResult(xf::kBranchCode, xf::kResultError);
            r->deleteFlag = 1;
        }
        if (!r->deleteFlag && !r->HasFieldError()) {
            ++count;
            total += amount;
        }
        data->details.push_back(std::move(r));
    }
    data->countText = std::to_string(count);
    data->totalText = std::to_string(total);
    return data;
}

}  // namespace sample
