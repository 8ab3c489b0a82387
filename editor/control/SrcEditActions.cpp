#include "editor/control/SrcEdit.h"

bool TCustomSrcEdit::ExecuteAction(TSrcEditAction Action) {
    switch (Action) {
    case eaCut: CutToClipboard(); break;
    case eaCopy: CopyToClipboard(); break;
    case eaPaste: PasteFromClipboard(); break;
    case eaDelete: ClearSelection(); break;
    case eaUndo: Undo(); break;
    case eaSelectAll: SelectAll(); break;
    }
    return true;
}

bool TCustomSrcEdit::UpdateAction(TSrcEditAction Action, bool& Enabled) const {
    if (!window_ || !window_->Focused()) {
        return false;
    }
    switch (Action) {
    case eaCut:
    case eaCopy: Enabled = SelAvail(); break;
    case eaPaste: Enabled = CanPaste(); break;
    case eaUndo: Enabled = CanUndo(); break;
    case eaDelete:
    case eaSelectAll: Enabled = true; break;
    }
    return true;
}
