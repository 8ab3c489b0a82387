#include "linker/NativeSignatures.h"

#include <cstring>

namespace {

constexpr TNativeType V = TNativeType::ntVoid;
constexpr TNativeType Z = TNativeType::ntBoolean;
constexpr TNativeType I = TNativeType::ntInt;
constexpr TNativeType S = TNativeType::ntString;
constexpr TNativeType O = TNativeType::ntObject;

constexpr const char* kCPU = "torve/core/CPU";

}  // namespace

const TNativeSignature NativeSignatures[] = {
    {kCPU, "writeRegister", 0, 2, {I, I}, V},
    {kCPU, "readRegister", 1, 1, {I}, I},
    {kCPU, "writeObject", 2, 2, {I, O}, V},
    {kCPU, "delay", 3, 1, {I}, V},
    {kCPU, "message", 4, 1, {S}, V},
    {kCPU, "count", 6, 3, {I, I, Z}, I},
    {kCPU, "rcTime", 7, 3, {I, I, Z}, I},
    {kCPU, "pulseIn", 8, 3, {I, I, Z}, I},
    {kCPU, "pulseOut", 9, 2, {I, I}, V},
    {kCPU, "readPin", 10, 1, {I}, Z},
    {kCPU, "writePin", 11, 2, {I, Z}, V},
    {kCPU, "shiftIn", 12, 4, {I, I, I, I}, I},
    {kCPU, "shiftOut", 13, 5, {I, I, I, I, I}, V},
    {kCPU, "carry", 14, 0, {}, Z},
    {kCPU, "uninstall", 16, 1, {O}, V},
    {kCPU, "install", 17, 1, {O}, V},
    {kCPU, "nap", 18, 1, {I}, V},
    {kCPU, "setOutput", 19, 1, {I}, V},
    {kCPU, "setInput", 21, 1, {I}, V},
    {kCPU, "readSRAM", 23, 1, {I}, I},
    {kCPU, "writeSRAM", 25, 2, {I, I}, V},
    {"torve/core/EEPROM", "eeRead", 27, 1, {I}, I},
    {"torve/core/EEPROM", "eeWrite", 29, 2, {I, I}, V},
    {"torve/core/Uart", "txInit", 31, 3, {I, I, I}, V},
    {"torve/core/Uart", "rxInit", 32, 3, {I, I, I}, V},
    {"torve/core/Uart", "rxRead", 33, 1, {I}, I},
    {"torve/core/Callback", "returnTwo", 34, 0, {}, V},
    {"torve/core/Timer", "init", 35, 0, {}, V},
    {"torve/core/Timer", "latch", 36, 0, {}, I},
    {"torve/core/PWM", "install", 38, 3, {I, I, I}, V},
    {"torve/core/PWM", "updateInternal", 40, 3, {I, I, I}, V},
    {"torve/core/DAC", "install", 42, 2, {I, I}, V},
    {"torve/core/ADC", "install", 44, 2, {I, I}, I},
    {"torve/core/Terminal", "getByte", 46, 0, {}, I},
};

const int32_t NativeSignatureCount = sizeof NativeSignatures / sizeof NativeSignatures[0];

const TNativeSignature* FindNativeSignature(const char* className, const char* methodName) {
    if (!className || !methodName) return nullptr;
    for (const TNativeSignature& s : NativeSignatures) {
        if (std::strcmp(s.ClassName, className) == 0 && std::strcmp(s.MethodName, methodName) == 0)
            return &s;
    }
    return nullptr;
}

const TNativeSignature* FindNativeSignatureByRow(int32_t row) {
    for (const TNativeSignature& s : NativeSignatures) {
        if (s.Row == row) return &s;
    }
    return nullptr;
}

static const char* TypeDescriptor(TNativeType type) {
    switch (type) {
        case TNativeType::ntVoid: return "V";
        case TNativeType::ntBoolean: return "Z";
        case TNativeType::ntChar: return "C";
        case TNativeType::ntInt: return "I";
        case TNativeType::ntString: return "Ljava/lang/String;";
        case TNativeType::ntObject: return "Ljava/lang/Object;";
    }
    return "?";
}

std::string NativeDescriptor(const TNativeSignature& signature) {
    std::string descriptor = "(";
    for (int32_t i = 0; i < signature.ParameterCount && i < kMaxNativeParameters; ++i)
        descriptor += TypeDescriptor(signature.Parameters[i]);
    descriptor += ")";
    descriptor += TypeDescriptor(signature.Result);
    return descriptor;
}

const char* VMFaultClassName(int32_t code) {
    switch (code) {
        case vfNullPointer: return "java/lang/NullPointerException";
        case vfArithmetic: return "java/lang/ArithmeticException";
        case vfArrayIndexOutOfBounds: return "java/lang/ArrayIndexOutOfBoundsException";
        case vfNegativeArraySize: return "java/lang/NegativeArraySizeException";
        case vfStackOverflow: return "java/lang/StackOverflowError";
        case vfOutOfMemory: return "java/lang/OutOfMemoryError";
    }
    return "java/lang/Error";
}
