#include "linker/NativeMethodTable.h"

#include <cstring>

#include "foundation/Options.h"

namespace {
constexpr const char* Cpu = "torve/core/CPU";
constexpr const char* Page = "page";
constexpr const char* AltCpu = "quorbel/core/CPU";
}  // namespace

const TNativeMethodRow NativeMethodTable[NativeMethodRowCount] = {
    {Cpu, "writeRegister"}, {Cpu, "readRegister"}, {Cpu, "writeObject"}, {Cpu, "delay"},
    {Cpu, "message"},                                                          // 0-4
    {Page, ""},                                                                // 5
    {Cpu, "count"}, {Cpu, "rcTime"}, {Cpu, "pulseIn"}, {Cpu, "pulseOut"}, {Cpu, "readPin"},
    {Cpu, "writePin"}, {Cpu, "shiftIn"}, {Cpu, "shiftOut"}, {Cpu, "carry"},   // 6-14
    {Page, ""},                                                                // 15
    {Cpu, "uninstall"}, {Cpu, "install"}, {Cpu, "nap"}, {Cpu, "setOutput"},   // 16-19
    {Page, ""},                                                                // 20
    {Cpu, "setInput"},                                                         // 21
    {Page, ""},                                                                // 22
    {Cpu, "readSRAM"},                                                         // 23
    {Page, ""},                                                                // 24
    {Cpu, "writeSRAM"},                                                        // 25
    {Page, ""},                                                                // 26
    {"torve/core/EEPROM", "eeRead"},                                           // 27
    {Page, ""},                                                                // 28
    {"torve/core/EEPROM", "eeWrite"},                                          // 29
    {Page, ""},                                                                // 30
    {"torve/core/Uart", "txInit"}, {"torve/core/Uart", "rxInit"},
    {"torve/core/Uart", "rxRead"},                                             // 31-33
    {"torve/core/Callback", "returnTwo"},                                      // 34
    {"torve/core/Timer", "init"}, {"torve/core/Timer", "latch"},               // 35-36
    {Page, ""},                                                                // 37
    {"torve/core/PWM", "install"},                                             // 38
    {Page, ""},                                                                // 39
    {"torve/core/PWM", "updateInternal"},                                      // 40
    {Page, ""},                                                                // 41
    {"torve/core/DAC", "install"},                                             // 42
    {Page, ""},                                                                // 43
    {"torve/core/ADC", "install"},                                             // 44
    {Page, ""},                                                                // 45
    {"torve/core/Terminal", "getByte"},                                        // 46
    {Page, ""},                                                                // 47
    {"", ""},                                                                  // 48
};

const TNativeMethodRow AltNativeMethodTable[AltNativeMethodRowCount] = {
    {AltCpu, "writeRegister"}, {AltCpu, "readRegister"}, {AltCpu, "writeObject"},
    {AltCpu, "delay"}, {AltCpu, "message"}, {AltCpu, "readPin"}, {AltCpu, "writePin"},
    {AltCpu, "carry"}, {AltCpu, "flashRead"}, {AltCpu, "flashWrite"},          // 0-9
    {"quorbel/core/Uart", "txInit"}, {"quorbel/core/Uart", "rxInit"},
    {"quorbel/core/Uart", "rxRead"},                                           // 10-12
    {"quorbel/core/Callback", "returnTwo"},                                    // 13
    {"quorbel/core/Timer", "init"},                                            // 14
    {"", ""},                                                                  // 15
};

const TNativeMethodRow* SwitchNativePackage() {
    return JobOptions().debugLMNative ? AltNativeMethodTable : NativeMethodTable;
}

bool IsNativeEndRow(const TNativeMethodRow& row) {
    return row.ClassName[0] == '\0' && row.MethodName[0] == '\0';
}

bool IsNativeMarkerRow(const TNativeMethodRow& row) {
    return std::strcmp(row.ClassName, Page) == 0 && row.MethodName[0] == '\0';
}

int FindNativeRow(const TNativeMethodRow* table, const char* className, const char* methodName) {
    for (int row = 0; !IsNativeEndRow(table[row]); ++row) {
        if (IsNativeMarkerRow(table[row])) continue;
        if (std::strcmp(table[row].ClassName, className) == 0 &&
            std::strcmp(table[row].MethodName, methodName) == 0)
            return row;
    }
    return -1;
}
