#pragma once
// Writes the local-tax upload files: the read data set split into numbered files in the chosen
// folder (common/base/RecordFrame.h records, one buffer and one write a file), after the checks of
// the folder (files left from an earlier output, files to replace, room, removable media spread
// over several disks), under a progress window that cannot be cancelled. The output data set,
// one group a file with its totals and output time, is handed back for the check screen.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/base/ProgressTask.h"
#include "localtax/DataSet.h"
#include "localtax/MessageIds.h"

class CApMsgInfoList;

namespace tx {

class CTaxWriter : public CProgressTask {
public:
    enum Result : int {
        kWritten = 0,
        kCannotCreate = 1,     // a file could not be created
        kWriteError = 3,       // an error while writing a file
        kNoRoom = 16,          // not enough room on the drive
        kCancelled = 24,       // the user stopped at a question
        kLeftoverFiles = 25,   // the folder holds output files this output would not replace
        kTotalsTooLarge = 26,  // a file's total beyond its digits
        kTooManyFiles = 27,    // more files than the numbering takes
    };

    CTaxWriter(::CApMsgInfoList& messages, HWND parent, const ProgressDialogIds& dialog);

    // Writes the files of data into folder; one of Result. On success output holds the output
    // data set (the caller's from now on); on failure it is null, and the files this run wrote
    // on the medium in the drive are removed again.
    int Run(const CDataSet& data, std::unique_ptr<CDataSet>& output, const std::string& folder);

private:
    int CheckTarget();
    // 25 when the folder holds output files this output would not replace, 1 when it holds
    // some it replaces, else 0.
    int FindExistingFiles() const;
    int WriteFiles();
    // A file does not fit: on a removable drive, asks for the next disk.
    int CheckFreeSpace();
    // Asks until the drive holds a ready, writable and empty medium: 0, or kCancelled. A
    // medium that holds entries is asked about as the only disk of the output (onlyDisk) or as
    // the next one.
    int WaitForEmptyDisk(const std::string& word, bool onlyDisk);
    bool FolderIsEmpty() const;
    void RemoveWrittenFiles();
    void ShowCompletion();
    int ShowMessage(Msg id, const char* word1 = nullptr, const char* word2 = nullptr);
    // A question about the medium in the drive, with the disk's number: always OK and Cancel.
    int AskAboutDisk(Msg id, const std::string& word);

    ::CApMsgInfoList& m_messages;
    std::string m_folder;
    std::unique_ptr<CDataSet> m_output;
    int m_disk = 1;
    int m_fileCount = 0;
    int m_detailCount = 0;
    std::uint64_t m_totalBytes = 0;
    bool m_removable = false;
    int m_done = 0;
    // The files written on the medium in the drive, removed again when the run fails.
    std::vector<std::string> m_written;
};

}  // namespace tx
