#pragma once
// Settings the printing tests and benchmarks share: the six margins at
// 15 mm, and Courier New 10 in black with the Java highlighter's comments
// gray and strings maroon.
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/support/StringList.h"

#include <string>
#include <vector>

inline void SetMarginsTo15(TSrcEditPrintMargins& margins) {
    for (auto set : {&TSrcEditPrintMargins::SetLeft, &TSrcEditPrintMargins::SetRight, &TSrcEditPrintMargins::SetTop,
                     &TSrcEditPrintMargins::SetBottom, &TSrcEditPrintMargins::SetHeader,
                     &TSrcEditPrintMargins::SetFooter}) {
        (margins.*set)(15);
    }
}

inline void UseCourierAndJava(TSrcEditPrint& print, TSrcJavaSrc& java) {
    TFont font;
    font.SetName("Courier New");
    font.SetSize(10);
    font.SetColor(clBlack);
    print.SetFont(font);
    java.CommentAttri->SetForeground(clGray);
    java.StringAttri->SetForeground(clMaroon);
    print.SetHighlighter(&java);
}

inline TStringList StringListOf(const std::vector<std::string>& lines) {
    TStringList list;
    for (const auto& line : lines) list.Add(line);
    return list;
}
