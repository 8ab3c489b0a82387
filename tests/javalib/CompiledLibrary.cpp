#include "tests/javalib/CompiledLibrary.h"

#include <filesystem>

#include "tests/support/JavaCompile.h"

TClassMap ReadClassTree(const std::string& dir) {
    TClassMap classes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.path().extension() != ".class") continue;
        std::string relative = std::filesystem::relative(entry.path(), dir).replace_extension().generic_string();
        TClassFile cls = ReadClassFile(entry.path().string());
        if (cls.Name != relative) throw TClassFileError(relative + " declares " + cls.Name);
        classes.emplace(relative, std::move(cls));
    }
    return classes;
}

const TClassMap& CompiledLibrary() {
    static const TClassMap library = ReadClassTree(ClassLibraryDir());
    return library;
}
