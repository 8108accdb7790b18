#include "common/patterns/DelimPatternFormBase.h"

#include <algorithm>
#include <cstdio>

#include "common/base/CharCheck.h"
#include "common/base/StrUtil.h"

namespace {

using P = CPatternBase;
using F = DelimPatternFormBase;

const char* SeparatorText(int separator) {
    switch (separator) {
        case 2:
            return "\t";
        case 4:
            return " ";
        default:
            return ",";
    }
}

std::string SeparatorCode(const F& form) {
    return form.separator == 2 ? "02" : form.separator == 4 ? "04" : "01";
}
std::string CheckCode(int check) {
    return check == 2 ? "2" : "1";
}
std::string OutputCode(const F& form) {
    return form.outputLength >= 1 && form.outputLength <= 3 ? std::to_string(form.outputLength)
                                                            : "1";
}
std::string LineBreakCode(const F& form) {
    return form.lineBreak == 1 ? "1" : "0";
}

// The number of identity field i of a pattern (kind code, kind name, file class, name).
int IdentityField(const CPatternBase& pattern, int i) {
    return pattern.Layout().firstFieldNumber + i;
}

// The items that both the form and the pattern have.
int SharedItems(const F& form, const CPatternBase& pattern) {
    return static_cast<int>(std::min(form.items.size(), pattern.Items().size()));
}

bool Carries(const CPatternBase& pattern, int k, const DelimPatternKind& kind) {
    return kind.carriesGeneralOnly || !pattern.Items()[static_cast<size_t>(k)].generalOnly;
}

}  // namespace

std::string FormatDelimItemEntry(const ItemSpec& item, const PatternLayout& layout,
                                 const DelimPatternFormBase::Item& assigned) {
    return FormatDelimItemEntry(item, layout, assigned, !item.optionalInFixed);
}

std::string FormatDelimItemEntry(const ItemSpec& item, const PatternLayout& layout,
                                 const DelimPatternFormBase::Item& assigned, bool required) {
    ItemSpec marked = item;
    marked.optionalInFixed = !required;
    return PatternItemListText(marked, layout) + (assigned.column >= 0 ? assigned.text : "未定義");
}

unsigned ItemSetsInUse(const DelimPatternFormBase& form, std::span<const DelimItemSet> sets) {
    unsigned inUse = 0;
    for (size_t i = 0; i < sets.size(); ++i) {
        for (int k : sets[i].items) {
            if (k >= 0 && static_cast<size_t>(k) < form.items.size() &&
                form.items[static_cast<size_t>(k)].column >= 0)
                inUse |= 1u << i;
        }
    }
    // A set that another one makes required follows it (as far as the chain goes).
    for (size_t pass = 0; pass < sets.size(); ++pass) {
        for (size_t i = 0; i < sets.size(); ++i) {
            if (inUse & sets[i].requiredWith) inUse |= 1u << i;
        }
    }
    return inUse;
}

bool IsItemRequired(int k, std::span<const ItemSpec> items, std::span<const DelimItemSet> sets,
                    unsigned inUse) {
    if (k < 0 || static_cast<size_t>(k) >= items.size()) return false;
    if (!items[static_cast<size_t>(k)].optionalInFixed) return true;
    for (size_t i = 0; i < sets.size(); ++i) {
        if (!(inUse & (1u << i))) continue;
        for (int member : sets[i].items) {
            if (member == k) return true;
        }
    }
    return false;
}

std::vector<std::string> SampleSourceLines(std::string_view line, int separator) {
    std::vector<std::string_view> fields;
    CStrUtil::SplitQuotedFields(line, SeparatorText(separator), "\"", fields);
    std::vector<std::string> lines;
    for (size_t n = 0; n < fields.size(); ++n) {
        if (fields[n] == "\r\n") break;
        std::string text(fields[n]);
        CStrUtil::TrimLeftStr(text, '"');
        CStrUtil::TrimRightStr(text, '"');
        std::erase_if(text, [](char c) { return c == '"' || c == '\r' || c == '\n'; });
        char number[16];
        std::snprintf(number, sizeof number, "[%02d]", static_cast<int>(n) + 1);
        lines.push_back(number + text);
    }
    return lines;
}

