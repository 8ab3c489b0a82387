#include <cctype>
#include <string>
#include <vector>

#include "editor/print/SrcHeaderFooter.h"
#include "editor/print/SrcHeaderFooterText.h"
#include "editor/support/SrcExceptions.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

std::string THeaderFooterItem::GetText(int NumPages, int PageNum, bool Roman, const std::string& Title,
                                       const std::string& ATime, const std::string& ADate) const {
    auto number = [Roman](int value) { return Roman ? IntToRoman(value) : std::to_string(value); };
    auto macro = [&](const std::string& name, std::string& value) {
        if (name == "PAGENUM") value = number(PageNum);
        else if (name == "PAGECOUNT") value = number(NumPages);
        else if (name == "TITLE") value = Title;
        else if (name == "DATE") value = ADate;
        else if (name == "TIME") value = ATime;
        else if (name == "DATETIME") value = ADate + " " + ATime;
        else if (name == "TIMEDATE") value = ATime + " " + ADate;
        else return false;
        return true;
    };
    std::string result;
    size_t i = 0;
    while (i < Text.size()) {
        size_t open = Text.find('$', i);
        size_t close = open == std::string::npos ? open : Text.find('$', open + 1);
        if (close == std::string::npos) {
            result.append(Text, i, std::string::npos);
            break;
        }
        result.append(Text, i, open - i);
        std::string value;
        if (macro(Upper(Text.substr(open + 1, close - open - 1)), value)) {
            result += value;
            i = close + 1;
        } else {
            result.append(Text, open, close - open);
            i = close;
        }
    }
    return result;
}

std::string THeaderFooterItem::GetAsString() const {
    std::vector<std::string> fields = {EncodeString(Text),
                                       std::to_string(Font.Charset()),
                                       std::to_string(Font.Color()),
                                       std::to_string(Font.Height()),
                                       EncodeString(Font.Name()),
                                       std::to_string(Font.Pitch()),
                                       std::to_string(Font.PixelsPerInch()),
                                       std::to_string(Font.Size()),
                                       std::to_string(Font.Style().ToBits()),
                                       std::to_string(LineNumber),
                                       std::to_string(Alignment)};
    return JoinFields(fields);
}

void THeaderFooterItem::SetAsString(const std::string& Value) {
    std::vector<std::string> fields = SplitFields(Value);
    if (fields.size() != 11) {
        throw EConvertError("'" + Value + "' is not a header or footer item");
    }
    THeaderFooterItem item;
    item.Text = DecodeString(fields[0]);
    item.Font.SetCharset(static_cast<uint8_t>(FieldNumber(fields[1], 0, 255)));
    item.Font.SetColor(FieldNumber(fields[2], INT32_MIN, INT32_MAX));
    item.Font.SetHeight(FieldNumber(fields[3], INT32_MIN, INT32_MAX));
    item.Font.SetName(DecodeString(fields[4]));
    item.Font.SetPitch(static_cast<TFontPitch>(FieldNumber(fields[5], fpDefault, fpFixed)));
    item.Font.SetPixelsPerInch(FieldNumber(fields[6], 1, TSrcPrintFont::kMaxPixelsPerInch));
    item.Font.SetStoredSize(FieldNumber(fields[7], -TSrcPrintFont::kMaxSize, TSrcPrintFont::kMaxSize));
    item.Font.SetStyle(TFontStyles::FromBits(static_cast<uint8_t>(FieldNumber(fields[8], 0, 15))));
    item.LineNumber = FieldNumber(fields[9], INT32_MIN, INT32_MAX);
    item.Alignment = static_cast<TAlignment>(FieldNumber(fields[10], taLeftJustify, taCenter));
    item.Index = Index;
    *this = item;
}
