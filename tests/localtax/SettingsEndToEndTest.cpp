// The settings screens opened from the local-tax main screen TX300 and driven through their
// controls: a fixed-length pattern saved on TX303, a separated pattern saved on TX304 from a
// sample of the customer file and a requester saved on TX305. Both patterns are listed on the main
// screen at once; each reads a small customer file under the requester just saved, and the output
// writes the numbered file with that requester in its header.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "Tx300Host.h"
#include "framework/Cp932.h"
#include "localtax/TaxItems.h"
#include "resources/localtax/KorTx303DlgRes.h"
#include "resources/localtax/KorTx304DlgRes.h"
#include "resources/localtax/KorTx305DlgRes.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

using kortest::SubScreen;
using txtest::Texts;
using txtest::Tx300Test;

// Saves "新しい固定長" on TX303: 市区町村コード and the salary and payment sets of a 26-byte
// record whose counts are 3 and amounts 7 bytes wide.
void SaveFixedPattern(HWND dialog) {
    kortest::EnterNewName(dialog, IDC_TX303_NAME, L"新しい固定長");
    kortest::SetEdits(dialog, {{IDC_TX303_RECORD_LENGTH, L"26"},
                               {IDC_TX303_MUNICIPALITY_CODE_START, L"1"},
                               {IDC_TX303_MUNICIPALITY_CODE_LENGTH, L"6"},
                               {IDC_TX303_SALARY_COUNT_START, L"7"},
                               {IDC_TX303_SALARY_COUNT_LENGTH, L"3"},
                               {IDC_TX303_SALARY_AMOUNT_START, L"10"},
                               {IDC_TX303_SALARY_AMOUNT_LENGTH, L"7"},
                               {IDC_TX303_PAYMENT_COUNT_START, L"17"},
                               {IDC_TX303_PAYMENT_COUNT_LENGTH, L"3"},
                               {IDC_TX303_TAX_PAID_START, L"20"},
                               {IDC_TX303_TAX_PAID_LENGTH, L"7"}});
    kortest::UpdateAndLeave(dialog, IDC_TX303_UPDATE, IDC_TX303_BACK);
}

// Saves "新しいカンマ" on TX304 from the first line of sample, a comma file whose columns are
// code, name, salary count and amount, payment count and tax paid.
void SaveDelimPattern(HWND dialog, const std::string& sample) {
    kortest::EnterNewName(dialog, IDC_TX304_NAME, L"新しいカンマ");
    kortest::DefineFromSample(dialog,
                              {.titleRows = IDC_TX304_TITLE_ROWS,
                               .dataRow = IDC_TX304_DATA_ROW,
                               .samplePath = IDC_TX304_SAMPLE_PATH,
                               .read = IDC_TX304_READ,
                               .sourceList = IDC_TX304_SOURCE_LIST,
                               .itemList = IDC_TX304_ITEM_LIST,
                               .define = IDC_TX304_DEFINE},
                              sample,
                              {{tx::kMunicipalityCode, 0},
                               {tx::kMunicipalityName, 1},
                               {tx::kSalaryTaxCount, 2},
                               {tx::kSalaryTaxAmount, 3},
                               {tx::kPaymentCount, 4},
                               {tx::kTaxPaid, 5}});
    kortest::UpdateAndLeave(dialog, IDC_TX304_UPDATE, IDC_TX304_BACK);
}

// Saves the requester on TX305, both of its name and address lines filled.
void SaveRequester(HWND dialog) {
    kortest::SetEdits(dialog, {{IDC_TX305_NAME1, L"ｶ)ｼﾝｷｼﾖｳｼﾞ"},
                               {IDC_TX305_NAME2, L"ｿｳﾑﾌﾞ"},
                               {IDC_TX305_ADDRESS1, L"ｵｵｻｶｼｷﾀｸ"},
                               {IDC_TX305_ADDRESS2, L"ｳﾒﾀﾞ1-2"}});
    kortest::UpdateAndLeave(dialog, IDC_TX305_UPDATE, IDC_TX305_BACK);
}

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// A file of 120-byte records, each followed by CR LF: the header of the requester saved above,
// the data records (each given from its municipality code to the end of its change mark, then
// the counts and amounts of the salary and payment sets), the trailer of the totals and the end
// record.
std::string ExpectedFile(const std::vector<std::pair<std::string, std::string>>& details,
                         const std::string& salaryTotals, const std::string& paymentTotals) {
    const auto record = [](const std::string& text) { return Padded(text, 120) + "\r\n"; };
    std::string file = record(
        "1990"
        "0000000000"
        "000"
        "000000"
        "0000" +
        Padded("ｶ)ｼﾝｷｼﾖｳｼﾞ", 20) + Padded("ｿｳﾑﾌﾞ", 20) + Padded("ｵｵｻｶｼｷﾀｸ", 25) +
        Padded("ｳﾒﾀﾞ1-2", 25));
    // Between the salary and the payment set the retirement count and amount, after them the
    // four retirement details, all zero-filled.
    for (const auto& [head, sets] : details)
        file += record("2" + head + sets.substr(0, 14) +
                       "00000"
                       "000000000" +
                       sets.substr(14) +
                       "000"
                       "0000000000"
                       "000000000"
                       "000000000");
    file += record("8" + salaryTotals +
                   "0000000"
                   "00000000000" +
                   paymentTotals);
    return file + record("9");
}

