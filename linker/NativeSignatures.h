#pragma once
#include <cstdint>
#include <string>

// The Java signatures of the class library's native methods, beside their
// row numbers in the native-method table. The image records only a native's
// argument words; whoever runs a native (the module simulator) also needs the
// argument and result types. Every native is static.

enum class TNativeType : uint8_t {
    ntVoid,     // result only
    ntBoolean,  // one word, 0 or 1
    ntChar,     // one word
    ntInt,      // one word
    ntString,   // one word: a reference to a java/lang/String
    ntObject,   // one word: any other reference
};

constexpr int kMaxNativeParameters = 5;

struct TNativeSignature {
    const char* ClassName;   // "/" form
    const char* MethodName;
    int32_t Row;             // the native number
    int32_t ParameterCount;  // each parameter takes one word
    TNativeType Parameters[kMaxNativeParameters];
    TNativeType Result;
};

// The signatures in row order.
extern const TNativeSignature NativeSignatures[];
extern const int32_t NativeSignatureCount;

// The signature of a class's native method, nullptr when there is none.
const TNativeSignature* FindNativeSignature(const char* className, const char* methodName);
// The signature of a native number, nullptr for a marker row or a number
// outside the table.
const TNativeSignature* FindNativeSignatureByRow(int32_t row);

// The method descriptor the Java declaration has: "(ILjava/lang/String;)V".
std::string NativeDescriptor(const TNativeSignature& signature);

// Fault codes that the module passes to Throwable.throwVMException.
enum TVMFault : int32_t {
    vfNullPointer = 1,
    vfArithmetic = 2,
    vfArrayIndexOutOfBounds = 3,
    vfNegativeArraySize = 4,
    vfStackOverflow = 5,
    vfOutOfMemory = 6,
};

// "/" name of the exception class that throwVMException throws for a code;
// any other code throws "java/lang/Error".
const char* VMFaultClassName(int32_t code);
