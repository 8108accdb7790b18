#pragma once
// What every tool's reader of a customer file does alike: the whole file loaded and cut into
// lines or fixed-length records (the end byte 0x1A dropped, the tool's limits kept), the loop over
// the lines from the data row on with its progress window and abort, every item taken out,
// checked and stored by the tool's profile, the totals of the records free of errors, the
// re-count after corrections and the sample line of the separated-pattern screen. A tool's
// engine adds its profile, its data set and its own step on each record read.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/ProgressTask.h"
#include "common/flow/LineReadTask.h"
#include "common/flow/ReadResult.h"
#include "common/items/ItemReader.h"
#include "common/patterns/PatternEntry.h"
#include "common/patterns/PatternItems.h"

// The file class of fixed-length records (1 comma, 2 TAB, 4 space separate their lines).
inline constexpr int kFixedLengthFile = 3;

// What a read takes from a conversion pattern, whichever tool's pattern it is.
struct ReadSettings {
    int fileClass = 0;         // 1 comma, 2 TAB, 3 fixed length, 4 space
    int kind = 0;              // the records' kind, which says the valid account types
    int recordLength = 0;      // fixed length: bytes of a record without its line break
    int dataRow = 0;           // separated: line (from 1) of the first data line; 0 or 1 the first
    bool headingLine = false;  // separated: the file's first line is a heading (data format "1")
    int zeroOption = kAmountAccepted;   // what an amount of 0 does
    int blankOption = kAmountAccepted;  // what an empty amount does
    // The customer's own codes for the profile's four account types, in its order.
    std::array<std::string, 4> accountCodes;
    std::vector<ItemPlace> places;  // one per item of the table
};

// The amount option of a pattern's check text: "1" error, "2" skip the line, anything else none.
int AmountOptionOf(const char* text);
// Where a pattern's item fields put the items: start and length of a fixed-length pattern (both
// needed), or the column of a separated one.
std::vector<ItemPlace> FixedItemPlaces(const CPatternItemFields& fields);
std::vector<ItemPlace> SeparatedItemPlaces(const CPatternItemFields& fields);
// The settings of a read given exactly one of the two patterns (normally): items, record length
// and file class from the fixed-length one when it is given; data row and heading from the
// separated one; each amount option and the account-type codes from the separated one first.
// entry, when given, says the kind and the file class.
ReadSettings CombineReadSettings(const ReadSettings* fixed, const ReadSettings* delim,
                                 const CPatternEntry* entry);

class CReadEngine : public CLineReadTask {
public:
    static constexpr int kMaxCount = CItemTotals::kMaxCount;
    static constexpr std::uint64_t kMaxTotal = CItemTotals::kMaxTotal;
    // ReadSampleLine's status when the head of the file holds no CR LF.
    static constexpr int kSampleNoLineBreak = ::kSampleNoLineBreak;
    static constexpr size_t kSampleBytes = ::kSampleBytes;

    explicit CReadEngine(const ReaderProfile& profile);
    CReadEngine(const ReaderProfile& profile, CApMsgInfoList* messages, HWND parent,
                const CAbortQuestions& questions,
                const ProgressDialogIds& dialog = kProgressDialogIds);

    const ReadSettings& Settings() const { return m_settings; }

    // Sets up item checks without a pattern (the correction screens): only the two amount options
    // and the customer's four account-type codes.
    void SetConvertInfo(int zeroOption, int blankOption, const std::string& firstCode,
                        const std::string& secondCode, const std::string& thirdCode,
                        const std::string& fourthCode);

    // Checks one item (kinds of the tool's table) and leaves its normalised text in text; the
    // error count rises when the result has error or warning bits. recordKind says the valid
    // account types; namesMissing (1) makes the codes that a name stands for required. skipLine,
    // when given, is set to 1 when an amount option asks for the whole line to be left out.
    int ValidateField(std::string& text, int kind, int recordKind, int namesMissing,
                      int* skipLine = nullptr);
    std::string MapAccountType(std::string_view text) const;
    BOOL HasFieldError(const CItemRecord& record) const { return record.HasFieldError(); }

