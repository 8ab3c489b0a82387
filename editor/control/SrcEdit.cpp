#include "editor/control/SrcEdit.h"

#include "editor/control/SrcEditPlugin.h"
#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcFontServices.h"
#include "editor/control/SrcWindowServices.h"
#include "editor/support/SrcInternalImage.h"

TCustomSrcEdit::TCustomSrcEdit(TComponent* AOwner) : TComponent(AOwner) {
    ownLines_ = std::make_unique<TSrcEditStringList>();
    lines_ = ownLines_.get();
    lines_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::LinesChanged>(this);
    lines_->OnChanging = TNotifyEvent::Of<&TCustomSrcEdit::LinesChanging>(this);
    lines_->OnCleared = TNotifyEvent::Of<&TCustomSrcEdit::ListCleared>(this);
    lines_->OnDeleted = TStringListChangeEvent::Of<&TCustomSrcEdit::ListDeleted>(this);
    lines_->OnInserted = TStringListChangeEvent::Of<&TCustomSrcEdit::ListInserted>(this);
    lines_->OnPutted = TStringListChangeEvent::Of<&TCustomSrcEdit::ListPutted>(this);

    ownUndoList_ = std::make_unique<TSrcEditUndoList>();
    undoList_ = ownUndoList_.get();
    undoList_->OnAddedUndo = TNotifyEvent::Of<&TCustomSrcEdit::UndoRedoAdded>(this);
    ownRedoList_ = std::make_unique<TSrcEditUndoList>();
    redoList_ = ownRedoList_.get();
    redoList_->OnAddedUndo = TNotifyEvent::Of<&TCustomSrcEdit::UndoRedoAdded>(this);
    selectedColor_ = std::make_unique<TSrcSelectedColor>();
    selectedColor_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::SelectedColorChanged>(this);
    bookMarkOptions_ = std::make_unique<TSrcBookMarkOpt>(this);
    bookMarkOptions_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::BookMarkOptionsChanged>(this);
    gutter_ = std::make_unique<TSrcGutter>();
    gutter_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::GutterChanged>(this);
    gutterWidth_ = gutter_->Width();
    wordWrapGlyph_ = std::make_unique<TSrcGlyph>("SrcEditWrapped", clLime);
    wordWrapGlyph_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::WordWrapGlyphChange>(this);
    textOffset_ = gutterWidth_ + 2;

    fontDummy_.SetName("Courier New");
    fontDummy_.SetSize(10);
    fontDummy_.SetCharset(DEFAULT_CHARSET);
    textDrawer_ = SrcFontServices().CreateTextDrawer(TFontStyles{fsBold}, fontDummy_);
    font_.Assign(&fontDummy_);
    font_.OnChange = TNotifyEvent::Of<&TCustomSrcEdit::SrcFontChanged>(this);

    kbdHandler_ = std::make_unique<TSrcEditKbdHandler>();
    keystrokes_ = std::make_unique<TSrcEditKeyStrokes>(this);
    SetDefaultKeystrokes();
    marks_ = std::make_unique<TSrcEditMarkList>(this);
    marks_->OnChange = TNotifyEvent::Of<&TCustomSrcEdit::MarkListChange>(this);

    blockBegin_ = BufferCoord(1, 1);
    blockEnd_ = blockBegin_;
    options_ = TSrcEditorOptions::FromBits(SRCEDIT_DEFAULT_OPTIONS);
    lines_->SetTabWidth(tabWidth_);
    SrcFontChanged(nullptr);
}

TCustomSrcEdit::~TCustomSrcEdit() {
    destroying_ = true;
    Destroying();  // sharers of the buffer leave while it is whole
    UnHookTextBuffer();
    SetHighlighter(nullptr);
    plugins_.clear();
    for (TSrcEditMark*& bookmark : bookmarks_) {
        bookmark = nullptr;  // the mark list frees them
    }
    if (ownLines_) {
        lines_ = ownLines_.get();
        lines_->OnChange = nullptr;
        lines_->OnChanging = nullptr;
        lines_->OnCleared = nullptr;
        lines_->OnDeleted = nullptr;
        lines_->OnInserted = nullptr;
        lines_->OnPutted = nullptr;
    }
    font_.OnChange = nullptr;
}

void TCustomSrcEdit::SetWindowServices(TSrcWindowServices* Value) {
    if (Value == window_) {
        return;
    }
    window_ = Value;
    if (window_) {
        window_->SetBorderStyle(borderStyle_);
        SizeOrFontChanged(true);
        UpdateScrollBars();
    }
}

TRect TCustomSrcEdit::ClientRect() const { return window_ ? window_->ClientRect() : TRect{}; }

void TCustomSrcEdit::Loaded() {
    TComponent::Loaded();
    GutterChanged(nullptr);
    UpdateScrollBars();
}

void TCustomSrcEdit::SetLines(const TStrings& Value) { lines_->Assign(&Value); }

std::string TCustomSrcEdit::Text() const { return lines_->Text(); }

void TCustomSrcEdit::SetText(const std::string& Value) { lines_->Text(Value); }

std::string TCustomSrcEdit::LineText() const {
    if (caretY_ >= 1 && caretY_ <= lines_->Count()) {
        return lines_->Get(caretY_ - 1);
    }
    return std::string();
}

void TCustomSrcEdit::SetLineText(const std::string& Value) {
    if (caretY_ >= 1 && caretY_ <= std::max(1, lines_->Count())) {
        lines_->Put(caretY_ - 1, Value);
    }
}

void TCustomSrcEdit::UndoRedoAdded(TObject* Sender) {
    auto* list = static_cast<TSrcEditUndoList*>(Sender);
    UpdateModifiedStatus();
    if (list == undoList_ && !list->InsideRedo) {
        TSrcEditUndoItem* item = list->PeekItem();
        if (item && item->ChangeReason != crGroupBreak) {
            redoList_->Clear();
        }
    }
    if (list == undoList_ && !trimmedBlanks_.empty()) {
        RecordTrimmedBlanks(true);
    }
    if (list->BlockCount() == 0) {
        DoChange();
    }
}

void TCustomSrcEdit::SelectedColorChanged(TObject*) { InvalidateSelection(); }

void TCustomSrcEdit::BookMarkOptionsChanged(TObject*) { InvalidateGutter(); }

void TCustomSrcEdit::WordWrapGlyphChange(TObject*) { InvalidateGutter(); }

void TCustomSrcEdit::MarkListChange(TObject*) {
    for (TSrcEditMark*& bookmark : bookmarks_) {
        if (bookmark && marks_->IndexOf(bookmark) < 0) {
            bookmark = nullptr;  // removed from the list by someone else
        }
    }
    InvalidateGutter();
}
