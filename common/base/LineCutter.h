#pragma once
// Cuts the whole text of a customer file, in one pass, into the lines of a separated file or
// the records of a fixed-length file. The pieces are views into the text; nothing is dropped
// without a result code saying so.
#include <string_view>
#include <vector>

// How a cut ended; each tool maps these to its own read result codes.
enum class CutResult {
    kOk,
    kNoLines,          // no CR LF and no CR, but LF (line breaks of another system), or no
                       // line at all
    kNoLineMade,       // CR but never CR LF: no line could be made
    kTooManyLines,     // more lines or records than the limit
    kLineTooLong,      // a separated line longer than the line length limit
    kBadRecordSize,    // the text is no whole number of records of the length
    kBadRecordLength,  // a record length below 1 or above the line length limit
};

// The limits of one cut: lines (or records) and bytes a line.
struct LineLimits {
    int maxLines;
    int maxLineBytes;
};

// True when the text holds nothing but half-width and full-width blanks and end-of-file bytes
// 0x1A, or nothing at all: a line without data.
bool HoldsNoData(std::string_view text);

// Lines end with CR LF; the text after the last CR LF is a line too unless it holds no data
// (the end byte or blanks an editor left behind). A CR or LF not part of a CR LF stays in its
// line as a byte of data. Without any CR LF: kNoLineMade when the text holds a CR (lines ended by
// CR alone), kNoLines when it holds a LF, or when no line is left at all; kTooManyLines above the
// line limit; kLineTooLong for a line above the byte limit (faultLine, when given, is then its
// number from 1).
CutResult CutSeparatedLines(std::string_view text, const LineLimits& limits,
                            std::vector<std::string_view>& lines, int* faultLine = nullptr);

// Records of recordLength bytes, each followed by the line break that follows the first one
// (LF, CR LF, CR or none); the pieces hold the record bytes without their line break.
// kBadRecordLength for a length below 1 or above the byte limit; kTooManyLines above the line
// limit; kBadRecordSize when the text is not a whole number of records, or a record holds a LF
// before its end or lacks the line break of the first (faultLine is then its number from 1).
CutResult CutFixedRecords(std::string_view text, int recordLength, const LineLimits& limits,
                          std::vector<std::string_view>& records, int* faultLine = nullptr);