    std::string GetTotalAmountText() const { return std::to_string(m_totals.Total()); }
    std::string GetCountText() const { return std::to_string(m_totals.Count()); }
    // True when the count or the total was capped: the trailer record cannot carry them.
    bool HasTotalOverflow() const { return m_totals.Overflowed(); }
    int HasWarnings() const { return m_reader.HasWarnings() ? 1 : 0; }
    int GetErrorCount() const { return m_reader.ErrorCount(); }
    void ResetErrorCount() { m_reader.ResetErrorCount(); }

    // The sample line (see ::ReadSampleLine) under the profile's line limits.
    std::string ReadSampleLine(const std::string& path, int* status, int lineNumber) const;

protected:
    void SetReadSettings(ReadSettings settings);

    // Reads the file under a progress window into the tool's records (a ReadResult code): every
    // line from the data row on becomes a record appended by AppendRecord, unless it holds no
    // data or an amount option leaves it out (RemoveLastRecord); FinishRecord then does the
    // tool's own step, and a record free of errors is counted. kReadNoLines or kReadNoRecords
    // when no record is left.
    int ReadRecords(const std::string& path);
    virtual CItemRecord& AppendRecord() = 0;
    virtual void RemoveLastRecord() = 0;
    virtual void FinishRecord(CItemRecord& record) = 0;

    // Adds a record to the totals (continuing from the engine's own).
    void CountRecord(const CItemRecord& record) { m_totals.Add(record); }

    CItemReader& Reader() { return m_reader; }

private:
    int LoadLines(const std::string& path) override;
    int ConvertLines() override;
    ItemCheckContext CheckContext(int recordKind) const;
    bool IsFixedLength() const { return m_settings.fileClass == kFixedLengthFile; }

    ReadSettings m_settings;
    std::array<AccountTypeCode, 4> m_accountTable{};  // views into m_settings.accountCodes

    CItemReader m_reader;
    CItemTotals m_totals;
};

// A tool's engine over its data set: the records of a read go into the set's list of details,
// and the set is handed over only after a successful read, with its count and total texts.
template <class DataSet>
class CDataSetReadEngine : public CReadEngine {
public:
    using Record = typename decltype(DataSet::details)::value_type::element_type;

    using CReadEngine::CReadEngine;

    // The data set of the last successful read, handed over; empty otherwise.
    std::unique_ptr<DataSet> GetDataSet() { return std::move(m_dataSet); }

    // Adds every record that is neither deleted nor in error to the totals (continuing from the
    // engine's own) and puts them into the data set; hasError is set to 1 when a record not
    // deleted is in error.
    void RevalidateRecord(DataSet& dataSet, int* hasError = nullptr) {
        for (const auto& record : dataSet.details) {
            if (record->deleteFlag == 1) continue;
            if (record->HasFieldError()) {
                if (hasError) *hasError = 1;
            } else {
                CountRecord(*record);
            }
        }
        PutTotals(dataSet);
    }

protected:
    // Reads the file into the records of dataSet, which is kept for GetDataSet on kReadOk only.
    int ReadInto(std::unique_ptr<DataSet> dataSet, const std::string& path) {
        m_dataSet = std::move(dataSet);
        const int result = ReadRecords(path);
        if (result == kReadOk) {
            PutTotals(*m_dataSet);
        } else {
            m_dataSet.reset();
        }
        return result;
    }
    // The record that AppendRecord made last.
    Record& LastRecord() { return *m_dataSet->details.back(); }

private:
    void PutTotals(DataSet& dataSet) const {
        dataSet.totalText = GetTotalAmountText();
        dataSet.countText = GetCountText();
        dataSet.totalsOverflow = HasTotalOverflow() ? 1 : 0;
    }
    CItemRecord& AppendRecord() override {
        return *m_dataSet->details.emplace_back(std::make_unique<Record>());
    }
    void RemoveLastRecord() override { m_dataSet->details.pop_back(); }

    std::unique_ptr<DataSet> m_dataSet;
};
