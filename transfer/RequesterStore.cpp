#include "transfer/RequesterStore.h"

#include "transfer/ProgressQuestions.h"
#include "transfer/RequesterLine.h"

namespace xf {

namespace {

const CMasterCodec<CRequesterInfo> kRequesterCodec{
    {.fields = kRequesterLineFields,
     .olderFields = kOldRequesterLineFields,
     .rewriteOlderLines = true,
     .keepOtherLines = true,
     .loadSubLine = "進行状況   %d/%d    "},
    ParseRequesterLine,
    FormatRequesterLine,
};

}  // namespace

CRequesterStore::CRequesterStore(std::string path)
    : CMasterStore(kRequesterCodec, kAbortQuestions, std::move(path)) {}

}  // namespace xf
