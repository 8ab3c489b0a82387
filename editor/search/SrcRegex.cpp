#include "editor/search/SrcRegex.h"

#include <cctype>
#include <cstring>

#include "editor/support/Cp1252.h"
#include "editor/search/SrcRegexMatcher.h"
#include "editor/search/SrcRegexProgram.h"

using namespace regex_program;

bool RegexModifierI = false;
bool RegexModifierR = true;
bool RegexModifierS = true;
bool RegexModifierG = true;
bool RegexModifierM = false;
bool RegexModifierX = false;
std::string RegexSpaceChars = " \t\n\r\f";
std::string RegexWordChars = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
std::string RegexLineSeparators = "\r\n";
std::string RegexLinePairedSeparator = "\r\n";
TRegexInvertCaseFunction RegexInvertCaseFunction = &TRegex::InvertCaseFunction;

namespace {
const char ModifierLetters[] = "irsgmx";

constexpr size_t KeptFrames = 4096;

uint32_t IndexBit(int index) { return index >= 1 && index <= 6 ? 1u << (index - 1) : 0; }
}  // namespace

TRegex::TRegex()
    : SpaceChars(RegexSpaceChars), WordChars(RegexWordChars), InvertCase(RegexInvertCaseFunction),
      lineSeparators_(RegexLineSeparators) {
    modifiers_ = (RegexModifierI ? ModI : 0) | (RegexModifierR ? ModR : 0) | (RegexModifierS ? ModS : 0) |
                 (RegexModifierG ? ModG : 0) | (RegexModifierM ? ModM : 0);
    SetLinePairedSeparator(RegexLinePairedSeparator);
    ClearMatches();
}

TRegex::~TRegex() = default;

unsigned char TRegex::InvertCaseFunction(unsigned char c) {
    unsigned char upper = Cp1252Upper(c);
    return upper != c ? upper : Cp1252Lower(c);
}

void TRegex::SetExpression(const std::string& value) {
    if (expressionSet_ && value == expression_) return;
    expression_ = value;
    expressionSet_ = true;
    program_.reset();
}

bool TRegex::GetModifier(int index) const {
    uint32_t bit = IndexBit(index);
    if (bit == 0) Error(1013);
    return (modifiers_ & bit) != 0;
}

void TRegex::SetModifier(int index, bool value) {
    uint32_t bit = IndexBit(index);
    if (bit == 0) Error(1013);
    modifiers_ = value ? (modifiers_ | bit) : (modifiers_ & ~bit);
}

std::string TRegex::GetModifierStr() const {
    std::string result = "-";
    for (int i = 0; i < 6; ++i) {
        if (modifiers_ & (1u << i)) result.insert(result.begin(), ModifierLetters[i]);
        else result += ModifierLetters[i];
    }
    if (result.back() == '-') result.pop_back();
    return result;
}

void TRegex::SetModifierStr(const std::string& value) {
    uint32_t mods = modifiers_;
    bool on = true;
    for (char c : value) {
        if (c == '-') {
            on = false;
            continue;
        }
        const char* letter = c != '\0' ? std::strchr(ModifierLetters, std::tolower(static_cast<unsigned char>(c)))
                                       : nullptr;
        if (letter == nullptr) Error(1013);
        uint32_t bit = 1u << (letter - ModifierLetters);
        mods = on ? (mods | bit) : (mods & ~bit);
    }
    modifiers_ = mods;
}

std::string TRegex::GetInputString() const {
    if (!hasInput_) Error(1008);
    return input_;
}

void TRegex::SetInputString(const std::string& value) {
    ClearMatches();
    input_ = value;
    hasInput_ = true;
}

void TRegex::ClearMatches() {
    for (int i = 0; i < SubExpressionCount; ++i) startp_[i] = endp_[i] = -1;
}

std::string TRegex::GetMatch(int n) const {
    int len = GetMatchLen(n);
    if (len < 0) return {};
    return input_.substr(static_cast<size_t>(startp_[n]), static_cast<size_t>(len));
}

int TRegex::GetMatchPos(int n) const {
    if (!hasInput_ || n < 0 || n >= SubExpressionCount || startp_[n] < 0 || endp_[n] < 0) return -1;
    return static_cast<int>(startp_[n]) + 1;
}

int TRegex::GetMatchLen(int n) const {
    if (GetMatchPos(n) < 0) return -1;
    return static_cast<int>(endp_[n] - startp_[n]);
}

