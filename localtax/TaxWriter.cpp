#include "localtax/TaxWriter.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "common/base/ApMsgInfoList.h"
#include "common/base/PathNames.h"
#include "common/base/RecordFrame.h"
#include "framework/Cp932.h"
#include "framework/MessageSeam.h"
#include "framework/UniqueHandle.h"
#include "localtax/FileAccess.h"
#include "localtax/ProgressQuestions.h"
#include "localtax/SysEnv.h"
#include "localtax/TaxRecords.h"

namespace tx {

namespace {

constexpr char kTitle[] = "出力中です．．．";
constexpr char kSubLine[] = "出力処理は中断できません";
constexpr char kNameRange[] = "%s ～ %s";

// Each file of the output in one step: the old file stays unless the new one is complete.
// 0 written, 1 cannot be created, 3 an error while writing.
int WriteOutputFile(const std::string& path, const CRecordFrame& frame) {
    switch (CFileAccess().WriteFile(frame.Bytes(), path)) {
        case CFileAccess::kOk:
            return CTaxWriter::kWritten;
        case CFileAccess::kCannotCreate:
            return CTaxWriter::kCannotCreate;
        default:
            return CTaxWriter::kWriteError;
    }
}

std::string NameOf(const std::string& path) {
    const size_t slash = kor::LastBackslash(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
        return upper(x) == upper(y);
    });
}

// The names of the files (not folders) in folder that match pattern.
std::vector<std::string> FilesIn(const std::string& folder, const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    kor::UniqueFind find(FindFirstFileW(kor::ToWide(folder + pattern).c_str(), &entry));
    if (!find) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(kor::ToCp932(entry.cFileName));
    } while (FindNextFileW(find.get(), &entry));
    return names;
}

std::string NumberText(std::uint64_t n) {
    return std::to_string(n);
}

}  // namespace

CTaxWriter::CTaxWriter(::CApMsgInfoList& messages, HWND parent, const ProgressDialogIds& dialog)
    : CProgressTask(&messages, parent, kAbortQuestions, dialog), m_messages(messages) {}

int CTaxWriter::Run(const CDataSet& data, std::unique_ptr<CDataSet>& output,
                    const std::string& folder) {
    output.reset();
    m_folder = folder;
    if (m_folder.empty() || kor::LastBackslash(m_folder) + 1 != m_folder.size()) m_folder += '\\';
    m_output = BuildOutputGroups(data, m_folder);
    m_fileCount = static_cast<int>(m_output->groups.size());
    m_detailCount = 0;
    for (const auto& group : m_output->groups) m_detailCount += group->detailCount;
    m_totalBytes = SetFileSizes(*m_output);

    ShowProgress(kTitle, kSubLine);
    DisableCancel();
    int result = CheckTarget();
    if (result == kWritten) {
        SetRange(0, m_detailCount + 3 * m_fileCount);
        SetPos(0);
        ShowProgressWindow();
        result = WriteFiles();
    }
    if (result == kWritten) ShowCompletion();
    CloseProgress();
    if (result == kWritten) {
        output = std::move(m_output);
    } else {
        m_output.reset();
    }
    return result;
}

int CTaxWriter::CheckTarget() {
    if (CSysEnv::CheckOutputDrive(m_folder) == kNotRemovable) {
        m_removable = false;
        if (CSysEnv::GetFreeSpace(m_folder) < m_totalBytes) {
            ShowMessage(Msg::kNoRoom);
            return kNoRoom;
        }
        switch (FindExistingFiles()) {
            case kLeftoverFiles:
                ShowMessage(Msg::kLeftoverFiles);
                return kLeftoverFiles;
            case 1:
                return ShowMessage(Msg::kReplaceFiles) == IDOK ? kWritten : kCancelled;
            default:
                return kWritten;
        }
    }
    m_removable = true;
    // A drive that cannot tell its size is taken for one disk; each file is measured again.
    const std::uint64_t diskBytes = CSysEnv::GetTotalSpace(m_folder);
    const std::uint64_t disks = diskBytes == 0 ? 1 : m_totalBytes / diskBytes + 1;
    if (ShowMessage(Msg::kDisksNeeded, NumberText(disks).c_str()) != IDOK) return kCancelled;
    // The prompts for a disk name the one wanted: the first.
    return WaitForEmptyDisk(NumberText(static_cast<std::uint64_t>(m_disk)), disks == 1);
}

int CTaxWriter::FindExistingFiles() const {
    std::vector<std::string> present = FilesIn(m_folder, kOutputFilePattern);
    bool replaces = false;
    for (const auto& group : m_output->groups) {
        const std::string name = NameOf(group->fileName);
        const auto found = std::find_if(present.begin(), present.end(),
                                        [&](const std::string& p) { return SameName(p, name); });
        if (found != present.end()) {
            present.erase(found);
            replaces = true;
        }
    }
    if (!present.empty()) return kLeftoverFiles;
    return replaces ? 1 : 0;
}

