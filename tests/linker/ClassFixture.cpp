#include "tests/linker/ClassFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

std::string Repeat(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

// Methods that need more than 255 locals or more than 32 KB of code.
std::string GeneratedSource() {
    std::string locals;
    for (int i = 0; i < 300; ++i)
        locals += "        int v" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    const std::string body = Repeat("            a += 1000;\n", 6000);
    std::string strings;
    for (int i = 0; i < 300; ++i) strings += "        s = \"c" + std::to_string(i) + "\";\n";
    return "public class Generated {\n"
           "    String manyStrings() {\n        String s;\n" + strings + "        return s;\n    }\n"
           "    int manyLocals() {\n" + locals +
           "        v299 += 1000;\n        return v299;\n    }\n"
           "    int far(int a) {\n        while (a < 10) {\n" + body + "        }\n        return a;\n    }\n"
           "    int farFinally(int a) {\n        try {\n            if (a > 0) {\n                return 1;\n"
           "            }\n" + body + "        } finally {\n            a = 1;\n        }\n        return a;\n    }\n"
           "}\n";
}

std::string CompileAll() {
    static TempDir dir("corvane-classes");
    std::vector<std::string> sources;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(SourceDir() + "/tests/linker/java"))
        if (entry.path().extension() == ".java") sources.push_back(entry.path().string());
    sources.push_back(WriteSource(dir.Path() + "/src", "Generated.java", GeneratedSource()));
    JavaCompileResult result = CompileJava(sources, dir.Path() + "/classes");
    if (!result.Ok()) ADD_FAILURE() << "ecj failed: " << result.output;
    return dir.Path() + "/classes";
}

}  // namespace

const std::string& TestClassDir() {
    static const std::string dir = CompileAll();
    return dir;
}

std::unique_ptr<CJavaClass> LoadTestClass(const std::string& name) {
    auto c = std::make_unique<CJavaClass>(name, TestClassDir());
    c->Load();
    return c;
}

std::string TestClassBytes(const std::string& name) {
    return TempDir::ReadFile(TestClassDir() + "/" + name + ".class");
}

CJavaClass* CTestClassFinder::FindClass(const std::string& name) {
    auto found = classes.find(name);
    if (found != classes.end()) return found->second.get();
    auto c = std::make_unique<CJavaClass>(name, classPath_);
    c->Load();
    return Add(std::move(c));
}

CJavaClass* CTestClassFinder::Add(std::unique_ptr<CJavaClass> c) {
    CJavaClass* raw = c.get();
    classes[c->Name] = std::move(c);
    return raw;
}

int MethodIndex(const CJavaClass& c, const char* name, const char* descriptor) {
    for (int m = 0; m < c.GetMethodCount(); ++m)
        if (std::strcmp(c.GetMethodName(m), name) == 0 &&
            (!descriptor || std::strcmp(c.GetMethodDescriptor(m), descriptor) == 0))
            return m;
    return -1;
}
