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

std::unique_ptr<db::CDataSet> MakeDebitDataSet(int records, bool withErrors) {
    auto data = std::make_unique<db::CDataSet>();
    data->consignor = std::make_unique<db::CConsignorInfo>();
    *data->consignor = db::CConsignorInfo{"ｶ)ﾃﾞﾓｼｭｳｷﾝ", "0000054321", "001",        "ﾎﾝﾃﾝ",
                                          "1",          "7654321",    "デモ委託者", 0};
    data->month = "12";
    data->day = "27";
    data->outputTime = 1796000000;  // 2026-11-30

    unsigned long long total = 0;
    int count = 0;
    for (int i = 1; i <= records; ++i) {
        auto r = std::make_unique<db::CDetailRecord>();
        const Bank& bank = kBanks[i % 6];
        r->serial = i;
        char number[16];
        std::snprintf(number, sizeof number, "%07d", (i * 7919) % 10000000);
        const unsigned long long amount = 100ULL * ((i * 37) % 900 + 1) + (i % 3) * 50;
        char amountText[16];
        std::snprintf(amountText, sizeof amountText, "%010llu", amount);
        // Debits are drawn at the bank's own branches only.
        r->Store(db::kBankCode, "0998");
        r->Store(db::kBankName, "ｶｴﾃﾞｷﾞﾝｺｳ");
        r->Store(db::kBranchCode, bank.branchCode);
        r->Store(db::kBranchName, bank.branchName);
        r->Store(db::kAccountType, i % 5 == 0 ? "2" : "1");
        r->Store(db::kAccountNumber, number);
        r->Store(db::kDepositorName, kNames[i % 11]);
        r->Store(db::kAmount, amountText);
        r->Store(db::kNewCode, i % 9 == 0 ? "1" : "0");
        r->Store(db::kCustomerNumber, "CUST-" + std::to_string(1000 + i));
        if (withErrors && i % 7 == 3) {
            if ((i / 7) % 2 == 0) {
                r->Store(db::kBankName, "ﾐｽﾞﾎ*", kItemError);
            } else {
                r->Store(db::kAmount, "00012a", kItemError);
            }
        }
        if (withErrors && i == 10) {
            r->SetResult(db::kBranchCode, kItemError);
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

std::unique_ptr<tx::CDataSet> MakeTaxDataSet(int groups, int records, bool withErrors) {
    const char* const municipalities[] = {"ﾁﾖﾀﾞｸ", "ﾐﾅﾄｸ", "ｼﾌﾞﾔｸ", "ﾖｺﾊﾏｼ", "ｻｲﾀﾏｼ"};
    auto data = std::make_unique<tx::CDataSet>();
    for (int g = 0; g < groups; ++g) {
        auto group = std::make_unique<tx::CTaxGroup>();
        char file[64];
        std::snprintf(file, sizeof file, "C:\\OUT\\CHIHOU_ZEI_OUT_%03d.TXT", g + 1);
        group->fileName = file;
        group->output = 1;
        group->outputTime = 1796000000;
        group->SetHeader(tx::kConsignorCode, "0000012345");
        group->SetHeader(tx::kBranchNumber, "001");
        group->SetHeader(tx::kPaymentDate, "261210");
        group->SetHeader(tx::kPaymentMonth, "2611");
        group->SetHeader(tx::kPayerName, "ﾃﾞﾓｼｮｳｼﾞ(ｶ          ﾎﾝｼｬ                ");
        group->SetHeader(tx::kAddress, "ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ             ﾏﾙﾉｳﾁ1-1                 ");
        for (int item = 0; item < tx::kHeaderItemCount; ++item)
            group->SetHeaderStatus(item, tx::kStatusRead);
        const int details = g + 1 == groups ? records - 3 : records;
        unsigned long long salaryCount = 0, salary = 0;
        for (int i = 1; i <= details; ++i) {
            auto d = std::make_unique<tx::CDetailRecord>();
            d->serial = i;
            d->output = 1;
            char text[32];
            std::snprintf(text, sizeof text, "13%02d%d0", (g * 7 + i) % 100, i % 10);
            d->SetText(tx::kMunicipalityCode, text);
            std::snprintf(text, sizeof text, "%-15s", municipalities[(g + i) % 5]);
            d->SetText(tx::kMunicipalityName, text);
            std::snprintf(text, sizeof text, "%-15s",
                          ("SHITEI-" + std::to_string(100 + i)).c_str());
            d->SetText(tx::kDesignationNumber, text);
            d->SetText(tx::kChangeMark, i % 6 == 0 ? "1" : " ");
            const int taxpayers = i % 4 + 1;
            const unsigned long long amount = 1000ULL * ((i * 53) % 700 + 10);
            std::snprintf(text, sizeof text, "%05d", taxpayers);
            d->SetText(tx::kSalaryTaxCount, text);
            d->SetText(tx::kPaymentCount, text);
            std::snprintf(text, sizeof text, "%09llu", amount);
            d->SetText(tx::kSalaryTaxAmount, text);
            d->SetText(tx::kTaxPaid, text);
            for (int item : {tx::kRetirementTaxCount, tx::kRetirees})
                d->SetText(item, item == tx::kRetirees ? "000" : "00000");
            for (int item : {tx::kRetirementTaxAmount, tx::kMunicipalRetirementTax,
                             tx::kPrefecturalRetirementTax})
                d->SetText(item, "000000000");
            d->SetText(tx::kRetirementAllowance, "0000000000");
            for (int item = 0; item < tx::kItemCount; ++item) d->SetStatus(item, tx::kStatusRead);
            if (withErrors && i % 7 == 3) {
                d->SetText(tx::kTaxPaid, "00012a345");
                d->SetStatus(tx::kTaxPaid, tx::kStatusError);
                d->error = 1;
            } else if (withErrors && i % 11 == 5) {
                d->SetStatus(tx::kMunicipalityName, tx::kStatusCorrected);
            }
            if (withErrors && g == 0 && i == 10) d->output = 0;
            if (d->output && !d->error) {
                salaryCount += static_cast<unsigned long long>(taxpayers);
                salary += amount;
            }
            group->details.push_back(std::move(d));
        }
        char count[16], sum[16];
        std::snprintf(count, sizeof count, "%07llu", salaryCount);
        std::snprintf(sum, sizeof sum, "%011llu", salary);
        group->totals[tx::kSalaryTotals] = {count, sum};
        group->totals[tx::kRetirementTotals] = {"0000000", "00000000000"};
        group->totals[tx::kPaymentTotals] = {count, sum};
        data->groups.push_back(std::move(group));
    }
    return data;
}

}  // namespace sample
