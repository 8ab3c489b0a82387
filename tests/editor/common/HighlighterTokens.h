#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "editor/highlight/SrcHighlighterJava.h"
#include "tests/editor/common/JavaReference.h"

inline std::ostream& operator<<(std::ostream& os, const RefToken& t) {
    return os << "{pos " << t.pos << ", len " << t.len << ", kind " << t.kind << ", ext " << t.ext << "}";
}

// Every token of one line through the scanning protocol; the symbol kind
// is read for Java symbols only.
inline std::vector<RefToken> ScanTokens(TSrcCustomHighlighter& Highlighter, const std::string& Line, int LineNo = 0) {
    std::vector<RefToken> tokens;
    auto* java = dynamic_cast<TSrcJavaSrc*>(&Highlighter);
    Highlighter.SetLine(Line, LineNo);
    for (int guard = 0; !Highlighter.GetEol() && guard <= static_cast<int>(Line.size()); ++guard) {
        int kind = Highlighter.GetTokenKind();
        int ext = java && kind == tkSymbol ? java->GetExtTokenID() : -1;
        tokens.push_back({Highlighter.GetTokenPos(), static_cast<int>(Highlighter.GetToken().size()), kind, ext});
        Highlighter.Next();
    }
    return tokens;
}
