#pragma once
// The local-tax reader: reads a customer file through a conversion pattern into a data set of
// one group (the requester's header) whose details are the file's data lines, every item
// checked, the whole-line zero and blank handling applied and the cross-item checks run.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/flow/LineReadTask.h"
#include "common/items/ItemReader.h"
#include "common/patterns/PatternEntry.h"
#include "localtax/DataSet.h"
#include "localtax/DelimPattern.h"
#include "localtax/FixedPattern.h"
#include "localtax/ItemCheck.h"
#include "localtax/ProgressQuestions.h"
#include "localtax/RequesterInfo.h"

class CApMsgInfoList;

namespace tx {

// Results of ReadFile; the main screen turns them into its messages.
enum TaxReadResult : int {
    kTaxReadOk = 0,
    kTaxReadCannotOpen = 1,
    kTaxReadFailed = 2,
    kTaxReadNoLines = 11,        // no line break in a separated file, or no line after the titles
    kTaxReadTooManyLines = 12,   // more data lines than the limit
    kTaxReadBadRecordSize = 13,  // fixed length: no whole number of records, or a LF inside one
    kTaxReadNoDetails = 14,      // no line could be made, or no detail was kept
    kTaxReadEmptyFile = 15,
    kTaxReadRefused = 16,      // a data set not taken over, or a group header in error
    kTaxReadLineTooLong = 17,  // a separated line longer than the line length limit
    kTaxReadBadRecordLength =
        18,  // the fixed-length pattern's record length is 0, empty or too long
    kTaxReadCancelled = 31,
};

class CConvertEngine : public CLineReadTask {
public:
    static constexpr int kMaxLines = 5000;      // data lines of a file
    static constexpr int kMaxLineBytes = 4000;  // bytes of a line or record

    // Without a message table the abort button stops the read without a question.
    CConvertEngine() = default;
    CConvertEngine(::CApMsgInfoList& messages, HWND parent,
                   const ProgressDialogIds& dialog = kProgressDialog)
        : CLineReadTask(&messages, parent, kAbortQuestions, dialog) {}

    // The pattern to read with (normally one of fixed and delim; the handling and the item
    // sets come from the separated one when given), its list entry (its file class counts when
    // given) and the requester whose name and address head the group (none: blanks).
    void SetPattern(const CFixedPattern* fixed, const CDelimPattern* delim,
                    const CPatternEntry* entry, const CRequesterInfo* requester);
    const ItemCheckSettings& CheckSettings() const { return m_check; }

    // Reads the file into a new data set (a TaxReadResult). Refused (kTaxReadRefused) without a
    // pattern of the file's shape, or while the data set of the last read was not taken over.
    int ReadFile(const std::string& path);
    // The data set of the last successful read, handed over; empty otherwise.
    std::unique_ptr<CDataSet> GetDataSet() { return std::move(m_dataSet); }
    // 1 when an item of the last read was longer than its width.
    int HasErrors() const { return m_tooLong ? 1 : 0; }

    // The sample line of the separated-pattern screen: line lineNumber (from 1) of the head of
    // the file, cut at CR LF as a separated file is cut. status: kTaxReadOk,
    // kTaxReadCannotOpen, kTaxReadFailed, or kSampleNoLineBreak when the head holds no CR LF;
    // the text is empty unless status is kTaxReadOk.
    std::string ReadSampleLine(const std::string& path, int* status, int lineNumber) const;

    // The item check with the pattern's handling and item sets (see CheckItem).
    int ValidateField(std::string& text, int item, ZeroBlank* zeroBlank = nullptr) const {
        return CheckItem(text, item, m_check, zeroBlank);
    }

private:
    bool IsFixedLength() const;
    int LoadLines(const std::string& path) override;
    // The details of the lines into the group being read.
    int ConvertLines() override;
    // One detail of a line: every item taken, checked and stored, then the cross-item checks.
    void ConvertLine(std::string_view line, CDetailRecord& detail);
    std::unique_ptr<CTaxGroup> NewGroup() const;

    const CFixedPattern* m_fixed = nullptr;
    const CDelimPattern* m_delim = nullptr;
    int m_fileClass = 0;
    const CRequesterInfo* m_requester = nullptr;
    ItemCheckSettings m_check;

    CTaxGroup* m_group = nullptr;            // the group being read
    std::vector<std::string_view> m_fields;  // columns of the separated line being read
    std::vector<ItemPlace> m_places;         // where the pattern puts each item
    std::unique_ptr<CDataSet> m_dataSet;
    bool m_tooLong = false;
};

}  // namespace tx
