// Code templates: the template list and File | Insert Template. Both insert
// through the control's undoable insertion, as one undo step; a read-only
// page takes neither.
#include <QListWidget>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"
#include "ide/pipeline/CodeTemplates.h"

namespace {
constexpr int ListLeft = 72;
constexpr int ListTop = 128;
constexpr int ListWidth = 177;
constexpr int ListHeight = 69;
constexpr int ListItemHeight = 13;
constexpr int ListFontPixels = 11;

// Inserts text at `at` (the selection is dropped) as one undoable step that
// grouped undo does not join with the edits around it.
void InsertUndoable(CZARNSource& page, const TBufferCoord& at, const std::string& text)
{
    page.SetCaretXY(at);
    page.SetBlockBegin(at);
    page.SetBlockEnd(at);
    page.UndoList().AddGroupBreak();
    page.SetSelText(text);
    page.UndoList().AddGroupBreak();
}
}  // namespace

void TEditorForm::BuildTemplateList()
{
    TemplateList->setGeometry(ListLeft, ListTop, ListWidth, ListHeight);
    QFont font("MS Sans Serif");
    font.setPixelSize(ListFontPixels);
    TemplateList->setFont(font);
    TemplateList->setUniformItemSizes(true);
    TemplateList->setStyleSheet(QString("QListWidget::item { height: %1px; }").arg(ListItemHeight));
    for (const TCodeTemplate& entry : CodeTemplates())
        TemplateList->addItem(QString::fromUtf8(entry.Name.data(), static_cast<qsizetype>(entry.Name.size())));
    // Wide enough for the longest name beside the scroll bar.
    const int needed = TemplateList->sizeHintForColumn(0) + 2 * TemplateList->frameWidth() +
                       TemplateList->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    TemplateList->resize(std::max(ListWidth, needed), ListHeight);
    TemplateList->hide();
    connect(TemplateList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectTemplate(TemplateList->row(item)); });
    // Enter and a double-click pick as a click does. Where a style activates
    // on a single click, the click has already hidden the list.
    connect(TemplateList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (TemplateList->isVisible()) SelectTemplate(TemplateList->row(item));
    });
    new QShortcut(QKeySequence(Qt::Key_Escape), TemplateList, this, [this] { HideTemplateList(); },
                  Qt::WidgetShortcut);
}

void TEditorForm::ShowCodeTemplatesExecute()
{
    if (!currentEditor_) return;
    TemplateList->show();
    TemplateList->raise();
    TemplateList->setFocus();
}

// Typing goes on in the page when the list had the keyboard.
void TEditorForm::HideTemplateList()
{
    const bool hadFocus = TemplateList->hasFocus();
    TemplateList->hide();
    if (hadFocus && currentEditor_) currentEditor_->setFocus();
}

// The template goes in front of the caret's line, each line indented to the
// caret's column; the caret stays on its line, which moves down.
void TEditorForm::SelectTemplate(int index)
{
    HideTemplateList();
    CZARNSource* page = EditablePage();
    if (!page || index < 0 || index >= CodeTemplateCount) return;
    TBufferCoord caret = page->CaretXY();
    caret.Char = std::max(caret.Char, 1);
    const std::string indent(static_cast<size_t>(caret.Char - 1), ' ');
    std::string text;
    const auto& lines = CodeTemplates()[static_cast<size_t>(index)].Lines;
    for (std::string_view line : lines) text += indent + std::string(line) + "\r\n";
    InsertUndoable(*page, TBufferCoord{1, caret.Line}, text);
    caret.Line += static_cast<int>(lines.size());
    page->SetCaretXY(caret);
    page->SetModified(true);
}

void TEditorForm::InsertTemplateExecute()
{
    CZARNSource* page = EditablePage();
    if (!page) return;
    const TBufferCoord caret = page->CaretXY();
    const int last = page->Lines().Count();
    std::string text;
    const auto& skeleton = NewClassSkeleton();
    for (size_t i = 0; i < skeleton.size(); ++i) {
        if (last > 0 || i > 0) text += "\r\n";
        text += skeleton[i];
    }
    const int lastLength = last > 0 ? static_cast<int>(page->Lines().Get(last - 1).size()) : 0;
    InsertUndoable(*page, TBufferCoord{lastLength + 1, std::max(last, 1)}, text);
    page->SetCaretXY(caret);
    page->SetModified(true);
}
