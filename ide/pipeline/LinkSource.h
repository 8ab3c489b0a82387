#pragma once
#include <memory>
#include <string>

class CORULinker;

// What linking a source needs: its class and the path to search.
struct TLinkTarget {
    std::string ClassName;  // the file name without its extension
    std::string LinkPath;   // the source's folder, then the class path
};

// The target of the source at `sourcePath` with the ";"-separated class path.
TLinkTarget LinkTargetOf(const std::string& sourcePath, const std::string& classPath);

// Links the target into a new linker; raises the linker's EError. Any thread.
std::unique_ptr<CORULinker> LinkTarget(const TLinkTarget& target);
