#include "editor/control/SrcEdit.h"

#include <algorithm>

void TCustomSrcEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
    }
    kbdHandler_->ExecuteKeyDown(this, Key, Shift);
    void* data = nullptr;
    TSrcEditorCommand command = TranslateKeyCode(Key, Shift, data);
    if (command != ecNone) {
        Key = 0;
        stateFlags_.Include(sfIgnoreNextChar);
        CommandProcessor(command, '\0', data);
    } else {
        stateFlags_.Exclude(sfIgnoreNextChar);
    }
}

void TCustomSrcEdit::KeyPress(char& Key) {
    if (imeCount_ > 0) {
        --imeCount_;
        return;
    }
    if (stateFlags_.Contains(sfIgnoreNextChar)) {
        stateFlags_.Exclude(sfIgnoreNextChar);
        return;
    }
    if (OnKeyPress) {
        OnKeyPress(this, Key);
    }
    kbdHandler_->ExecuteKeyPress(this, Key);
    CommandProcessor(ecChar, Key, nullptr);
}

void TCustomSrcEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (OnKeyUp) {
        OnKeyUp(this, Key, Shift);
    }
    kbdHandler_->ExecuteKeyUp(this, Key, Shift);
}

void TCustomSrcEdit::ImeResult(const std::string& Text, int RepeatedChars) {
    imeCount_ = std::max(RepeatedChars, 0);
    std::string text = Text;  // the handlers get a buffer of their own
    CommandProcessor(ecImeStr, '\0', text.data());
}

void TCustomSrcEdit::AddFocusControl(const void* AControl) { focusControls_.push_back(AControl); }

void TCustomSrcEdit::RemoveFocusControl(const void* AControl) {
    auto at = std::find(focusControls_.begin(), focusControls_.end(), AControl);
    if (at != focusControls_.end()) {
        focusControls_.erase(at);
    }
}

bool TCustomSrcEdit::IsFocusControl(const void* AControl) const {
    return std::find(focusControls_.begin(), focusControls_.end(), AControl) != focusControls_.end();
}
