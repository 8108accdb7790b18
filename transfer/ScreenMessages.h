#pragma once
// The transfer tool's numbers of the messages that both pattern screens show: the save and
// delete steps, and the sample file's path check.
#include "common/screens/DelimPatternScreen.h"
#include "common/screens/PatternScreenSteps.h"
#include "transfer/MessageIds.h"

namespace xf {

inline constexpr SamplePathMessages kSamplePathMessages = {
    .noPath = Msg::kRequiredEmpty,
    .badName = Msg::kBadPathName,
    .noName = Msg::kNoPathName,
    .driveNotReady = Msg::kDriveNotReady,
    .driveUnusable = Msg::kDriveUnusable,
    .mediumUnusable = Msg::kMediumUnusable,
    .noFolder = Msg::kNoFolder,
    .noFile = Msg::kNoSuchFile,
    .cannotRead = Msg::kCannotRead,
};

inline constexpr PatternStepMessages kPatternStepMessages = {
    .replaceQuestion = {Msg::kReplaceStored},
    .addQuestion = {Msg::kSaveAsNewQuestion},
    .stored = {Msg::kPatternSaved, "パターン情報", "「ファイル読込」"},
    .saveFailed = {Msg::kMasterNotWritten, "更新処理"},
    .deleteQuestion = {Msg::kDeleteQuestion},
    .deleteFailed = {Msg::kMasterNotWritten, "削除処理"},
};

}  // namespace xf
