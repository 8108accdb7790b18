#pragma once
// A printed list page seen in the lists' layout unit: the column width comes from the title
// (drawn at a known column in the title font), the line step from the two lines of the block
// below the first rule (the first found by a text of its first line, the second by the bank's
// own name), and the rows counted from there.
#include <windows.h>

#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/UniqueHandle.h"
#include "support/EmfRecords.h"

namespace kortest {

using Columns = std::map<int, std::string>;

inline int ScreenDpi() {
    kor::UniqueDC screen(CreateCompatibleDC(nullptr));
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}
inline int BodyHeight() {
    return -(9 * ScreenDpi() / 72);
}
inline int TitleHeight() {
    return -(14 * ScreenDpi() / 72);
}
// The height of a line of the lists' body font on the screen, the reference of the pages.
inline int BodyLineHeight() {
    LOGFONTW font = {};
    font.lfHeight = BodyHeight();
    font.lfCharSet = SHIFTJIS_CHARSET;
    wcscpy(font.lfFaceName, L"ＭＳ 明朝");
    kor::UniqueDC screen(CreateCompatibleDC(nullptr));
    const HFONT handle = CreateFontIndirectW(&font);
    const HGDIOBJ previous = SelectObject(screen.get(), handle);
    SIZE size = {};
    GetTextExtentPoint32W(screen.get(), L"0", 1, &size);
    SelectObject(screen.get(), previous);
    DeleteObject(handle);
    return size.cy;
}

// Seconds since 1970 of a local date and time.
inline long long LocalSeconds(WORD year, WORD month, WORD day, WORD hour, WORD minute,
                              WORD second) {
    SYSTEMTIME local = {year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME utc = {};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    FILETIME file = {};
    SystemTimeToFileTime(&utc, &file);
    const ULONGLONG ticks = static_cast<ULONGLONG>(file.dwHighDateTime) << 32 | file.dwLowDateTime;
    return static_cast<long long>(ticks / 10000000ULL) - 11644473600LL;
}

struct ListPageView {
    ListPageView(DrawnPage drawn, int titleColumn, const char* blockMark) : page(std::move(drawn)) {
        for (const DrawnText& t : page.texts) {
            if (t.height == TitleHeight()) title = t;
        }
        charW = title.x / titleColumn;
        EXPECT_GT(charW, 0);
        EXPECT_EQ(title.x % titleColumn, 0);
        const DrawnText* kind = page.Find(blockMark);
        const DrawnText* bank = page.Find("ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ");
        EXPECT_TRUE(kind && bank);
        if (!kind || !bank) return;
        block1Y = kind->y;
        step = bank->y - block1Y;
        // step = lineH + 40 % of lineH, truncated, or closer where a full page needs it
        lineH = BodyLineHeight();
        EXPECT_LE(step, lineH + lineH * 4 / 10);
        EXPECT_GE(step, lineH);
        gap = step - lineH;
    }

    int HeadingsY() const { return block1Y + 4 * step; }
    int RowY(int i) const { return HeadingsY() + (i + 1) * step; }

    // The texts of a line by column; every one starts on a column.
    Columns At(int y) const {
        Columns columns;
        for (const DrawnText& t : page.Line(y)) {
            EXPECT_EQ(t.x % charW, 0) << t.text;
            columns[t.x / charW] = t.text;
        }
        return columns;
    }
    // Each line holds exactly its texts, and the page no other text.
    struct Line {
        int y;
        Columns columns;
    };
    void ExpectOnly(std::initializer_list<Line> lines) const {
        size_t texts = 0;
        for (const Line& line : lines) {
            EXPECT_EQ(At(line.y), line.columns) << "line at " << line.y;
            texts += line.columns.size();
        }
        EXPECT_EQ(page.texts.size(), texts);
    }
    // Serial numbers of the record lines, top to bottom.
    std::vector<int> Serials() const {
        std::vector<int> serials;
        for (int y : page.LineYs()) {
            if (y <= HeadingsY()) continue;
            const Columns line = At(y);
            if (auto s = line.find(3); s != line.end())
                serials.push_back(std::atoi(s->second.c_str()));
        }
        return serials;
    }
    // The text that starts with prefix, or nullptr.
    const DrawnText* Starting(const std::string& prefix) const {
        for (const DrawnText& t : page.texts) {
            if (t.text.rfind(prefix, 0) == 0) return &t;
        }
        return nullptr;
    }

    DrawnPage page;
    DrawnText title;
    int charW = 0;
    int block1Y = 0;
    int step = 0;
    int lineH = 0;
    int gap = 0;
};

}  // namespace kortest
