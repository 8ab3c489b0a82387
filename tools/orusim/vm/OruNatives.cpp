#include "tools/orusim/vm/OruNatives.h"

#include <algorithm>
#include <cstring>

#include "linker/NativeSignatures.h"
#include "tools/orusim/vm/OruMachine.h"

namespace orusim {

namespace {
bool Is(const TNativeSignature& signature, const char* className, const char* method) {
    return std::strcmp(signature.ClassName, className) == 0 && std::strcmp(signature.MethodName, method) == 0;
}
}  // namespace

std::string OruNatives::ReadString(const OruMachine& machine, uint16_t string) {
    const VmMemory& memory = machine.Memory();
    int length = static_cast<int16_t>(memory.Word(static_cast<uint16_t>(string + 2)));
    uint16_t chars = memory.Word(static_cast<uint16_t>(string + 4));
    if (chars == 0 || length <= 0) return {};
    int stored = static_cast<int16_t>(memory.Word(static_cast<uint16_t>(chars + 2)));
    std::vector<uint8_t> bytes = memory.Read(static_cast<uint16_t>(chars + 4),
                                             static_cast<uint32_t>(std::max(0, std::min(length, stored))));
    return std::string(bytes.begin(), bytes.end());
}

void OruNatives::Call(const MethodRecord& method) {
    const TNativeSignature* signature = FindNativeSignatureByRow(method.target);
    if (!signature) return m_.Undefined();
    std::vector<int> arguments;
    for (int i = 0; i < method.parameterBytes / 2; ++i)
        arguments.push_back(static_cast<int16_t>(m_.memory_.Word(static_cast<uint16_t>(m_.sp_ - method.parameterBytes + 2 * i))));

    if (Is(*signature, "torve/core/CPU", "message")) {
        uint16_t string = arguments.empty() ? 0 : static_cast<uint16_t>(arguments[0]);
        if (string == 0) return m_.Fault(vfNullPointer);
        m_.host_.Text(ReadString(m_, string));
        return Complete(method, *signature, 0);
    }
    if (Is(*signature, "torve/core/Terminal", "getByte")) {
        m_.inputAt_ = m_.at_;
        m_.inputArgumentBytes_ = method.parameterBytes;
        m_.outcome_.kind = Outcome::Kind::WaitInput;
        return;
    }
    if (Is(*signature, "torve/core/CPU", "delay")) {
        int tenths = arguments.empty() ? 0 : arguments[0];
        m_.outcome_.kind = Outcome::Kind::Delay;
        m_.outcome_.delayMs = tenths > 0 ? (tenths + 9) / 10 : 0;
        return Complete(method, *signature, 0);
    }
    std::vector<int64_t> noted(arguments.begin(), arguments.end());
    m_.host_.NoteNative(std::string(signature->ClassName) + "." + signature->MethodName, noted);
    Complete(method, *signature, Device(*signature, arguments));
}

void OruNatives::Complete(const MethodRecord& method, const TNativeSignature& signature, int result) {
    m_.sp_ = static_cast<uint16_t>(m_.sp_ - method.parameterBytes);
    if (signature.Result != TNativeType::ntVoid) m_.PushInt(result);
    m_.Next(3);
}

// Registers, SRAM, EEPROM and pins keep what is written; inputs read idle.
int OruNatives::Device(const TNativeSignature& signature, const std::vector<int>& a) {
    auto arg = [&a](size_t i) { return i < a.size() ? a[i] : 0; };
    const char* name = signature.MethodName;
    bool cpu = std::strcmp(signature.ClassName, "torve/core/CPU") == 0;
    if (cpu && std::strcmp(name, "writeRegister") == 0) m_.registers_[arg(0) & 0xFF] = static_cast<uint16_t>(arg(1));
    if (cpu && std::strcmp(name, "readRegister") == 0) return static_cast<int16_t>(m_.registers_[arg(0) & 0xFF]);
    if (cpu && std::strcmp(name, "writePin") == 0) m_.pins_[arg(0) & 31] = arg(1) != 0;
    if (cpu && std::strcmp(name, "readPin") == 0) return m_.pins_[arg(0) & 31] ? 1 : 0;
    if (cpu && std::strcmp(name, "writeSRAM") == 0) m_.sram_[arg(0) & 0xFF] = static_cast<uint16_t>(arg(1));
    if (cpu && std::strcmp(name, "readSRAM") == 0) return static_cast<int16_t>(m_.sram_[arg(0) & 0xFF]);
    if (std::strcmp(name, "eeWrite") == 0) m_.eeprom_[arg(0) & 0x7FF] = static_cast<uint8_t>(arg(1));
    if (std::strcmp(name, "eeRead") == 0) return m_.eeprom_[arg(0) & 0x7FF];
    if (std::strcmp(name, "rxRead") == 0) return -1;
    if (Is(signature, "torve/core/Timer", "init")) m_.timerStart_ = m_.host_.Now();
    if (Is(signature, "torve/core/Timer", "latch")) return static_cast<int>((m_.host_.Now() - m_.timerStart_) & 0x7FFF);
    return 0;
}

}  // namespace orusim
