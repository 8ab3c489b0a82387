#include "editor/highlight/SrcHighlighterJava.h"

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcJavaTables.h"

const char* const TSrcJavaSrc::kDefaultFilter = "Java Files (*.java)|*.java";

namespace {

TSrcHighlighterAttributes* NewAttribute(const char* Name, TFontStyles Style) {
    auto* attribute = new TSrcHighlighterAttributes(Name);
    attribute->SetStyle(Style);
    return attribute;
}

}  // namespace

TSrcJavaSrc::TSrcJavaSrc(TComponent* AOwner) : TSrcCustomHighlighter(AOwner) {
    AddAttribute(CommentAttri = NewAttribute("Comment", {fsItalic}));
    AddAttribute(DocumentAttri = NewAttribute("Documentation", {fsItalic}));
    AddAttribute(IdentifierAttri = NewAttribute("Identifier", {}));
    AddAttribute(InvalidAttri = NewAttribute("Invalid Symbol", {}));
    AddAttribute(KeyAttri = NewAttribute("Reserved Word", {fsBold}));
    AddAttribute(NumberAttri = NewAttribute("Number", {}));
    AddAttribute(SpaceAttri = NewAttribute("Space", {}));
    SpaceAttri->SetForeground(clWindow);
    AddAttribute(StringAttri = NewAttribute("String", {}));
    AddAttribute(SymbolAttri = NewAttribute("Symbol", {}));
    SetAttributesOnChange(DefHighlightChangeEvent());
    SetDefaultFilter(kDefaultFilter);
    line_.assign(1, '\0');
}

TSrcHighlighterAttributes* TSrcJavaSrc::GetDefaultAttribute(int Index) const {
    switch (Index) {
    case SRC_ATTR_COMMENT: return CommentAttri;
    case SRC_ATTR_IDENTIFIER: return IdentifierAttri;
    case SRC_ATTR_KEYWORD: return KeyAttri;
    case SRC_ATTR_STRING: return StringAttri;
    case SRC_ATTR_WHITESPACE: return SpaceAttri;
    case SRC_ATTR_SYMBOL: return SymbolAttri;
    default: return nullptr;
    }
}

void TSrcJavaSrc::SetRange(TSrcEditRange Value) {
    range_ = Value >= rsANil && Value <= rsUnknown ? static_cast<TRangeState>(Value) : rsUnknown;
}

std::string TSrcJavaSrc::GetToken() const { return std::string(TokenStart(), static_cast<size_t>(TokenLength())); }

TSrcHighlighterAttributes* TSrcJavaSrc::GetTokenAttribute() const {
    switch (tokenID_) {
    case tkComment: return CommentAttri;
    case tkDocument: return DocumentAttri;
    case tkIdentifier: return IdentifierAttri;
    case tkInvalid:
    case tkUnknown: return InvalidAttri;
    case tkKey: return KeyAttri;
    case tkNumber: return NumberAttri;
    case tkSpace: return SpaceAttri;
    case tkString: return StringAttri;
    case tkSymbol: return SymbolAttri;
    default: return nullptr;
    }
}

TSrcCharSet TSrcJavaSrc::GetIdentChars() const {
    TSrcCharSet chars;
    for (int c = 0; c < 256; ++c) {
        chars[static_cast<size_t>(c)] = srcjava::kIdentChars[static_cast<size_t>(c)];
    }
    return chars;
}

bool TSrcJavaSrc::IsFilterStored() const { return GetDefaultFilter() != kDefaultFilter; }

std::string TSrcJavaSrc::GetSampleSource() const {
    return "/* Java syntax highlighting */\r\n"
           "import java.util.*;\r\n"
           "\r\n"
           "/** Example class */\r\n"
           "public class Sample {\r\n"
           "  public static void main(String[] args) {\r\n"
           "    int i = 0;\r\n"
           "    for(i = 0; i < 10; i++)\r\n"
           "      System.out.println(\"Hello world\");\r\n"
           "  }\r\n"
           "}";
}

void TSrcJavaSrc::SetLine(const std::string& NewValue, int LineNumber) {
    line_.assign(NewValue);
    line_.push_back('\0');
    len_ = static_cast<int>(NewValue.size());
    lineNumber_ = LineNumber;
    run_ = 0;
    Next();
}
