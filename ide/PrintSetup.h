#pragma once

class TFooter;
class TSrcEditPrint;

// The main window's print component: 15 mm margins, header and footer
// text indents of 2 mm and an internal margin of 0.5 mm, Arial header and
// footer fonts of height -13 in black, colours on, tab width 8, a white
// page and one copy.
void SetUpSrcEditPrint1(TSrcEditPrint& Print);

// The Print command's footer: date, time, title and page number, eight
// blanks apart, right-aligned on line 1 in the footer's default font.
void SetUpPrintFooter(TFooter& Footer);
