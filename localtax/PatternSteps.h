#pragma once
// The messages of the pattern screens' save and delete steps in this tool: a master that cannot
// be written is reported as an internal fault of the screen named.
#include "common/screens/PatternScreenSteps.h"
#include "localtax/MessageIds.h"

namespace tx {

inline PatternStepMessages PatternStepsOf(const char* screen) {
    return {.replaceQuestion = {Msg::kReplaceStored},
            .addQuestion = {Msg::kGoOnQuestion},
            .stored = {Msg::kStored, "パターン情報", "「ファイル読込」"},
            .saveFailed = {Msg::kInternalFault, screen, "更新処理"},
            .deleteQuestion = {Msg::kDeleteQuestion},
            .deleteFailed = {Msg::kInternalFault, screen, "削除処理"}};
}

}  // namespace tx
