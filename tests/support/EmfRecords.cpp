#include "EmfRecords.h"

#include <algorithm>
#include <map>

#include "framework/Cp932.h"

namespace kortest {

namespace {

struct Font {
    std::string face;
    int height = 0;
};
struct Pen {
    int style = 0;
    int width = 0;
};

struct Reader {
    DrawnPage page;
    std::map<DWORD, Font> fonts;
    std::map<DWORD, Pen> pens;
    Font font;
    Pen pen;
    POINT at = {};

    void Record(const ENHMETARECORD* r) {
        switch (r->iType) {
            case EMR_EXTCREATEFONTINDIRECTW: {
                const auto* f = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(r);
                fonts[f->ihFont] =
                    Font{kor::ToCp932(f->elfw.elfLogFont.lfFaceName), f->elfw.elfLogFont.lfHeight};
                break;
            }
            case EMR_CREATEPEN: {
                const auto* p = reinterpret_cast<const EMRCREATEPEN*>(r);
                pens[p->ihPen] = Pen{static_cast<int>(p->lopn.lopnStyle), p->lopn.lopnWidth.x};
                break;
            }
            case EMR_EXTCREATEPEN: {
                const auto* p = reinterpret_cast<const EMREXTCREATEPEN*>(r);
                pens[p->ihPen] = Pen{static_cast<int>(p->elp.elpPenStyle & PS_STYLE_MASK),
                                     static_cast<int>(p->elp.elpWidth)};
                break;
            }
            case EMR_SELECTOBJECT: {
                const DWORD object = reinterpret_cast<const EMRSELECTOBJECT*>(r)->ihObject;
                if (auto f = fonts.find(object); f != fonts.end()) font = f->second;
                if (auto p = pens.find(object); p != pens.end()) pen = p->second;
                break;
            }
            case EMR_DELETEOBJECT: {
                const DWORD object = reinterpret_cast<const EMRDELETEOBJECT*>(r)->ihObject;
                fonts.erase(object);
                pens.erase(object);
                break;
            }
            case EMR_MOVETOEX: {
                const POINTL p = reinterpret_cast<const EMRMOVETOEX*>(r)->ptl;
                at = {p.x, p.y};
                break;
            }
            case EMR_LINETO: {
                const POINTL p = reinterpret_cast<const EMRLINETO*>(r)->ptl;
                page.lines.push_back({at.x, at.y, p.x, p.y, pen.style, pen.width});
                at = {p.x, p.y};
                break;
            }
            case EMR_EXTTEXTOUTW: {
                const auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(r);
                const auto* chars = reinterpret_cast<const wchar_t*>(
                    reinterpret_cast<const BYTE*>(r) + t->emrtext.offString);
                page.texts.push_back({kor::ToCp932(std::wstring(chars, t->emrtext.nChars)),
                                      t->emrtext.ptlReference.x, t->emrtext.ptlReference.y,
                                      font.face, font.height});
                break;
            }
            default:
                break;
        }
    }
};

int CALLBACK OnRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM reader) {
    reinterpret_cast<Reader*>(reader)->Record(record);
    return 1;
}

}  // namespace

std::vector<DrawnText> DrawnPage::Line(int y) const {
    std::vector<DrawnText> line;
    for (const DrawnText& t : texts) {
        if (t.y == y) line.push_back(t);
    }
    std::stable_sort(line.begin(), line.end(),
                     [](const DrawnText& a, const DrawnText& b) { return a.x < b.x; });
    return line;
}

const DrawnText* DrawnPage::Find(const std::string& text) const {
    for (const DrawnText& t : texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}

std::vector<int> DrawnPage::LineYs() const {
    std::vector<int> ys;
    for (const DrawnText& t : texts) ys.push_back(t.y);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

DrawnPage ReadPage(HENHMETAFILE page) {
    Reader reader;
    EnumEnhMetaFile(nullptr, page, OnRecord, &reader, nullptr);
    return reader.page;
}

}  // namespace kortest
