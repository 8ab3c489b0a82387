#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/support/SmallSet.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcExceptions.h"
#include "editor/text/SrcMiscProcs.h"

enum TFrameType : uint8_t { ftLine, ftBox, ftShaded };
using TFrameTypes = TSmallSet<TFrameType, uint8_t>;

enum TUnitSystem : uint8_t { usMM, usCM, usInch, muThousandthsOfInches };

enum THeaderFooterType : uint8_t { hftHeader, hftFooter };

enum TSrcPrintStatus : uint8_t { psBegin, psNewPage, psEnd };

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// Handler(Sender, LineNumber, PageNumber) after each printed source line.
using TPrintLineEvent = TEvent<TObject*, int, int>;
// Handler(Sender, Status, PageNumber, Abort); setting Abort stops the job.
using TPrintStatusEvent = TEvent<TObject*, TSrcPrintStatus, int, bool&>;

// A printer that cannot begin, or a failed page.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// One break: the row ends after the 1-based character Index.
struct TWrapPos {
    int Index = 0;
};

// Break positions for Line in rows of at most MaxCol characters, breaking
// after characters of BreakChars. True when the line fits or at least one
// break was found; a row without a break character may stay longer.
bool WrapTextEx(const std::string& Line, const TSrcCharSet& BreakChars, int MaxCol, std::vector<TWrapPos>& AList);

// The Roman numeral of Value; 0 (and below) gives "".
std::string IntToRoman(int Value);

// round(a * b / c), halves away from zero; 0 when c is 0.
int MulDiv(int A, int B, int C);
