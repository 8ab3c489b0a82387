// The C++ table of native signatures against the Java declarations.
#include <gtest/gtest.h>

#include <set>

#include "linker/NativeSignatures.h"
#include "tests/javalib/CompiledLibrary.h"

TEST(NativeSignatures, AgreeWithTheJavaDeclarations) {
    std::set<std::pair<std::string, std::string>> declared;
    for (const auto& [name, cls] : CompiledLibrary()) {
        for (int m = 0; m < cls->GetMethodCount(); ++m) {
            if (!cls->IsMethodNative(m)) continue;
            const std::string method = cls->GetMethodName(m);
            declared.insert({name, method});
            const TNativeSignature* signature = FindNativeSignature(name.c_str(), method.c_str());
            ASSERT_NE(signature, nullptr) << name << "." << method;
            EXPECT_EQ(NativeDescriptor(*signature), cls->GetMethodDescriptor(m)) << name << "." << method;
            EXPECT_TRUE(cls->IsMethodStatic(m)) << name << "." << method;
        }
    }
    for (int32_t i = 0; i < NativeSignatureCount; ++i) {
        const TNativeSignature& s = NativeSignatures[i];
        EXPECT_TRUE(declared.count({s.ClassName, s.MethodName})) << s.ClassName << "." << s.MethodName;
    }
    EXPECT_EQ(declared.size(), static_cast<size_t>(NativeSignatureCount));
}

TEST(NativeSignatures, RowsAreUniqueAndFoundBothWays) {
    int32_t previous = -1;
    for (int32_t i = 0; i < NativeSignatureCount; ++i) {
        const TNativeSignature& s = NativeSignatures[i];
        EXPECT_GT(s.Row, previous) << s.MethodName;
        EXPECT_LT(s.Row, 48) << s.MethodName;
        previous = s.Row;
        EXPECT_EQ(FindNativeSignatureByRow(s.Row), &s);
        EXPECT_LE(s.ParameterCount, kMaxNativeParameters);
    }
    EXPECT_EQ(FindNativeSignatureByRow(5), nullptr);  // a marker row
    EXPECT_EQ(FindNativeSignatureByRow(48), nullptr);
    EXPECT_EQ(FindNativeSignature("torve/core/PWM", "delay"), nullptr);
    EXPECT_EQ(FindNativeSignature(nullptr, "delay"), nullptr);
}

TEST(NativeSignatures, FaultCodesNameTheExceptionsThrowVMExceptionThrows) {
    EXPECT_STREQ(VMFaultClassName(vfNullPointer), "java/lang/NullPointerException");
    EXPECT_STREQ(VMFaultClassName(2), "java/lang/ArithmeticException");
    EXPECT_STREQ(VMFaultClassName(3), "java/lang/ArrayIndexOutOfBoundsException");
    EXPECT_STREQ(VMFaultClassName(4), "java/lang/NegativeArraySizeException");
    EXPECT_STREQ(VMFaultClassName(5), "java/lang/StackOverflowError");
    EXPECT_STREQ(VMFaultClassName(0), "java/lang/Error");
    EXPECT_STREQ(VMFaultClassName(99), "java/lang/Error");
    // Every class the table names exists in the library.
    for (int32_t code = 0; code <= vfOutOfMemory; ++code)
        EXPECT_TRUE(CompiledLibrary().count(VMFaultClassName(code))) << code;
}
