#pragma once
// The multi-highlighter set-up the tests share: Java by default, a second
// Java highlighter between "<%" and "%>", and the script language between
// "<script>" and "</script>" in any case. With a reference of the same
// scan: literal marker search, then the reference tokenizers per segment.
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "editor/highlight/SrcHighlighterMulti.h"
#include "tests/editor/common/HighlighterTokens.h"
#include "tests/editor/common/ScriptHighlighter.h"

struct MultiToken {
    int pos;
    int len;
    int kind;
    char source;  // 'M' marker, 'D' default, 'J' second Java, 'S' script

    bool operator==(const MultiToken&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const MultiToken& t) {
    return os << "{" << t.pos << "+" << t.len << " kind " << t.kind << " " << t.source << "}";
}

struct MultiSetup {
    MultiSetup() {
        multi.SetDefaultHighlighter(&java);
        jsp = multi.Schemes().Add();
        jsp->SetSchemeName("Jsp");
        jsp->SetStartExpr("<%");
        jsp->SetEndExpr("%>");
        jsp->SetHighlighter(&inner);
        script = multi.Schemes().Add();
        script->SetSchemeName("Script");
        script->SetCaseSensitive(false);
        script->SetStartExpr("<script>");
        script->SetEndExpr("</script>");
        script->SetHighlighter(&lang);
    }

    // The tokens of one line through the protocol, each with its source.
    std::vector<MultiToken> Scan(const std::string& line, int lineNo = 0) {
        std::map<const TSrcHighlighterAttributes*, char> sources;
        for (int i = 0; i < java.GetAttribCount(); ++i) sources[java.GetAttribute(i)] = 'D';
        for (int i = 0; i < inner.GetAttribCount(); ++i) sources[inner.GetAttribute(i)] = 'J';
        for (int i = 0; i < lang.GetAttribCount(); ++i) sources[lang.GetAttribute(i)] = 'S';
        for (int i = 0; i < multi.Schemes().Count(); ++i) sources[multi.Schemes().Items(i)->MarkerAttri()] = 'M';
        std::vector<MultiToken> tokens;
        multi.SetLine(line, lineNo);
        for (int guard = 0; !multi.GetEol() && guard <= static_cast<int>(line.size()); ++guard) {
            TSrcHighlighterAttributes* attribute = multi.GetTokenAttribute();
            char source = attribute && sources.count(attribute) ? sources[attribute] : '?';
            tokens.push_back({multi.GetTokenPos(), static_cast<int>(multi.GetToken().size()), multi.GetTokenKind(),
                              source});
            multi.Next();
        }
        return tokens;
    }

    TSrcMultiSrc multi;
    TSrcJavaSrc java;
    TSrcJavaSrc inner;
    ScriptHighlighter lang;
    TScheme* jsp;
    TScheme* script;
};

// The reference's state between lines.
struct MultiRefState {
    int scheme = -1;
    int defaultRange = rsUnknown;
    int javaRange = rsUnknown;
    int scriptRange = 0;

    // The value the newer packing gives.
    uint32_t Packed() const {
        if (scheme < 0) return static_cast<uint32_t>(defaultRange) << 3;
        int schemeRange = scheme == 0 ? javaRange : scriptRange;
        return ((static_cast<uint32_t>(defaultRange) << 4 | static_cast<uint32_t>(schemeRange)) << 3) |
               static_cast<uint32_t>(scheme + 1);
    }
};

inline std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

inline std::vector<MultiToken> ReferenceMultiLine(const std::string& line, MultiRefState& state) {
    struct Found {
        size_t pos, len;
        bool open;
        int scheme;
    };
    std::vector<Found> markers;
    int scheme = state.scheme;
    for (size_t p = 0; p < line.size();) {
        std::string rest = line.substr(p);
        size_t k = std::string::npos;
        size_t length = 0;
        if (scheme < 0) {
            if ((k = rest.find("<%")) != std::string::npos) {
                scheme = 0, length = 2;
            } else if ((k = Lowered(rest).find("<script>")) != std::string::npos) {
                scheme = 1, length = 8;
            } else {
                break;
            }
            markers.push_back({p + k, length, true, scheme});
        } else {
            k = scheme == 0 ? rest.find("%>") : Lowered(rest).find("</script>");
            if (k == std::string::npos) break;
            length = scheme == 0 ? 2 : 9;
            markers.push_back({p + k, length, false, scheme});
            scheme = -1;
        }
        p += k + length;
    }
    std::vector<MultiToken> tokens;
    auto segment = [&](size_t from, size_t to) {
        if (from >= to) return;
        std::string text = line.substr(from, to - from);
        if (state.scheme == 1) {
            for (size_t i = 0; i < text.size();) {
                size_t j = i;
                while (j < text.size() && (text[j] == ' ') == (text[i] == ' ')) {
                    if (text[j] == ';') state.scriptRange = (state.scriptRange + 1) & 15;
                    ++j;
                }
                tokens.push_back({static_cast<int>(from + i), static_cast<int>(j - i), text[i] == ' ' ? 2 : 1, 'S'});
                i = j;
            }
            return;
        }
        int& range = state.scheme == 0 ? state.javaRange : state.defaultRange;
        for (const RefToken& t : ReferenceJavaLine(text, range)) {
            tokens.push_back({static_cast<int>(from) + t.pos, t.len, t.kind, state.scheme == 0 ? 'J' : 'D'});
        }
    };
    size_t at = 0;
    for (const Found& m : markers) {
        segment(at, m.pos);
        tokens.push_back({static_cast<int>(m.pos), static_cast<int>(m.len), 0, 'M'});
        if (m.open) {
            state.scheme = m.scheme;
            (m.scheme == 0 ? state.javaRange : state.scriptRange) = m.scheme == 0 ? rsUnknown : 0;
        } else {
            state.scheme = -1;
        }
        at = m.pos + m.len;
    }
    segment(at, line.size());
    return tokens;
}
