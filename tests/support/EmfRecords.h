#pragma once
// What a page of a print job drew, read back from its enhanced metafile: each text with its
// reference point and the font it was drawn in, and each line with its pen.
#include <windows.h>

#include <string>
#include <vector>

namespace kortest {

struct DrawnText {
    std::string text;  // CP932
    int x = 0;
    int y = 0;
    std::string face;  // CP932
    int height = 0;    // the font's lfHeight
};

struct DrawnLine {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int penStyle = -1;  // PS_* of the selected pen
    int penWidth = 0;
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

    // The texts drawn at y, left to right.
    std::vector<DrawnText> Line(int y) const;
    // The first text that equals text, or nullptr.
    const DrawnText* Find(const std::string& text) const;
    // Every y that holds a text, top to bottom, each once.
    std::vector<int> LineYs() const;
};

DrawnPage ReadPage(HENHMETAFILE page);

}  // namespace kortest