int TRegex::GetSubExprMatchCount() const {
    if (!hasInput_) return -1;
    for (int n = SubExpressionCount - 1; n >= 1; --n)
        if (startp_[n] >= 0 && endp_[n] >= 0) return n;
    return 0;
}

void TRegex::SetLineSeparators(const std::string& value) {
    if (value == lineSeparators_) return;
    lineSeparators_ = value;
    program_.reset();
}

std::string TRegex::GetLinePairedSeparator() const {
    return linePaired_ ? std::string{linePairedFirst_, linePairedSecond_} : std::string();
}

void TRegex::SetLinePairedSeparator(const std::string& value) {
    if (!value.empty() && (value.size() != 2 || value[0] == value[1])) Error(128);
    if (value == GetLinePairedSeparator()) return;
    linePaired_ = !value.empty();
    linePairedFirst_ = linePaired_ ? value[0] : '\0';
    linePairedSecond_ = linePaired_ ? value[1] : '\0';
    program_.reset();
}

int TRegex::LastError() {
    int code = lastError_;
    lastError_ = 0;
    return code;
}

void TRegex::Error(int code) const {
    lastError_ = code;
    std::string message = ErrorMsg(code);
    if (code < 1000) message += " (pos " + std::to_string(compilerErrorPos_) + ")";
    throw ERegex(code, compilerErrorPos_, message);
}

const TRegexSyntax& TRegex::Syntax() {
    if (!syntax_) syntax_ = std::make_unique<TRegexSyntax>();
    TRegexSyntax& syntax = *syntax_;
    syntax.Modifiers = modifiers_;
    syntax.SpaceChars = SpaceChars;
    syntax.WordChars = WordChars;
    syntax.LineSeparators = lineSeparators_;
    syntax.Paired = linePaired_;
    syntax.PairFirst = linePairedFirst_;
    syntax.PairSecond = linePairedSecond_;
    syntax.InvertCase = InvertCase;
    return syntax;
}

void TRegex::Compile() {
    if (!expressionSet_) Error(1003);
    CompileNow();
}

void TRegex::CompileIfNeeded() {
    // Case-insensitive classes and the first-character set depend on InvertCase.
    if (!program_ || program_->Modifiers != modifiers_ || program_->InvertCase != InvertCase) CompileNow();
}

void TRegex::CompileNow() {
    program_.reset();
    if (expression_.empty()) {
        compilerErrorPos_ = 1;
        Error(100);
    }
    auto program = std::make_unique<TRegexProgram>();
    try {
        CompileProgram(expression_, Syntax(), *program, compilerErrorPos_);
    } catch (const TRegexFault& fault) {
        Error(fault.Code);
    }
    program_ = std::move(program);
}

bool TRegex::Exec(const std::string& inputString) {
    SetInputString(inputString);
    return ExecPrim(1);
}

bool TRegex::Exec() { return ExecPrim(1); }
bool TRegex::Exec(int offset) { return ExecPrim(offset); }
bool TRegex::ExecPos(int offset) { return ExecPrim(offset); }

bool TRegex::ExecNext() {
    if (GetMatchPos(0) < 0) Error(1007);
    int offset = GetMatchPos(0) + GetMatchLen(0);
    if (GetMatchLen(0) == 0) ++offset;
    return ExecPrim(offset);
}

bool TRegex::ExecPrim(int offset) {
    ClearMatches();
    CompileIfNeeded();
    if (!hasInput_) Error(1005);
    if (offset < 1) Error(1006);
    if (program_->Code.empty() || program_->Code[0] != Magic) Error(1004);
    if (static_cast<size_t>(offset) > input_.size() + 1) return false;
    const TRegexSyntax& syntax = Syntax();
    const char* start = input_.c_str();
    if (!backtrack_) backtrack_ = std::make_unique<TRegexBacktrack>();
    TRegexMatcher matcher(*program_, syntax, *backtrack_, start, start + input_.size(), RecursionLimit, StepLimit);
    bool found;
    try {
        found = matcher.Search(static_cast<size_t>(offset - 1));
    } catch (const TRegexFault& fault) {
        backtrack_.reset();
        Error(fault.Code);
    }
    if (backtrack_->Frames.capacity() > KeptFrames || backtrack_->Marks.capacity() > KeptFrames)
        backtrack_.reset();  // a rare deep run keeps no memory
    if (!found) return false;
    for (int i = 0; i < SubExpressionCount; ++i) {
        if (matcher.StartP[i] == nullptr || matcher.EndP[i] == nullptr) continue;
        startp_[i] = matcher.StartP[i] - start;
        endp_[i] = matcher.EndP[i] - start;
    }
    return true;
}
