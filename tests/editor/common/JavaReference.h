#pragma once
// A Java line tokenizer written from the highlighter's rules, with none of
// its tables: keywords from a word set, operators by longest match. Tests
// compare the highlighter against it token by token.
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/highlight/SrcJavaKinds.h"

struct RefToken {
    int pos;
    int len;
    int kind;
    int ext;  // the symbol kind, -1 for other tokens

    bool operator==(const RefToken&) const = default;
};

namespace javaref {

inline const std::set<std::string, std::less<>>& Keywords() {
    static const std::set<std::string, std::less<>> words = {
        "abstract", "assert",     "boolean",   "break",     "byte",      "case",         "catch",    "char",
        "class",    "const",      "continue",  "default",   "do",        "double",       "else",     "extends",
        "false",    "final",      "finally",   "float",     "for",       "goto",         "if",       "implements",
        "import",   "instanceof", "int",       "interface", "long",      "native",       "new",      "null",
        "package",  "private",    "protected", "public",    "return",    "short",        "static",   "strictfp",
        "super",    "switch",     "synchronized", "this",   "throw",     "throws",       "transient", "true",
        "try",      "void",       "volatile",  "while",
    };
    return words;
}

inline const std::vector<std::pair<std::string, int>>& Operators() {
    static const std::vector<std::pair<std::string, int>> ops = {
        {">>>=", xtkUnsignShiftRightAssign},
        {"<<=", xtkShiftLeftAssign}, {">>=", xtkShiftRightAssign}, {">>>", xtkUnsignShiftRight},
        {"!=", xtkNotEqual}, {"%=", xtkRemainderAssign}, {"&&", xtkCondAnd}, {"&=", xtkAndAssign},
        {"*=", xtkMultiplyAssign}, {"++", xtkIncrement}, {"+=", xtkAddAssign}, {"--", xtkDecrement},
        {"-=", xtkSubtractAssign}, {"<<", xtkShiftLeft}, {"<=", xtkLessThanEqual}, {"==", xtkLogEqual},
        {">=", xtkGreaterThanEqual}, {">>", xtkShiftRight}, {"^=", xtkXorAssign}, {"|=", xtkIncOrAssign},
        {"||", xtkCondOr}, {"/=", xtkDivideAssign},
        {"!", xtkLogComplement}, {"%", xtkRemainder}, {"&", xtkAnd}, {"(", xtkRoundOpen}, {")", xtkRoundClose},
        {"*", xtkMultiply}, {"+", xtkAdd}, {",", xtkComma}, {"-", xtkSubtract}, {":", xtkColon},
        {";", xtkSemiColon}, {"?", xtkQuestion}, {"<", xtkLessThan}, {"=", xtkAssign}, {">", xtkGreaterThan},
        {"[", xtkSquareOpen}, {"]", xtkSquareClose}, {"^", xtkXor}, {"{", xtkBraceOpen}, {"}", xtkBraceClose},
        {"~", xtkBitComplement}, {"|", xtkIncOr}, {"/", xtkDivide}, {".", xtkPoint},
    };
    return ops;
}

inline bool Letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool Digit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool WordChar(unsigned char c) {
    return Letter(c) || Digit(c) || c == '_' || c == '$' || (c >= 192 && c != 215 && c != 247);
}
inline bool Blank(unsigned char c) { return c >= 1 && c <= 32 && c != '\r' && c != '\n'; }
inline bool NumberChar(unsigned char c) {
    return Digit(c) || std::string_view("-.ABCDEFLXabcdeflx").find(static_cast<char>(c)) != std::string_view::npos;
}

// Where a comment body that starts at From ends on this line, and whether
// its "*/" was found.
inline std::pair<size_t, bool> CommentEnd(std::string_view s, size_t from) {
    size_t close = s.find("*/", from);
    size_t lineBreak = s.find_first_of("\r\n", from);
    if (close != std::string_view::npos && (lineBreak == std::string_view::npos || close < lineBreak)) {
        return {close + 2, true};
    }
    return {lineBreak == std::string_view::npos ? s.size() : lineBreak, false};
}

// One token at i (not at the end); Range changes for comments.
inline RefToken OneToken(std::string_view s, size_t i, int& range) {
    auto at = [&](size_t k) -> unsigned char { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0; };
    const unsigned char c = at(i);
    auto token = [&](size_t end, int kind, int ext = -1) {
        return RefToken{static_cast<int>(i), static_cast<int>(end - i), kind, ext};
    };
    if (range == rsComment || range == rsDocument) {
        int kind = range == rsComment ? tkComment : tkDocument;
        if (c == '\n') return token(i + 1, tkSpace);
        if (c == '\r') return token(at(i + 1) == '\n' ? i + 2 : i + 1, tkSpace);
        auto [end, closed] = CommentEnd(s, i);
        if (closed) range = rsUnknown;
        return token(end, kind);
    }
    range = rsUnknown;
    if (c == '\n') return token(i + 1, tkSpace);
    if (c == '\r') return token(at(i + 1) == '\n' ? i + 2 : i + 1, tkSpace);
    if (Blank(c)) {
        size_t end = i;
        while (Blank(at(end))) ++end;
        return token(end, tkSpace);
    }
    if (Letter(c) || c == '_' || c == '$') {
        size_t end = i;
        while (WordChar(at(end))) ++end;
        bool key = Keywords().count(s.substr(i, end - i)) > 0;
        return token(end, key ? tkKey : tkIdentifier);
    }
    if (Digit(c) || (c == '.' && Digit(at(i + 1)))) {
        size_t end = c == '.' ? i + 2 : i + 1;
        while (NumberChar(at(end)) && !(at(end) == '.' && at(end + 1) == '.')) ++end;
        return token(end, tkNumber);
    }
    if (c == '"' || c == '\'') {
        size_t k = i + 1;
        if (s.substr(i, 3) == "\"\"\"") k = i + 3;
        while (k < s.size() && at(k) != c && at(k) != '\r' && at(k) != '\n') {
            k += at(k) == '\\' ? 2 : 1;
        }
        if (k > s.size()) k = s.size();
        if (k < s.size() && at(k) == c) ++k;
        return token(k, tkString);
    }
    if (s.substr(i, 2) == "//") {
        size_t end = s.find_first_of("\r\n", i);
        return token(end == std::string_view::npos ? s.size() : end, tkComment);
    }
    if (s.substr(i, 4) == "/**/") return token(i + 4, tkDocument);
    if (s.substr(i, 3) == "/**") {
        auto [end, closed] = CommentEnd(s, i + 3);
        range = closed ? rsUnknown : rsDocument;
        return token(end, tkDocument);
    }
    if (s.substr(i, 2) == "/*") {
        auto [end, closed] = CommentEnd(s, i + 2);
        range = closed ? rsUnknown : rsComment;
        return token(end, tkComment);
    }
    if (c == '#' || c == '@') return token(i + 1, tkInvalid);
    for (const auto& [text, kind] : Operators()) {
        if (s.substr(i, text.size()) == text) return token(i + text.size(), tkSymbol, kind);
    }
    return token(i + 1, tkUnknown);
}

}  // namespace javaref

// The tokens of one line, Range carried in and out.
inline std::vector<RefToken> ReferenceJavaLine(std::string_view line, int& range) {
    std::vector<RefToken> tokens;
    size_t i = 0;
    if (range != rsComment && range != rsDocument) range = rsUnknown;
    while (i < line.size()) {
        tokens.push_back(javaref::OneToken(line, i, range));
        i += static_cast<size_t>(tokens.back().len);
    }
    return tokens;
}
