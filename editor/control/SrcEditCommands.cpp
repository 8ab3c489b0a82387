#include "editor/control/SrcEdit.h"

void TCustomSrcEdit::SetKeystrokes(const TSrcEditKeyStrokes* Value) {
    if (Value) {
        keystrokes_->Assign(Value);
    } else {
        keystrokes_->Clear();
    }
}

void TCustomSrcEdit::SetDefaultKeystrokes() { keystrokes_->ResetDefaults(); }

void TCustomSrcEdit::AddKey(TSrcEditorCommand Command, uint16_t Key1, TShiftState SS1, uint16_t Key2,
                            TShiftState SS2) {
    TSrcEditKeyStroke* key = keystrokes_->Add();
    key->SetCommand(Command);
    key->SetKey(Key1);
    key->SetShift(SS1);
    key->SetKey2(Key2);
    key->SetShift2(SS2);
}

// A first stroke without a binding of its own is remembered for a
// two-stroke binding; any other key forgets it.
TSrcEditorCommand TCustomSrcEdit::TranslateKeyCode(uint16_t Code, TShiftState Shift, void*&) {
    TSrcEditorCommand command = ecNone;
    int i = keystrokes_->FindKeycode2(lastKey_, lastShiftState_, Code, Shift);
    if (i >= 0) {
        command = keystrokes_->Items(i)->Command();
    } else if ((i = keystrokes_->FindKeycode(Code, Shift)) >= 0) {
        command = keystrokes_->Items(i)->Command();
    }
    if (command == ecNone && Code >= 0x1E && Code <= 0x91) {
        lastKey_ = Code;
        lastShiftState_ = Shift;
    } else {
        lastKey_ = 0;
        lastShiftState_ = {};
    }
    return command;
}

void TCustomSrcEdit::CommandProcessor(TSrcEditorCommand Command, char AChar, void* Data) {
    DoOnProcessCommand(Command, AChar, Data);
    if (Command != ecNone) {
        NotifyHookedCommandHandlers(false, Command, AChar, Data);
        if (Command != ecNone && Command < ecUserFirst) {
            ExecuteCommand(Command, AChar, Data);
        }
        if (Command != ecNone) {
            NotifyHookedCommandHandlers(true, Command, AChar, Data);
        }
    }
    DoOnCommandProcessed(Command, AChar, Data);
}

void TCustomSrcEdit::DoOnProcessCommand(TSrcEditorCommand& Command, char& AChar, void* Data) {
    if (Command >= ecUserFirst) {
        if (OnProcessUserCommand) {
            OnProcessUserCommand(this, Command, AChar, Data);
        }
    } else if (OnProcessCommand) {
        OnProcessCommand(this, Command, AChar, Data);
    }
}

void TCustomSrcEdit::DoOnCommandProcessed(TSrcEditorCommand Command, char AChar, void* Data) {
    if (OnCommandProcessed) {
        OnCommandProcessed(this, Command, AChar, Data);
    }
}
