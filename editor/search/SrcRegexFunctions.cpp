// One-shot helpers around TRegex.
#include <cstring>

#include "editor/search/SrcRegex.h"

bool ExecRegex(const std::string& aRegex, const std::string& aInputStr) {
    TRegex r;
    r.SetExpression(aRegex);
    return r.Exec(aInputStr);
}

void SplitRegex(const std::string& aRegex, const std::string& aInputStr, std::vector<std::string>& aPieces) {
    TRegex r;
    r.SetExpression(aRegex);
    r.Split(aInputStr, aPieces);
}

std::string ReplaceRegex(const std::string& aRegex, const std::string& aInputStr, const std::string& aReplaceStr,
                         bool aUseSubstitution) {
    TRegex r;
    r.SetExpression(aRegex);
    return r.Replace(aInputStr, aReplaceStr, aUseSubstitution);
}

std::string QuoteRegexMetaChars(const std::string& aStr) {
    std::string result;
    result.reserve(aStr.size() * 2);
    for (char c : aStr) {
        if (c != '\0' && std::strchr("^$.[()|?+*\\{]}", c) != nullptr) result += '\\';
        result += c;
    }
    return result;
}

namespace {

// Index just past the "]" of the class opening at i, or npos.
size_t SkipClass(const std::string& r, size_t i) {
    ++i;
    if (i < r.size() && r[i] == '^') ++i;
    if (i < r.size() && r[i] == ']') ++i;
    while (i < r.size() && r[i] != ']') i += r[i] == '\\' ? 2 : 1;
    return i < r.size() ? i + 1 : std::string::npos;
}

}  // namespace

int RegexSubExpressions(const std::string& aRegex, std::vector<TRegexSubExpression>& aSubExprs,
                        bool aExtendedSyntax) {
    aSubExprs.clear();
    aSubExprs.push_back({aRegex, 1, static_cast<int>(aRegex.size())});
    std::vector<size_t> open;
    for (size_t i = 0; i < aRegex.size();) {
        char c = aRegex[i];
        if (c == '\\') {
            i += 2;
        } else if (c == '[') {
            i = SkipClass(aRegex, i);
            if (i == std::string::npos) return -2;
        } else if (c == '#' && aExtendedSyntax) {
            while (i < aRegex.size() && aRegex[i] != '\n' && aRegex[i] != '\r') ++i;
        } else if (c == '(' && i + 1 < aRegex.size() && aRegex[i + 1] == '?') {
            i = aRegex.find(')', i);  // comment or modifier group: not a sub-expression
            if (i == std::string::npos) return -1;
            ++i;
        } else if (c == '(') {
            open.push_back(aSubExprs.size());
            aSubExprs.push_back({std::string(), static_cast<int>(i) + 2, 0});
            ++i;
        } else if (c == ')') {
            if (open.empty()) return static_cast<int>(i) + 1;
            TRegexSubExpression& sub = aSubExprs[open.back()];
            open.pop_back();
            sub.Length = static_cast<int>(i) + 1 - sub.Pos;
            sub.Text = aRegex.substr(static_cast<size_t>(sub.Pos - 1), static_cast<size_t>(sub.Length));
            ++i;
        } else {
            ++i;
        }
    }
    return open.empty() ? 0 : -1;
}
