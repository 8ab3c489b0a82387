#include "editor/SrcEditPlugin.h"

#include "editor/SrcEdit.h"

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
