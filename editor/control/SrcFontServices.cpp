#include "editor/control/SrcFontServices.h"

#include "editor/support/SrcExceptions.h"

namespace {
TSrcFontServices* installed = nullptr;
}

void SetSrcFontServices(TSrcFontServices* Services) { installed = Services; }

TSrcFontServices& SrcFontServices() {
    if (!installed) {
        throw ESrcEditError("No font services installed");
    }
    return *installed;
}
