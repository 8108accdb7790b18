#include "transfer/DelimPatternForm.h"

#include <cstdio>

#include "common/CharCheck.h"
#include "common/StrUtil.h"

namespace xf {

namespace {

constexpr int kAccountTypeWidth = CPatternBase::kAccountTypeWidth;

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

std::string KindCode(const DelimPatternForm& form) {
    return form.General() ? "01" : "02";
}
std::string SeparatorCode(const DelimPatternForm& form) {
    return form.separator == 2 ? "02" : form.separator == 4 ? "04" : "01";
}
std::string CheckCode(int check) {
    return check == 2 ? "2" : "1";
}
std::string OutputCode(const DelimPatternForm& form) {
    return form.outputLength >= 1 && form.outputLength <= 3 ? std::to_string(form.outputLength)
                                                            : "1";
}
std::string LineBreakCode(const DelimPatternForm& form) {
    return form.lineBreak == 1 ? "1" : "0";
}

FormFault Fault(int message, int field, std::string word1 = {}, std::string word2 = {}) {
    return FormFault{message, std::move(word1), std::move(word2), field};
}

const ItemSpec& Spec(int k) {
    return TransferItems()[static_cast<size_t>(k)];
}

}  // namespace

int DelimPatternForm::ListedItemCount() const {
    int count = 0;
    while (count < kItemCount && Carries(count)) ++count;
    return count;
}

std::string ItemListText(int k) {
    return PatternItemListText(Spec(k), kPatternLayout);
}

std::string FormatItemEntry(int k, const DelimPatternForm::Item& item) {
    return ItemListText(k) + (item.column >= 0 ? item.text : "未定義");
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

int SampleLineNumber(const DelimPatternForm& form) {
    return form.titlePosition != 0 ? form.titlePosition : form.dataPosition + 1;
}

FormFault CheckDelimPatternName(const DelimPatternForm& form) {
    using F = DelimPatternForm;
    if (form.name.empty()) return Fault(10, F::kName, "変換パターン");
    if (form.name.size() > static_cast<size_t>(CPatternBase::kNameWidth))
        return Fault(48, F::kName, "変換パターン名", "74");
    return {};
}

FormFault ValidateDelimForm(const DelimPatternForm& form) {
    using F = DelimPatternForm;
    if (!CCharCheck::HasNoQuoteOrComma(form.name)) return Fault(108, F::kName);
    for (int k = 0; k < kItemCount; ++k) {
        if (!Spec(k).optionalInFixed && form.items[k].column < 0)
            return Fault(45, F::ItemField(k), Spec(k).label);
    }
    for (int i = 0; i < 4; ++i) {
        const std::string& text = form.accountTypes[i];
        if (text.size() > static_cast<size_t>(kAccountTypeWidth))
            return Fault(48, F::AccountTypeField(i), "変換前科目",
                         std::to_string(kAccountTypeWidth));
        if (!CCharCheck::HasNoQuoteOrComma(text)) return Fault(108, F::AccountTypeField(i));
    }
    if (form.titlePosition >= form.dataPosition + 1) return Fault(102, F::kDataRow);
    return {};
}

CDelimPattern ToDelimPattern(const DelimPatternForm& form) {
    CDelimPattern p;
    p.SetField(0, KindCode(form));
    p.SetField(1, form.General() ? "総合振込" : "給与振込");
    p.SetField(2, SeparatorCode(form));
    p.SetField(3, form.name);
    const int first = kPatternLayout.firstItemField;
    for (int k = 0; k < kItemCount; ++k) {
        if (!form.Carries(k)) continue;
        const DelimPatternForm::Item& item = form.items[k];
        p.SetField(first + 2 * k, item.column >= 0 ? std::to_string(item.column) : std::string());
        p.SetField(first + 2 * k + 1, item.column >= 0 ? item.text : std::string());
    }
    p.SetField(28, CheckCode(form.zeroCheck));
    p.SetField(29, CheckCode(form.blankCheck));
    for (int i = 0; i < 4; ++i) p.SetField(32 + i, form.accountTypes[i]);
    p.SetField(36, OutputCode(form));
    p.SetField(37, LineBreakCode(form));
    p.SetField(38, std::to_string(form.titlePosition));
    p.SetField(39, std::to_string(form.dataPosition + 1));
    return p;
}

DelimPatternForm FromDelimPattern(const CDelimPattern& pattern) {
    DelimPatternForm form;
    for (int k = 0; k < kItemCount; ++k) {
        form.items[k].column = pattern.HasColumn(k) ? pattern.ColumnOf(k) : -1;
        form.items[k].text = pattern.Text(k);
    }
    const int kind = pattern.Kind();
    form.kind = kind == 1 || kind == 2 ? kind : 0;
    const int separator = pattern.FileClass();
    form.separator = separator == 1 || separator == 2 || separator == 4 ? separator : 0;
    form.name = pattern.name;
    const int zero = pattern.ZeroCheck();
    form.zeroCheck = zero == 1 || zero == 2 ? zero : 0;
    const int blank = pattern.BlankCheck();
    form.blankCheck = blank == 1 || blank == 2 ? blank : 0;
    const int output = pattern.OutputLengthCode();
    form.outputLength = output >= 1 && output <= 3 ? output : 0;
    const std::string_view lineBreak = pattern.lineBreakCode;
    form.lineBreak = lineBreak == "1" ? 1 : lineBreak == "0" ? 0 : -1;
    for (int i = 0; i < 4; ++i) form.accountTypes[i] = pattern.GetField(32 + i);
    form.titlePosition = pattern.TitleRows();
    form.dataPosition = pattern.DataRow() - 1;
    return form;
}

bool IsDelimPatternModified(const DelimPatternForm& form, const CDelimPattern* reference) {
    if (!reference) {
        if (!form.name.empty()) return true;
        if (form.kind == 2 || form.separator == 2 || form.separator == 4 || form.zeroCheck == 2 ||
            form.blankCheck == 2 || form.outputLength == 2 || form.outputLength == 3 ||
            form.lineBreak == 0 || form.titlePosition != 1 || form.dataPosition != 1)
            return true;
        for (const DelimPatternForm::Item& item : form.items) {
            if (!item.text.empty()) return true;
        }
        for (const std::string& text : form.accountTypes) {
            if (!text.empty()) return true;
        }
        return false;
    }
    if (form.titlePosition != reference->TitleRows() ||
        form.dataPosition + 1 != reference->DataRow() || KindCode(form) != reference->GetField(0) ||
        SeparatorCode(form) != reference->GetField(2) ||
        CheckCode(form.zeroCheck) != reference->GetField(28) ||
        CheckCode(form.blankCheck) != reference->GetField(29) ||
        OutputCode(form) != reference->GetField(36) ||
        LineBreakCode(form) != reference->GetField(37))
        return true;
    for (int k = 0; k < kItemCount; ++k) {
        if (form.Carries(k) && form.items[k].text != reference->Text(k)) return true;
    }
    for (int i = 0; i < 4; ++i) {
        if (form.accountTypes[i] != reference->GetField(32 + i)) return true;
    }
    return false;
}

}  // namespace xf
