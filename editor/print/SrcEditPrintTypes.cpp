#include "editor/print/SrcEditPrintTypes.h"

#include <cmath>

bool WrapTextEx(const std::string& Line, const TSrcCharSet& BreakChars, int MaxCol, std::vector<TWrapPos>& AList) {
    const int length = static_cast<int>(Line.size());
    if (length <= MaxCol) {
        return true;
    }
    bool result = false;
    int lastBreak = 0;
    int candidate = 0;
    for (int p = 1; p <= length; ++p) {
        if (p - lastBreak > MaxCol && candidate != 0) {
            result = true;
            AList.push_back({candidate});
            lastBreak = candidate;
            if (length - lastBreak <= MaxCol || p >= length) {
                break;
            }
            candidate = 0;
        } else if (BreakChars.test(static_cast<unsigned char>(Line[p - 1]))) {
            candidate = p;
        }
    }
    return result;
}

std::string IntToRoman(int Value) {
    static const struct {
        int value;
        const char* text;
    } kNumerals[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                     {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},   {1, "I"}};
    std::string result;
    for (const auto& numeral : kNumerals) {
        while (Value >= numeral.value) {
            result += numeral.text;
            Value -= numeral.value;
        }
    }
    return result;
}

int MulDiv(int A, int B, int C) {
    if (C == 0) {
        return 0;
    }
    double value = std::round(static_cast<double>(A) * B / C);
    return value > 2e9 ? 2000000000 : value < -2e9 ? -2000000000 : static_cast<int>(value);
}
