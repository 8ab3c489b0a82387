#include "editor/control/SrcEdit.h"

void TCustomSrcEdit::RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData) {
    if (!AHandlerProc || FindHookedCmdEvent(AHandlerProc) >= 0) {
        return;
    }
    hookedCommands_.push_back({AHandlerProc, AHandlerData, nextHookIdentity_++});
}

void TCustomSrcEdit::UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc) {
    if (!AHandlerProc) {
        return;
    }
    int i = FindHookedCmdEvent(AHandlerProc);
    if (i >= 0) {
        hookedCommands_.erase(hookedCommands_.begin() + i);
    }
}

int TCustomSrcEdit::FindHookedCmdEvent(const THookedCommandEvent& AHandlerProc) const {
    for (int i = GetHookedCommandHandlersCount() - 1; i >= 0; --i) {
        if (hookedCommands_[static_cast<size_t>(i)].Event == AHandlerProc) {
            return i;
        }
    }
    return -1;
}

// Every entry registered when the walk starts and still registered when its
// turn comes is called, oldest first.
void TCustomSrcEdit::NotifyHookedCommandHandlers(bool AfterProcessing, TSrcEditorCommand& Command, char& AChar,
                                                 void* Data) {
    std::vector<uint64_t> ids;
    ids.reserve(hookedCommands_.size());
    for (const THookedCommandHandlerEntry& entry : hookedCommands_) {
        ids.push_back(entry.Identity);
    }
    bool handled = false;
    for (uint64_t id : ids) {
        for (const THookedCommandHandlerEntry& entry : hookedCommands_) {
            if (entry.Identity == id) {
                THookedCommandHandlerEntry call = entry;  // the handler may unregister it
                call.Event(this, AfterProcessing, handled, Command, AChar, Data, call.Data);
                break;
            }
        }
    }
    if (handled) {
        Command = ecNone;
    }
}
