#pragma once
// Reads one customer file through a conversion pattern into a data set: the whole file at
// once, cut into lines or fixed-length records, the twelve items of each taken out, checked
// and normalised, with the count and total of the records free of errors. The correction
// screen uses the same item check and totals on edited records without a pattern.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "common/flow/ReadEngine.h"
#include "common/patterns/PatternEntry.h"
#include "transfer/DataSet.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/ItemCheck.h"
#include "transfer/ProgressQuestions.h"
#include "transfer/ReadResult.h"
#include "transfer/RequesterInfo.h"

namespace xf {

class CConvertEngine : public CDataSetReadEngine<CDataSet> {
public:
    CConvertEngine() : CDataSetReadEngine(Profile()) {}
    CConvertEngine(CApMsgInfoList* messages, HWND parent)
        : CDataSetReadEngine(Profile(), messages, parent, kAbortQuestions) {}

    // The transfer tool's reader: its items, their order in a line (the two names before the two
    // codes), 50,000 data lines of at most 4000 bytes, and the account types of each kind.
    static const ReaderProfile& Profile();

    // Exactly one of fixed and delim is normally given; item positions come from fixed when
    // it is. entry gives the transfer kind and the file class; the requester is copied into
    // the data set. Nothing is kept beyond copies.
    void SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                    const CPatternEntry* entry, const CRequesterInfo* requester);

    // Reads the file into a new data set under a progress window; a ReadResult code. Only on
    // kReadOk is there a data set to take (GetDataSet).
    int ReadFile(const std::string& path);

    // Sets up item checks without a pattern (the correction screen): forgets every pattern,
    // entry and requester.
    void SetConvertInfo(int zeroOption, int blankOption, const std::string& ordinaryCode,
                        const std::string& checkingCode, const std::string& savingsCode,
                        const std::string& otherCode);

private:
    // The identification of a general transfer, clearing the items it leaves out, and the zero
    // padding of the codes and the amount.
    void FinishRecord(CItemRecord& record) override;

    std::optional<CRequesterInfo> m_requester;
};

}  // namespace xf
