#pragma once
// The local-tax tool's message table: the shared table over "mstKORTX001.ini" in the program
// folder, with this tool's load codes. The internal fault (kFaultMessage, with the source file and
// line as its words) shows only the file name of its first word. A tx::CApMsgInfoList is a
// CApMsgInfoList, so shared code shows its messages the same way.
#include <string>

#include "common/base/ApMsgInfoList.h"
#include "localtax/MessageIds.h"

namespace tx {

class CApMsgInfoList : public ::CApMsgInfoList {
public:
    static constexpr char kFileName[] = "mstKORTX001.ini";
    // The internal fault, whose first word is a source file.
    static constexpr Msg kFaultMessage = Msg::kInternalFault;
    static constexpr DWORD kCannotOpen = 0x80000001;  // also an empty folder
    static constexpr DWORD kBroken = 0x80000002;      // a read error or a line out of format

    CApMsgInfoList() { SetFileNameWord(kFaultMessage); }

    // Loads folder + "\" + kFileName: 0, kCannotOpen or kBroken. On failure the table keeps
    // what it held, apart from the lines read before a line out of format.
    DWORD Load(const std::string& folder);
};

}  // namespace tx
