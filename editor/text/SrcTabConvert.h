#pragma once
#include <string>

// Tab expansion for display. A tab byte (9) spans the cells up to the next
// stop; stops lie at columns 1, TabWidth + 1, 2 x TabWidth + 1, ...
// The expanded text has one byte per display cell; the cells of a tab stay
// tab bytes, except with a tab width below 2, where a tab is one space.

using TConvertTabsProc = std::string (*)(const std::string& Line, int TabWidth);
using TConvertTabsProcEx = std::string (*)(const std::string& Line, int TabWidth, bool& HasTabs);

// Display width of Line with tabs expanded.
int GetExpandedLength(const std::string& Line, int TabWidth);

// The general converters (any tab width; a width below 1 counts as 1).
std::string ConvertTabs(const std::string& Line, int TabWidth);
std::string ConvertTabsEx(const std::string& Line, int TabWidth, bool& HasTabs);

// The converter best suited to the width: one space per tab below 2, a bit
// mask for powers of two up to 65536, else the general one. All give the
// same cell counts.
TConvertTabsProc GetBestConvertTabsProc(int TabWidth);
TConvertTabsProcEx GetBestConvertTabsProcEx(int TabWidth);

// Display column (1-based) of the character at Index (1-based).
int CharIndex2CaretPos(int Index, int TabWidth, const std::string& Line);
// Character index at display column Position; InsideTabChar tells whether
// the column lies inside a tab's span after its first cell.
int CaretPos2CharIndex(int Position, int TabWidth, const std::string& Line, bool& InsideTabChar);
