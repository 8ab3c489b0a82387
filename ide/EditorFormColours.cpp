// The editor colours and styles of the settings on the Java highlighter.
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "ide/EditorForm.h"
#include "ide/SettingsBridge.h"
#include "ide/ZARNSource.h"

namespace {
TFontStyles StyleOf(bool italic)
{
    return italic ? TFontStyles{fsItalic} : TFontStyles{};
}
}  // namespace

void TEditorForm::ApplyEditorColours()
{
    const TEditorColourSetting setting = EditorColourSetting();
    TSrcJavaSrc& java = *javaHighlighter_;
    java.NumberAttri->SetForeground(static_cast<TColor>(setting.NumberColor));
    java.StringAttri->SetForeground(static_cast<TColor>(setting.StringColor));
    java.DocumentAttri->SetForeground(static_cast<TColor>(setting.JavaDocColor));
    java.DocumentAttri->SetStyle(StyleOf(setting.JavaDocItalic));
    java.CommentAttri->SetForeground(static_cast<TColor>(setting.CommentColor));
    java.CommentAttri->SetStyle(StyleOf(setting.CommentItalic));
    for (int i = 0; i < PageCount(); ++i) SourceAt(i)->Invalidate();
}
