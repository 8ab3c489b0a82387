// Substitute, Split and Replace on top of Exec/ExecNext.
#include <cctype>

#include "editor/search/SrcRegex.h"

namespace {

// The group named by a "$" reference at template[i] ('$'), or -1; sets the
// reference's length.
int GroupReference(const std::string& t, size_t i, size_t& length) {
    if (i + 1 >= t.size()) return -1;
    char c = t[i + 1];
    if (std::isdigit(static_cast<unsigned char>(c))) {
        length = 2;
        return c - '0';
    }
    if (c == '&') {
        length = 2;
        return 0;
    }
    if (c != '{') return -1;
    size_t close = t.find('}', i + 2);
    if (close == std::string::npos || close == i + 2 || close - (i + 2) > 2) return -1;
    std::string name = t.substr(i + 2, close - (i + 2));
    length = close - i + 1;
    if (name == "&") return 0;
    int n = 0;
    for (char d : name) {
        if (!std::isdigit(static_cast<unsigned char>(d))) return -1;
        n = n * 10 + (d - '0');
    }
    return n < TRegex::SubExpressionCount ? n : -1;
}

}  // namespace

std::string TRegex::Substitute(const std::string& aTemplate) {
    std::string result;
    // The result's length first, then the text.
    for (std::string* out : {static_cast<std::string*>(nullptr), &result}) {
        size_t length = 0;
        auto add = [&](const char* s, size_t n) {
            if (out != nullptr) out->append(s, n);
            length += n;
        };
        for (size_t i = 0; i < aTemplate.size();) {
            char c = aTemplate[i];
            size_t refLength = 0;
            int group = c == '$' ? GroupReference(aTemplate, i, refLength) : -1;
            if (group >= 0) {
                int len = GetMatchLen(group);
                if (len > 0) add(input_.data() + GetMatchPos(group) - 1, static_cast<size_t>(len));
                i += refLength;
            } else if (c == '\\' && i + 1 < aTemplate.size()) {
                add(aTemplate.data() + i + 1, 1);
                i += 2;
            } else {
                add(aTemplate.data() + i, 1);
                ++i;
            }
        }
        if (out == nullptr) result.reserve(length);
    }
    return result;
}

template <class Append>
void TRegex::ForEachMatch(const std::string& inputStr, Append&& append) {
    int previous = 1;
    if (Exec(inputStr)) {
        do {
            append(input_.substr(static_cast<size_t>(previous - 1), static_cast<size_t>(GetMatchPos(0) - previous)),
                   true);
            previous = GetMatchPos(0) + GetMatchLen(0);
        } while (ExecNext());
    }
    append(inputStr.substr(std::min(static_cast<size_t>(previous - 1), inputStr.size())), false);
}

void TRegex::Split(const std::string& inputStr, std::vector<std::string>& pieces) {
    ForEachMatch(inputStr, [&](std::string before, bool) { pieces.push_back(std::move(before)); });
}

std::string TRegex::Replace(const std::string& inputStr, const std::string& replaceStr, bool useSubstitution) {
    return ReplaceEx(inputStr, [&](TRegex& r) { return useSubstitution ? r.Substitute(replaceStr) : replaceStr; });
}

std::string TRegex::Replace(const std::string& inputStr, const TRegexReplaceFunction& replaceFunc) {
    return ReplaceEx(inputStr, replaceFunc);
}

std::string TRegex::ReplaceEx(const std::string& inputStr, const TRegexReplaceFunction& replaceFunc) {
    std::string result;
    ForEachMatch(inputStr, [&](const std::string& before, bool matched) {
        result += before;
        if (matched) result += replaceFunc(*this);
    });
    return result;
}
