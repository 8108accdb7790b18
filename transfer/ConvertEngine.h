#pragma once
// Reads one customer file through a conversion pattern into a data set: the whole file at
// once, cut into lines or fixed-length records, the twelve items of each taken out, checked
// and normalised, with the count and total of the records free of errors. The correction
// screen uses the same item check and totals on edited records without a pattern.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ItemReader.h"
#include "common/PatternEntry.h"
#include "common/ProgressTask.h"
#include "transfer/DataSet.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/ItemCheck.h"
#include "transfer/ProgressQuestions.h"
#include "transfer/ReadResult.h"
#include "transfer/RequesterInfo.h"

namespace xf {

class CConvertEngine : public CProgressTask {
public:
    static constexpr int kMaxCount = CItemTotals::kMaxCount;
    static constexpr std::uint64_t kMaxTotal = CItemTotals::kMaxTotal;
    // ReadSampleLine's status when the head of the file holds no CR LF.
    static constexpr int kSampleNoLineBreak = 4097;
    static constexpr size_t kSampleBytes = 4000;

    CConvertEngine() : m_reader(Profile()) {}
    CConvertEngine(CApMsgInfoList* messages, HWND parent)
        : CProgressTask(messages, parent, kAbortQuestions), m_reader(Profile()) {}

    // The transfer tool's reader: its items, their order in a line (the two names before the two
    // codes), 50,000 data lines of at most 4000 bytes, and the account types of each kind.
    static const ReaderProfile& Profile();

    // Exactly one of fixed and delim is normally given; item positions come from fixed when
    // it is. entry gives the transfer kind and the file class; the requester is copied into
    // the data set. Nothing is kept beyond copies.
    void SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                    const CPatternEntry* entry, const CRequesterInfo* requester);

    // Reads the file into a new data set under a progress window; a ReadResult code. Only on
    // kReadOk is there a data set to take.
    int ReadFile(const std::string& path);
    // The data set of the last successful read, handed over; empty otherwise.
    std::unique_ptr<CDataSet> GetDataSet() { return std::move(m_dataSet); }

    std::string GetTotalAmountText() const { return std::to_string(m_totals.Total()); }
    std::string GetCountText() const { return std::to_string(m_totals.Count()); }
    // True when the count or the total was capped: the trailer record cannot carry them.
    bool HasTotalOverflow() const { return m_totals.Overflowed(); }
    int HasWarnings() const { return m_reader.HasWarnings() ? 1 : 0; }
    int GetErrorCount() const { return m_reader.ErrorCount(); }
    void ResetErrorCount() { m_reader.ResetErrorCount(); }
    // Number (from 1) of the line or record behind kReadLineTooLong or kReadBadRecordSize,
    // 0 when the result names none.
    int GetFaultLine() const { return m_faultLine; }

    // Line lineNumber (from 1) of the first kSampleBytes of the file, split at CR LF. status:
    // 0, a CFileAccess read code, or kSampleNoLineBreak (the text is then empty).
    std::string ReadSampleLine(const std::string& path, int* status, int lineNumber) const;

    // Checks one item (kinds of TransferItems.h) and leaves its normalised text in text; the
    // error count rises when the result has error or warning bits. skipLine, when given, is
    // set to 1 when an amount option asks for the whole line to be left out.
    int ValidateField(std::string& text, int kind, int transferKind, int codesRequired,
                      int* skipLine = nullptr);
    std::string MapAccountType(std::string_view text) const;
    BOOL HasFieldError(const CDetailRecord& record) const { return record.HasFieldError(); }
    // Sets up item checks without a pattern (the correction screen): forgets every pattern,
    // entry and requester.
    void SetConvertInfo(int zeroOption, int blankOption, const std::string& ordinaryCode,
                        const std::string& checkingCode, const std::string& savingsCode,
                        const std::string& otherCode);
    // Adds every record that is neither deleted nor in error to the totals (continuing from
    // the engine's own) and puts them into the data set; hasError is set to 1 when a record
    // not deleted is in error.
    void RevalidateRecord(CDataSet& dataSet, int* hasError = nullptr);

private:
    int LoadLines(const std::string& path);
    int ConvertLines();
    // The identification of a general transfer, clearing the items it leaves out, and the zero
    // padding of the codes and the amount.
    void ApplyIdentification(CDetailRecord& record);
    void SetItemPlaces();
    ItemCheckContext CheckContext(int transferKind) const;
    bool IsFixedLength() const { return m_fileClass == kFixedLengthClass; }
    bool IsCancelled(int position);

    std::optional<CFixedPattern> m_fixed;
    std::optional<CDelimPattern> m_delim;
    std::optional<CRequesterInfo> m_requester;
    int m_transferKind = 0;
    int m_fileClass = 0;
    ItemCheckRules m_rules;

    std::array<AccountTypeCode, 4> m_accountTable{};  // views into m_rules.accountCodes

    std::string m_text;                     // the whole file while it is read
    std::vector<std::string_view> m_lines;  // lines or records, views into m_text
    std::unique_ptr<CDataSet> m_dataSet;

    CItemReader m_reader;
    CItemTotals m_totals;
    int m_faultLine = 0;
    bool m_progressShown = false;
};

}  // namespace xf