class Tx300SettingsEndToEndTest : public Tx300Test {
protected:
    Texts ComboTexts(int id) const {
        Texts texts;
        for (int i = 0; i < ComboCount(id); ++i) {
            wchar_t text[128] = {};
            SendMessageW(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(kor::ToCp932(text));
        }
        return texts;
    }
    // Reads with pattern index, then writes into a folder of its own; the output file's bytes.
    std::string ReadAndOutput(int index, const std::string& input, const std::string& outFolder) {
        Select(IDC_TX300_PATTERN, index);
        SetText(IDC_TX300_INPUT, input);
        Click(IDC_TX300_READ);
        EXPECT_EQ(TakeShown(), (Texts{Message(18, "読込"), Message(48, "読込", "変換後ファイル")}));
        // The read took the requester saved on TX305.
        EXPECT_EQ(Text(IDC_TX300_NAME1), "ｶ)ｼﾝｷｼﾖｳｼﾞ");
        EXPECT_EQ(Text(IDC_TX300_NAME2), "ｿｳﾑﾌﾞ");
        const std::string out = kortest::ScratchDirOfTest(outFolder);
        SetText(IDC_TX300_OUTPUT, out);
        Click(IDC_TX300_OUTPUT_DATA);
        EXPECT_EQ(TakeShown(),
                  (Texts{Message(18, "出力"), Message(70, "CHIHOU_ZEI_OUT_001.TXT", "1")}));
        EXPECT_NE(screen->OutputData(), nullptr);
        return kortest::ReadBytes(out + "CHIHOU_ZEI_OUT_001.TXT");
    }
};

TEST_F(Tx300SettingsEndToEndTest, PatternsAndARequesterSavedOnTheirScreensAreListedReadAndWritten) {
    Open();
    // No pattern and no requester yet.
    ASSERT_EQ(ComboCount(IDC_TX300_PATTERN), 0);
    EXPECT_EQ(Text(IDC_TX300_NAME1), "");
    const std::string csv = WriteFile("zei.csv",
                                      "131016,ﾁﾖﾀﾞｸ,3,45000,3,45000\r\n"
                                      "131032,ﾐﾅﾄｸ,5,\"1,250,000\",5,1250000\r\n");

    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_FIXED_PATTERN, IDC_TX303_UPDATE, SaveFixedPattern),
              1);
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_DELIM_PATTERN, IDC_TX304_ITEM_LIST,
                             [&csv](HWND dialog) { SaveDelimPattern(dialog, csv); }),
              1);
    ASSERT_EQ(SubScreen::Run(Hwnd(), IDC_TX300_REQUESTER, IDC_TX305_NAME1, SaveRequester), 1);
    // Each save asked before adding and reported its success.
    EXPECT_EQ(TakeShown(), (Texts{Message(3), Message(50, "パターン情報", "「ファイル読込」"),
                                  Message(3), Message(50, "パターン情報", "「ファイル読込」"),
                                  Message(3), Message(50, "依頼人情報", "ファイル読込")}));
    EXPECT_EQ(ComboTexts(IDC_TX300_PATTERN), (Texts{"新しい固定長", "新しいカンマ"}));

    // The fixed-length pattern: 26-byte records, the narrow counts and amounts zero-padded to
    // their widths.
    const std::string fixed = WriteFile("zei.dat",
                                        "131016"
                                        "003"
                                        "0045000"
                                        "003"
                                        "0045000"
                                        "\r\n"
                                        "131024"
                                        "012"
                                        "0300000"
                                        "012"
                                        "0300000"
                                        "\r\n");
    EXPECT_EQ(ReadAndOutput(0, fixed, "fixed"), ExpectedFile({{"131016" + std::string(31, ' '),
                                                               "00003"
                                                               "000045000"
                                                               "00003"
                                                               "000045000"},
                                                              {"131024" + std::string(31, ' '),
                                                               "00012"
                                                               "000300000"
                                                               "00012"
                                                               "000300000"}},
                                                             "0000015"
                                                             "00000345000",
                                                             "0000015"
                                                             "00000345000"));

    // The separated pattern reads the file its sample came from, the quoted amount without its
    // commas.
    EXPECT_EQ(ReadAndOutput(1, csv, "delim"),
              ExpectedFile({{"131016" + Padded("ﾁﾖﾀﾞｸ", 15) + std::string(16, ' '),
                             "00003"
                             "000045000"
                             "00003"
                             "000045000"},
                            {"131032" + Padded("ﾐﾅﾄｸ", 15) + std::string(16, ' '),
                             "00005"
                             "001250000"
                             "00005"
                             "001250000"}},
                           "0000008"
                           "00001295000",
                           "0000008"
                           "00001295000"));
}

}  // namespace
