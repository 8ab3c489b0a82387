#include "ide/pipeline/LinkSource.h"

#include <filesystem>

#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

TLinkTarget LinkTargetOf(const std::string& sourcePath, const std::string& classPath)
{
    const std::filesystem::path path(sourcePath);
    return {path.stem().string(), path.parent_path().string() + "/;" + classPath};
}

std::unique_ptr<CORULinker> LinkTarget(const TLinkTarget& target)
{
    auto linker = std::make_unique<CORULinker>();
    if (JobOptions().debugLinker)
        DebugPrintf("Linking file: %s with path %s", target.ClassName.c_str(), target.LinkPath.c_str());
    linker->Link(target.ClassName.c_str(), target.LinkPath.c_str());
    return linker;
}
