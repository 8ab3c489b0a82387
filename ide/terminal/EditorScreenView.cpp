#include "ide/terminal/EditorScreenView.h"

#include "editor/qt/SrcEditWidget.h"

int TEditorScreenView::ViewLineCount() const { return view_.Lines().GetCount(); }

void TEditorScreenView::ClearView() { view_.Lines().Clear(); }

void TEditorScreenView::AppendViewLine(const std::string& text) { view_.Lines().Add(text); }

void TEditorScreenView::ReplaceViewLine(int index, const std::string& text) { view_.Lines().Put(index, text); }

void TEditorScreenView::DeleteFirstViewLine() { view_.Lines().Delete(0); }
