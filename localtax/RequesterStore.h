#pragma once
// The requester master "mstKORTX302.ini" in the program folder: one line of four quoted fields
// (name line 1, name line 2, address line 1, address line 2). The line ends in CR CR LF, as the
// tool has always written it; a reader takes CR and LF both as field ends. A doubled quote
// inside a quoted field reads as one quote. The store is built on the stack for each use.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "localtax/RequesterInfo.h"

namespace tx {

class CRequesterStore {
public:
    static constexpr char kFileName[] = "mstKORTX302.ini";

    // folder: the program folder, without a trailing backslash.
    explicit CRequesterStore(std::string folder) : m_folder(std::move(folder)) {}

    // The record of the file's first line (an empty file gives four empty fields), or none
    // when the file cannot be read; lastError (when given) then holds the system's error code.
    std::unique_ptr<CRequesterInfo> ReadEntry(int* lastError = nullptr) const;
    // The record of a line; a field longer than its width is cut to it on a character
    // boundary, missing fields are empty.
    static std::unique_ptr<CRequesterInfo> ParseEntry(std::string_view line);
    // Splits a line into fields at ",", CR and LF; a field may be quoted, a doubled quote in a
    // quoted field being one quote. Fewer than minimum fields are filled up with empty ones.
    static void ParseFields(std::string_view line, std::vector<std::string>& fields,
                            size_t minimum);

    // Replaces the file with the record's line: 1 written; 0 not written, when every field is
    // empty or a field holds CR or LF (the file is left alone), or when the write fails (the
    // old file stays as it was; lastError, when given, holds the system's error code).
    int WriteEntry(const CRequesterInfo& record, int* lastError = nullptr) const;
    // True when at least one field is not empty.
    static bool CheckEntry(const CRequesterInfo& record);
    // The line of a record as the program writes it, ended by CR LF; a quote in a field is
    // doubled.
    static std::string FormatEntry(const CRequesterInfo& record);

    std::string Path() const { return m_folder + "\\" + kFileName; }

private:
    std::string m_folder;
};

}  // namespace tx
