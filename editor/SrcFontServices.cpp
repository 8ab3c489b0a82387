#include "editor/SrcFontServices.h"

#include "editor/SrcExceptions.h"

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
