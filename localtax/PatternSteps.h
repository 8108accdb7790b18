#pragma once
// The messages of the pattern screens' save and delete steps in this tool: a master that cannot
// be written is reported as an internal fault of the screen named.
#include "common/screens/PatternScreenSteps.h"
#include "localtax/ApMsgInfoList.h"

namespace tx {

inline PatternStepMessages PatternStepsOf(const char* screen) {
    PatternStepMessages m;
    m.replaceQuestion = {11};
    m.addQuestion = {3};
    m.stored = {50, "パターン情報", "「ファイル読込」"};
    m.saveFailed = {CApMsgInfoList::kFaultMessage, screen, "更新処理"};
    m.deleteQuestion = {2};
    m.deleteFailed = {CApMsgInfoList::kFaultMessage, screen, "削除処理"};
    return m;
}

}  // namespace tx
