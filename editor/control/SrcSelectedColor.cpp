#include "editor/control/SrcSelectedColor.h"

void TSrcSelectedColor::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcSelectedColor*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    background_ = source->background_;
    foreground_ = source->foreground_;
    Changed();
}
