#pragma once
// A drop-down list that keeps its choice across a refill (the main screens' pattern and party
// lists after a settings screen changed their master).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "framework/Controls.h"

// Empties combo and adds count items, the text of each from text(i); then selects item keep
// while it still reads keepText, else the first item.
void RefillKeepingChoice(const kor::CComboView& combo, std::size_t count,
                         const std::function<std::string(std::size_t)>& text, int keep,
                         std::string_view keepText);