int CTaxWriter::WriteFiles() {
    if (m_fileCount > kMaxOutputFiles) {
        ShowMessage(Msg::kTooManyFiles);
        return kTooManyFiles;
    }
    // Every file's totals are known before the first file is written: a total beyond its
    // digits leaves the folder as it was.
    std::vector<FileTotals> totals;
    for (const auto& group : m_output->groups) {
        totals.push_back(SumDetails(*group));
        if (!totals.back().WithinLimits()) {
            ShowMessage(Msg::kTotalsTooLarge);
            return kTotalsTooLarge;
        }
    }
    m_written.clear();
    for (size_t i = 0; i < m_output->groups.size(); ++i) {
        CTaxGroup& group = *m_output->groups[i];
        int result = kWritten;
        if (static_cast<std::uint64_t>(group.fileSize) > CSysEnv::GetFreeSpace(m_folder)) {
            result = CheckFreeSpace();
            if (result == kNoRoom) ShowMessage(Msg::kNoRoom);
        }
        if (result == kWritten) {
            StoreTotals(group, totals[i]);
            CRecordFrame frame(RecordBytes(m_output->recordLengthKind), m_output->lineBreak != 0);
            BuildTaxFile(group, totals[i], frame, [this](int) { Step(++m_done); });
            result = WriteOutputFile(group.fileName, frame);
            if (result != kWritten) ShowMessage(Msg::kNoRoom);
        }
        if (result != kWritten) {
            RemoveWrittenFiles();
            return result;
        }
        m_written.push_back(group.fileName);
        group.outputTime = std::time(nullptr);
        PumpMessages();
    }
    return kWritten;
}

int CTaxWriter::CheckFreeSpace() {
    if (!m_removable) return kNoRoom;
    ++m_disk;
    // The files on the disks before stay: once another disk may be in the drive, a file of
    // the same name there is not ours to remove.
    m_written.clear();
    return WaitForEmptyDisk(NumberText(static_cast<std::uint64_t>(m_disk)), false);
}

int CTaxWriter::WaitForEmptyDisk(const std::string& word, bool onlyDisk) {
    for (;;) {
        int answer = IDCANCEL;
        switch (CSysEnv::CheckOutputDrive(m_folder)) {
            case kRemovableReady:
                if (FolderIsEmpty()) return kWritten;
                answer = onlyDisk ? AskAboutDisk(Msg::kDiskNotEmpty, word)
                                  : AskAboutDisk(Msg::kInsertDisk, word);
                break;
            case kRemovableNotReady:
                answer = AskAboutDisk(Msg::kInsertDisk, word);
                break;
            case kWriteProtected:
                answer = AskAboutDisk(Msg::kWriteProtected, word);
                break;
            default:  // unformatted, or any other failure
                answer = AskAboutDisk(Msg::kDriveUnusable, word);
                break;
        }
        if (answer != IDOK) return kCancelled;
    }
}

bool CTaxWriter::FolderIsEmpty() const {
    WIN32_FIND_DATAW entry;
    kor::UniqueFind find(FindFirstFileW(kor::ToWide(m_folder + "*").c_str(), &entry));
    if (!find) return true;
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") return false;
    } while (FindNextFileW(find.get(), &entry));
    return true;
}

void CTaxWriter::RemoveWrittenFiles() {
    for (const std::string& path : m_written) DeleteFileW(kor::ToWide(path).c_str());
    m_written.clear();
}

void CTaxWriter::ShowCompletion() {
    if (m_output->groups.empty()) return;
    const std::string first = NameOf(m_output->groups.front()->fileName);
    const std::string last = NameOf(m_output->groups.back()->fileName);
    std::string names = first;
    if (first != last) {
        char text[MAX_PATH * 2 + 8];
        std::snprintf(text, sizeof text, kNameRange, first.c_str(), last.c_str());
        names = text;
    }
    ShowMessage(Msg::kWritten, names.c_str(),
                NumberText(static_cast<std::uint64_t>(m_fileCount)).c_str());
}

int CTaxWriter::ShowMessage(Msg id, const char* word1, const char* word2) {
    return m_messages.ShowMessage(Parent(), id, word1, word2);
}

int CTaxWriter::AskAboutDisk(Msg id, const std::string& word) {
    const std::string text = m_messages.FormatMessage(id, word.c_str());
    const UINT style =
        (m_messages.GetStyle() & ~(MB_TYPEMASK | MB_ICONMASK)) | MB_OKCANCEL | MB_ICONEXCLAMATION;
    return kor::ShowMessageBox(Parent(), text, m_messages.GetCaption(), style);
}

}  // namespace tx
