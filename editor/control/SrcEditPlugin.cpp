#include "editor/control/SrcEditPlugin.h"

#include "editor/control/SrcEdit.h"

TSrcEditPlugin::TSrcEditPlugin(TCustomSrcEdit* AOwner) : owner_(AOwner) {
    if (owner_) {
        owner_->InstallPlugin(this);
    }
}

TSrcEditPlugin::~TSrcEditPlugin() {
    if (owner_) {
        owner_->RemovePlugin(this);
    }
}
