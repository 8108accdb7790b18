#pragma once
// Result codes of reading a customer file; each tool's main screen turns them into its messages.
enum ReadResult : int {
    kReadOk = 0,
    kReadCannotOpen = 1,      // the file cannot be opened
    kReadFailed = 2,          // an error while reading
    kReadNoLines = 11,        // no line break in a separated file, or no line from the data row on
    kReadTooManyLines = 12,   // more lines than the limit
    kReadBadRecordSize = 13,  // fixed length: the file does not divide into whole records
    kReadNoRecords = 14,      // no line could be made, or no record was kept
    kReadEmptyFile = 15,
    kReadLineTooLong = 16,      // a separated line longer than the line length limit
    kReadBadRecordLength = 17,  // the fixed-length pattern's record length is 0, empty or too long
    kReadCancelled = 31,
};