int SampleLineNumber(const DelimPatternFormBase& form) {
    return form.titlePosition != 0 ? form.titlePosition : form.dataPosition + 1;
}

FormFault CheckDelimPatternName(const std::string& name, const DelimFormMessages& messages) {
    if (name.empty()) return Fault(messages.noName, F::kName, "変換パターン");
    if (name.size() > static_cast<size_t>(P::kNameWidth))
        return Fault(messages.nameTooLong, F::kName, "変換パターン名",
                     std::to_string(P::kNameWidth));
    return {};
}

FormFault CheckDelimPatternForm(const DelimPatternFormBase& form, std::span<const ItemSpec> items,
                                kor::MessageId rowsMessage, const DelimFormMessages& messages) {
    return CheckDelimPatternForm(
        form, DelimFormRules{
                  .items = items, .sets = {}, .rowsMessage = rowsMessage, .messages = messages});
}

FormFault CheckDelimPatternForm(const DelimPatternFormBase& form, const DelimFormRules& rules) {
    const DelimFormMessages& m = rules.messages;
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(m.quoteOrComma, F::kName);
    const unsigned inUse = ItemSetsInUse(form, rules.sets);
    for (size_t k = 0; k < rules.items.size() && k < form.items.size(); ++k) {
        const int item = static_cast<int>(k);
        if (IsItemRequired(item, rules.items, rules.sets, inUse) && form.items[k].column < 0)
            return Fault(m.itemUnassigned, F::ItemField(item), rules.items[k].label);
    }
    for (size_t i = 0; m.setAlone && i < rules.sets.size(); ++i) {
        const unsigned with = rules.sets[i].requiredWith;
        if (with == 0 || !(inUse & (1u << i)) || (inUse & with)) continue;
        // The field is the first item of the first set that would make this one required.
        int field = F::kNone;
        for (size_t j = 0; j < rules.sets.size(); ++j) {
            if ((with & (1u << j)) && !rules.sets[j].items.empty()) {
                field = F::ItemField(rules.sets[j].items.front());
                break;
            }
        }
        return Fault(*m.setAlone, field, m.setAloneWord ? m.setAloneWord : "");
    }
    for (int i = 0; i < P::kAccountTypeCount; ++i) {
        const std::string& text = form.accountTypes[i];
        if (text.size() > static_cast<size_t>(P::kAccountTypeWidth))
            return Fault(m.textTooLong, F::AccountTypeField(i), "変換前科目",
                         std::to_string(P::kAccountTypeWidth));
        if (!CCharCheck::HasNoQuoteOrComma(text))
            return Fault(m.quoteOrComma, F::AccountTypeField(i));
    }
    if (form.titlePosition >= form.dataPosition + 1) return Fault(rules.rowsMessage, F::kDataRow);
    return {};
}

void StoreDelimForm(const DelimPatternFormBase& form, const DelimPatternKind& kind,
                    CDelimPatternBase& p) {
    p.SetField(IdentityField(p, 0), kind.code);
    p.SetField(IdentityField(p, 1), kind.name);
    p.SetField(IdentityField(p, 2), SeparatorCode(form));
    p.SetField(IdentityField(p, 3), form.name);
    const int first = p.Layout().firstItemField;
    for (int k = 0; k < SharedItems(form, p); ++k) {
        if (!Carries(p, k, kind)) continue;
        const F::Item& item = form.items[static_cast<size_t>(k)];
        p.SetField(first + 2 * k, item.column >= 0 ? std::to_string(item.column) : std::string());
        p.SetField(first + 2 * k + 1, item.column >= 0 ? item.text : std::string());
    }
    p.SetField(p.OptionField(P::kZeroCheckOption), CheckCode(form.zeroCheck));
    p.SetField(p.OptionField(P::kBlankCheckOption), CheckCode(form.blankCheck));
    for (int i = 0; i < P::kAccountTypeCount; ++i)
        p.SetField(p.OptionField(P::kFirstAccountTypeOption + i), form.accountTypes[i]);
    p.SetField(p.OptionField(P::kOutputLengthOption), OutputCode(form));
    p.SetField(p.OptionField(P::kLineBreakOption), LineBreakCode(form));
    // A layout without item-set flags has no field for them.
    for (int i = 0; i < P::kItemSetCount; ++i)
        p.SetField(p.OptionField(P::kFirstItemSetOption + i),
                   (form.itemSets >> i) & 1u ? "1" : "0");
    p.SetField(p.OptionField(P::kTitleRowsOption), std::to_string(form.titlePosition));
    p.SetField(p.OptionField(P::kDataRowOption), std::to_string(form.dataPosition + 1));
}

