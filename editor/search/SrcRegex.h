#pragma once
// TRegex: a backtracking regular-expression engine over single-byte
// (Windows-1252) text. The expression compiles into a byte program of nodes
// (see SrcRegexProgram.h) that the matcher walks with backtracking.
//
// Choices where the syntax leaves room:
// - Inside a class, "\t \n \r \f \a \e" are control characters, "\xNN" and
//   "\x{N...}" hex codes, "\d \s \w" add digits, SpaceChars or WordChars and
//   "\D \S \W" their complements; any other escaped character stands for
//   itself ("\b" is "b", "\]" is "]").
// - "\x" takes one or two hex digits ("\x9" is tab); "\x{...}" takes any
//   number of them (above 255: 112, a bad digit: 108, none: 111).
// - The NUL character is never part of an expression: a literal NUL or
//   "\x00" raises 130. Negated classes do not match a NUL in the input.
// - A class that ends up with no member raises 129 instead of aborting.
// - "\1" to "\9" may name a group that is not (yet) closed; the reference
//   then fails to match. A repeat of a back-reference raises 106, since the
//   group may be empty.
// - "{" starts a repeat only in the forms "{n}", "{n,}" and "{n,m}";
//   otherwise it is a literal character.
// - In a Substitute template "$n" takes exactly one digit ("$12" is group 1
//   followed by "2"); use "${12}" for groups 10 to 14.
// - CompilerErrorPos is 1-based: the position of the character at which
//   compilation stopped (length + 1 when it stopped at the end).
// - A change of InvertCase, like a change of modifiers, makes the next run
//   recompile, so that classes and the first-character set follow it.
// - Matching is bounded: RecursionLimit points to go back to (1016), kept
//   on the heap, and StepLimit matcher steps per run (1017), both settable.
//   A repeat keeps a point only where what follows may also match what it
//   consumed, so ordinary patterns stay far below both on any line; a run
//   of "(ab)*" keeps one point per round. The limits stop patterns that
//   backtrack without end, such as "(a+)+b" or "a*a*a*b" on "aaa...c".
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/support/SrcExceptions.h"

class TRegex;

// The engine's error; ErrorCode is the code that TRegex::ErrorMsg describes.
class ERegex : public Exception {
public:
    ERegex(int code, int compilerErrorPos, const std::string& message)
        : Exception(message), ErrorCode(code), CompilerErrorPos(compilerErrorPos) {}
    int ErrorCode;
    int CompilerErrorPos;
};

using TRegexInvertCaseFunction = unsigned char (*)(unsigned char);
using TRegexReplaceFunction = std::function<std::string(TRegex&)>;

// Module defaults, copied by the constructor.
extern bool RegexModifierI;
extern bool RegexModifierR;
extern bool RegexModifierS;
extern bool RegexModifierG;
extern bool RegexModifierM;
extern bool RegexModifierX;  // not copied: an instance starts with x off
extern std::string RegexSpaceChars;
extern std::string RegexWordChars;
extern std::string RegexLineSeparators;
extern std::string RegexLinePairedSeparator;
extern TRegexInvertCaseFunction RegexInvertCaseFunction;

struct TRegexProgram;
struct TRegexSyntax;
struct TRegexBacktrack;

class TRegex {
public:
    static constexpr int VersionMajor = 0;
    static constexpr int VersionMinor = 952;
    static constexpr int SubExpressionCount = 15;  // group 0 and groups 1..14
    static constexpr int DefaultRecursionLimit = 4000000;
    static constexpr int64_t DefaultStepLimit = 50000000;

    TRegex();
    ~TRegex();
    TRegex(const TRegex&) = delete;
    TRegex& operator=(const TRegex&) = delete;

    static unsigned char InvertCaseFunction(unsigned char c);

    std::string GetExpression() const { return expression_; }
    void SetExpression(const std::string& value);

    bool GetModifier(int index) const;
    void SetModifier(int index, bool value);
    std::string GetModifierStr() const;
    void SetModifierStr(const std::string& value);

    std::string GetInputString() const;
    void SetInputString(const std::string& value);

    std::string GetMatch(int n) const;
    int GetMatchPos(int n) const;
    int GetMatchLen(int n) const;
    int GetSubExprMatchCount() const;

    std::string SpaceChars;
    std::string WordChars;
    TRegexInvertCaseFunction InvertCase;
    std::string GetLineSeparators() const { return lineSeparators_; }
    void SetLineSeparators(const std::string& value);
    std::string GetLinePairedSeparator() const;
    void SetLinePairedSeparator(const std::string& value);

    int LastError();
    int GetCompilerErrorPos() const { return compilerErrorPos_; }
    static std::string ErrorMsg(int code);

    int RecursionLimit = DefaultRecursionLimit;
    int64_t StepLimit = DefaultStepLimit;

    void Compile();
    bool Exec(const std::string& inputString);
    bool Exec();
    bool Exec(int offset);
    bool ExecPos(int offset = 1);
    bool ExecNext();

    std::string Substitute(const std::string& aTemplate);
    void Split(const std::string& inputStr, std::vector<std::string>& pieces);
    std::string Replace(const std::string& inputStr, const std::string& replaceStr,
                        bool useSubstitution = false);
    std::string Replace(const std::string& inputStr, const TRegexReplaceFunction& replaceFunc);
    std::string ReplaceEx(const std::string& inputStr, const TRegexReplaceFunction& replaceFunc);

    std::string Dump();

private:
    [[noreturn]] void Error(int code) const;
    const TRegexSyntax& Syntax();
    void CompileIfNeeded();
    void CompileNow();
    bool ExecPrim(int offset);
    void ClearMatches();
    template <class Append>
    void ForEachMatch(const std::string& inputStr, Append&& append);

    std::string expression_;
    bool expressionSet_ = false;
    uint32_t modifiers_ = 0;
    std::string lineSeparators_;
    bool linePaired_ = false;
    char linePairedFirst_ = 0;
    char linePairedSecond_ = 0;

    std::unique_ptr<TRegexProgram> program_;
    std::unique_ptr<TRegexSyntax> syntax_;  // reused from run to run
    std::unique_ptr<TRegexBacktrack> backtrack_;
    std::string input_;
    bool hasInput_ = false;
    long startp_[SubExpressionCount];
    long endp_[SubExpressionCount];

    mutable int lastError_ = 0;
    int compilerErrorPos_ = 0;
};

// One parenthesised sub-expression: its text, 1-based position and length.
struct TRegexSubExpression {
    std::string Text;
    int Pos;
    int Length;
};

bool ExecRegex(const std::string& aRegex, const std::string& aInputStr);
void SplitRegex(const std::string& aRegex, const std::string& aInputStr, std::vector<std::string>& aPieces);
std::string ReplaceRegex(const std::string& aRegex, const std::string& aInputStr, const std::string& aReplaceStr,
                         bool aUseSubstitution = false);
std::string QuoteRegexMetaChars(const std::string& aStr);
// Lists the whole expression (item 0) and each parenthesised group in the
// order of its "(" (comments and modifier groups excluded). Answers 0 when
// the brackets balance, -1 when a "(" is not closed, -2 when a "[" is not
// closed, or the 1-based position of a ")" without its "(".
int RegexSubExpressions(const std::string& aRegex, std::vector<TRegexSubExpression>& aSubExprs,
                        bool aExtendedSyntax = false);
