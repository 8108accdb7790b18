#pragma once
// Reads one customer file through a conversion pattern into a data set: the whole file at
// once, cut into lines or fixed-length records, the twelve items of each taken out, checked
// and normalised, with the count and total of the records free of errors. The correction
// screen uses the same item check and totals on edited records without a pattern.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/PatternEntry.h"
#include "common/ProgressTask.h"
#include "transfer/DataSet.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/ItemCheck.h"
#include "transfer/ReadResult.h"
#include "transfer/RequesterInfo.h"

namespace xf {

class CConvertEngine : public CProgressTask {
public:
    static constexpr int kMaxCount = 999999;
    static constexpr std::uint64_t kMaxTotal = 999999999999ULL;
    // ReadSampleLine's status when the head of the file holds no CR LF.
    static constexpr int kSampleNoLineBreak = 4097;
    static constexpr size_t kSampleBytes = 4000;

    CConvertEngine() = default;
    CConvertEngine(CApMsgInfoList* messages, HWND parent) : CProgressTask(messages, parent) {}

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

    std::string GetTotalAmountText() const { return std::to_string(m_total); }
    std::string GetCountText() const { return std::to_string(m_count); }
    // True when the count or the total was capped: the trailer record cannot carry them.
    bool HasTotalOverflow() const { return m_totalOverflow; }
    int HasWarnings() const { return m_warnings; }
    int GetErrorCount() const { return m_errorCount; }
    void ResetErrorCount() { m_errorCount = 0; }
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
    // Converts line index into a record; null when the line holds no data or an amount
    // option leaves it out.
    std::unique_ptr<CDetailRecord> ConvertLine(size_t index);
    // The text of one item of the line; false when a separated line has too few columns.
    bool ExtractField(std::string_view line, int kind, std::string& text) const;
    // False when the separated line being converted ends before the item's column.
    bool HasColumn(int kind) const;
    void TrimFieldText(CDetailRecord& record, int kind, std::string& text, int result) const;
    void ApplyIdentification(CDetailRecord& record);
    void AddToTotals(const CDetailRecord& record);
    bool IsFixedLength() const { return m_fileClass == 3; }
    bool IsCancelled(int position);

    std::optional<CFixedPattern> m_fixed;
    std::optional<CDelimPattern> m_delim;
    std::optional<CRequesterInfo> m_requester;
    int m_transferKind = 0;
    int m_fileClass = 0;
    ItemCheckRules m_rules;

    std::string m_text;                      // the whole file while it is read
    std::vector<std::string_view> m_lines;   // lines or records, views into m_text
    std::vector<std::string_view> m_fields;  // columns of the separated line being converted
    std::unique_ptr<CDataSet> m_dataSet;

    std::uint64_t m_total = 0;
    int m_count = 0;
    bool m_totalOverflow = false;
    int m_errorCount = 0;
    int m_warnings = 0;
    int m_faultLine = 0;
    bool m_progressShown = false;
};

}  // namespace xf