void LoadDelimForm(const CDelimPatternBase& pattern, DelimPatternFormBase& form) {
    for (int k = 0; k < SharedItems(form, pattern); ++k) {
        F::Item& item = form.items[static_cast<size_t>(k)];
        item.column = pattern.HasColumn(k) ? pattern.ColumnOf(k) : -1;
        item.text = pattern.Text(k);
    }
    const int separator = pattern.FileClass();
    form.separator = IsSeparatedClass(separator) ? separator : 0;
    form.name = pattern.name;
    const int zero = pattern.ZeroCheck();
    form.zeroCheck = zero == 1 || zero == 2 ? zero : 0;
    const int blank = pattern.BlankCheck();
    form.blankCheck = blank == 1 || blank == 2 ? blank : 0;
    const int output = pattern.OutputLengthCode();
    form.outputLength = output >= 1 && output <= 3 ? output : 0;
    const std::string_view lineBreak = pattern.lineBreakCode;
    form.lineBreak = lineBreak == "1" ? 1 : lineBreak == "0" ? 0 : -1;
    for (int i = 0; i < P::kAccountTypeCount; ++i)
        form.accountTypes[i] =
            pattern.GetField(pattern.OptionField(P::kFirstAccountTypeOption + i));
    form.titlePosition = pattern.TitleRows();
    form.dataPosition = pattern.DataRow() - 1;
}

bool IsDelimFormModified(const DelimPatternFormBase& form, const DelimPatternKind& kind,
                         const CDelimPatternBase* reference) {
    if (!reference) {
        if (!form.name.empty() || !kind.cleared) return true;
        if (form.separator == 2 || form.separator == 4 || form.zeroCheck == 2 ||
            form.blankCheck == 2 || form.outputLength == 2 || form.outputLength == 3 ||
            form.lineBreak == 0 || form.titlePosition != 1 || form.dataPosition != 1)
            return true;
        for (const F::Item& item : form.items) {
            if (!item.text.empty()) return true;
        }
        for (const std::string& text : form.accountTypes) {
            if (!text.empty()) return true;
        }
        return false;
    }
    const CDelimPatternBase& r = *reference;
    if (form.titlePosition != r.TitleRows() || form.dataPosition + 1 != r.DataRow() ||
        kind.code != r.GetField(IdentityField(r, 0)) ||
        SeparatorCode(form) != r.GetField(IdentityField(r, 2)) ||
        CheckCode(form.zeroCheck) != r.GetField(r.OptionField(P::kZeroCheckOption)) ||
        CheckCode(form.blankCheck) != r.GetField(r.OptionField(P::kBlankCheckOption)) ||
        OutputCode(form) != r.GetField(r.OptionField(P::kOutputLengthOption)) ||
        LineBreakCode(form) != r.GetField(r.OptionField(P::kLineBreakOption)))
        return true;
    for (int k = 0; k < SharedItems(form, r); ++k) {
        if (Carries(r, k, kind) && form.items[static_cast<size_t>(k)].text != r.Text(k))
            return true;
    }
    for (int i = 0; i < P::kAccountTypeCount; ++i) {
        if (form.accountTypes[i] != r.GetField(r.OptionField(P::kFirstAccountTypeOption + i)))
            return true;
    }
    return false;
}
