#include "debit/ConsignorStore.h"

#include "debit/ConsignorLine.h"

namespace db {

namespace {

const CMasterCodec<CConsignorInfo> kConsignorCodec{
    {kConsignorLineFields, kOldConsignorLineFields, false, "進行状況   %d/%d   "},
    ParseConsignorLine,
    FormatConsignorLine,
};

// The abort questions of the progress window (26 while printing, 25 with "読込" otherwise);
// the master's load and rewrite disable the abort button, so they are never asked here.
constexpr CAbortQuestions kMasterAbortQuestions{26, 25};

}  // namespace

CConsignorStore::CConsignorStore(std::string path)
    : CMasterStore(kConsignorCodec, kMasterAbortQuestions, std::move(path)) {}

}  // namespace db
