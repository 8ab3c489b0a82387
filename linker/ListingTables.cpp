#include <string>

#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "linker/OruInstructionSet.h"

void CORULinker::WriteNativeTableListing() {
    if (!ListingFile) return;
    ListingPrintf(";\n; Native method dispatch table.\n;\n");
    for (int row = 0; !IsNativeEndRow(NativeTable[row]); ++row) {
        std::string className = NativeTable[row].ClassName;
        for (char& c : className)
            if (c == '/') c = '_';
        ListingPrintf("\tjmp\tnm_%s_%s\t; %d\n", className.c_str(), NativeTable[row].MethodName, row);
    }
}

void CORULinker::WriteOpcodeListing() {
    if (!ListingFile) return;
    bool jvm2 = JobOptions().debugJVM2;
    ListingPrintf("; Oru opcodes.\n");
    for (int code = 0; code < OruCodeCount; ++code)
        ListingPrintf("\tj_%s\t=\t%d\n", JvmOpcodeName(OruOpcodeList[code]),
                      jvm2 ? code : EncodeOruCode(code));
    ListingPrintf("; Oru dispatch table.\n");
    for (int code = 0; code < OruCodeCount; ++code) {
        const char* name = JvmOpcodeName(OruOpcodeList[code]);
        if (jvm2) {
            ListingPrintf("\tpage\tl_j_%s\n\tjmp\tl_j_%s\t; $%02X\n", name, name, code);
        } else if (code < OruFirstWideCode) {
            ListingPrintf("\tjmp\tl_j_%s\t; $%02X\n", name, EncodeOruCode(code));
        } else {
            if (code == OruFirstWideCode) ListingPrintf("\tnop\n");
            ListingPrintf("\tjmp\t@_l_j_%s\t; $%02X\n", name, EncodeOruCode(code));
        }
    }
}
