#pragma once
// The frame of the banks' fixed-record upload files: records of one size, each followed by
// CR LF when the pattern asks for line breaks, and one end byte after the last record. The
// whole file is built in one buffer and written in one atomic step; each tool lays out its own
// records with field tables (common/base/RecordLayout.h).
#include <cstdint>
#include <string>
#include <string_view>

class CRecordFrame {
public:
    static constexpr char kEndByte = 0x1A;

    CRecordFrame(int recordSize, bool lineBreak)
        : m_recordSize(recordSize), m_lineBreak(lineBreak) {}

    // The size a main screen expects of a file before it writes one (what its free-space check
    // measures): a slot of 120, 126 or 128 bytes for record-length code 1, 2 or 3, each with
    // CR LF unless lineBreak is 0, times the records and three frame records (header, trailer,
    // end record). A code the pattern screens never store counts as the longest record, so that
    // the room asked for is never too small.
    static int SlotOfLengthCode(int lengthCode, int lineBreak);
    // Bytes of one record for a record-length code: 1, 2, 3 give 120, 126, 128; any other 0.
    static int RecordSizeOfLengthCode(int lengthCode);
    static std::uint64_t EstimateFileSize(int lengthCode, int lineBreak, int records);

    // Bytes from the start of one record to the start of the next.
    int Slot() const { return m_recordSize + (m_lineBreak ? 2 : 0); }
    // Size of a file of n records and the end byte.
    size_t FileSize(size_t records) const { return Slot() * records + 1; }

    // Makes room for n records and the end byte at once, so that adding never reallocates.
    void Reserve(size_t records) { m_bytes.reserve(FileSize(records)); }
    // Appends a record of blanks (and its CR LF) and returns its first byte; the record's
    // bytes (the size given at construction) are the caller's to fill until the next record is
    // added.
    char* AddRecord();
    size_t RecordCount() const { return m_records; }
    // Puts the end byte after the last record.
    void Finish() { m_bytes.push_back(kEndByte); }

    std::string_view Bytes() const { return m_bytes; }
    // Replaces the file at path with the bytes in one step: the codes of CFileAccess::WriteAll.
    int WriteTo(const std::string& path) const;

private:
    int m_recordSize;
    bool m_lineBreak;
    size_t m_records = 0;
    std::string m_bytes;
};
