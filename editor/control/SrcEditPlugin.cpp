#include "editor/control/SrcEditPlugin.h"

TSrcEditPlugin::TSrcEditPlugin(TCustomSrcEdit* AOwner) : owner_(AOwner) {}
