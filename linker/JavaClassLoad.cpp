#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ClassFileParser.h"
#include "linker/ClassFileSearch.h"
#include "linker/JavaClass.h"

void CJavaClass::Load() {
    if (Loaded) Unload();
    const bool trace = JobOptions().debugClassLoader;
    if (trace) DebugPrintf("ClassLoader: Loading class file `%s'\n", Name.c_str());
    std::string lastTried;
    std::string bytes;
    bool found = false;
    for (const std::string& path : ClassFileCandidates(Name, ClassPath)) {
        if (trace) DebugPrintf("ClassLoader: Trying file `%s'\n", path.c_str());
        lastTried = path;
        if (ReadWholeFile(path, bytes)) {
            found = true;
            break;
        }
    }
    if (!found) throw EError(ecJVM, 17, Name.c_str(), lastTried.c_str());
    ClassFilePath = lastTried;
    SourceName.clear();
    SourceNameMade = false;
    try {
        ParseClassFile(*this, bytes);
        CheckClassCode(*this);
    } catch (...) {
        Unload();
        throw;
    }
    Loaded = true;
}
