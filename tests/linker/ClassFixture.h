#pragma once
#include <map>
#include <memory>
#include <string>

#include "foundation/EError.h"
#include "linker/ClassFinder.h"
#include "linker/JavaClass.h"

// The classes of tests/linker/java (and a few generated ones), compiled by
// ecj once per run into a private folder.
const std::string& TestClassDir();

// A loaded test class; throws what Load throws.
std::unique_ptr<CJavaClass> LoadTestClass(const std::string& name);

// Bytes of a compiled test class.
std::string TestClassBytes(const std::string& name);

// Loads classes from a class path on demand, as the linker does for Layout.
class CTestClassFinder : public IClassFinder {
public:
    explicit CTestClassFinder(std::string classPath) : classPath_(std::move(classPath)) {}
    CJavaClass* FindClass(const std::string& name) override;
    CJavaClass* Add(std::unique_ptr<CJavaClass> c);
    std::map<std::string, std::unique_ptr<CJavaClass>> classes;

private:
    std::string classPath_;
};

// Method index by name (and descriptor, when given); -1 when missing.
int MethodIndex(const CJavaClass& c, const char* name, const char* descriptor = nullptr);

// Message of the EError that `action` throws; "no error" when it returns.
template <typename F>
std::string ErrorMessageOf(F&& action) {
    try {
        action();
    } catch (const EError& e) {
        return e.Message;
    }
    return "no error";
}
