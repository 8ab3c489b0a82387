#include "benchmarks/oruvm/LinkedProgram.h"

#include <unistd.h>

#include <climits>
#include <cstdio>

#include "foundation/EError.h"
#include "linker/ORULinker.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

std::vector<uint8_t> LinkedImage(const std::string& source, const char* name) {
    static TempDir dir("corvane-bench-oruvm");
    JavaCompileResult compiled = CompileJava({source}, dir.Path(), ClassLibraryDir());
    if (!compiled.Ok()) {
        std::fprintf(stderr, "ecj failed:\n%s\n", compiled.output.c_str());
        return {};
    }
    char previous[PATH_MAX];
    if (!getcwd(previous, sizeof previous) || chdir(dir.Path().c_str()) != 0) return {};
    std::vector<uint8_t> image;
    try {
        CORULinker linker;
        linker.Link(name, (dir.Path() + ";" + ClassLibraryDir()).c_str());
        image.assign(linker.GetImage(), linker.GetImage() + linker.GetImageSize());
    } catch (const EError& e) {
        std::fprintf(stderr, "%s", e.Message.c_str());
    }
    if (chdir(previous) != 0) return {};
    return image;
}
