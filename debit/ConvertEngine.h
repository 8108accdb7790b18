#pragma once
// Reads one customer file of direct debits through a conversion pattern into a data set: the
// whole file at once, cut into lines or fixed-length records, the ten items of each taken out,
// checked and normalised, the codes and the amount padded with zeros, with the count and total
// of the records free of errors. The correction screen uses the same item check and totals on
// edited records without a pattern.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "common/flow/ReadEngine.h"
#include "common/patterns/PatternEntry.h"
#include "debit/ConsignorInfo.h"
#include "debit/DataSet.h"
#include "debit/DebitItems.h"
#include "debit/DelimPattern.h"
#include "debit/FixedPattern.h"
#include "debit/ProgressQuestions.h"

namespace db {

// 40,000 data lines (the lines above a separated file's data row besides) of at most 4000 bytes.
inline constexpr int kMaxDataLines = 40000;
inline constexpr int kMaxLineBytes = 4000;

class CConvertEngine : public CDataSetReadEngine<CDataSet> {
public:
    // The direct-debit reader: its items, their order in a line (the two names before the two
    // codes), its line limits, the account types 1, 2, 3 and 9 for every record and the
    // forbidden characters of its text items.
    static const ReaderProfile& Profile();

    // Without a window (tests, the correction screen's checks) or under the given screen.
    CConvertEngine();
    CConvertEngine(CApMsgInfoList* messages, HWND parent);

    // The pattern to read with (exactly one of fixed and delim is normally given; see
    // CombineReadSettings) and the consignor that the data set gets a copy of.
    void SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                    const CPatternEntry* entry, const CConsignorInfo* consignor);
    // The same with what the read takes from each pattern already made into settings.
    void SetReadPattern(const ReadSettings* fixed, const ReadSettings* delim,
                        const CPatternEntry* entry, const CConsignorInfo* consignor);

    // Reads the file into a new data set under a progress window; a ReadResult code. mode is
    // the caller's and means nothing to this tool. Only on kReadOk is there a data set to take
    // (GetDataSet).
    int ReadFile(int mode, const std::string& path);

    // Sets up item checks without a pattern (the correction screen): forgets every pattern,
    // entry and consignor. The codes are the customer's for account types 1, 2, 3 and 9.
    void SetConvertInfo(int zeroOption, int blankOption, const std::string& ordinaryCode,
                        const std::string& currentCode, const std::string& taxReserveCode,
                        const std::string& otherCode);

    // Pads the bank code, branch code, account number and amount, when not empty, with '0' on
    // the left to 4, 3, 7 and 10 characters.
    static void ZeroFillCodes(CItemRecord& record) { CItemReader::PadWithZeros(record); }

private:
    void FinishRecord(CItemRecord& record) override { ZeroFillCodes(record); }

    std::optional<CConsignorInfo> m_consignor;
};

}  // namespace db
