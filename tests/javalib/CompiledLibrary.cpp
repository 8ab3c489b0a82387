#include "tests/javalib/CompiledLibrary.h"

#include <filesystem>

#include "tests/support/JavaCompile.h"

TClassMap ReadClassTree(const std::string& dir) {
    TClassMap classes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.path().extension() != ".class") continue;
        std::string relative = std::filesystem::relative(entry.path(), dir).replace_extension().generic_string();
        classes.emplace(relative, ReadClassFile(entry.path().string(), relative));
    }
    return classes;
}

const TClassMap& CompiledLibrary() {
    static const TClassMap library = ReadClassTree(ClassLibraryDir());
    return library;
}
