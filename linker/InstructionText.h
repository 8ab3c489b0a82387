#pragma once
#include <cstdint>
#include <string>

class CJavaClass;

// The listing text of the instruction at `code + pc` (which must fit in the
// code): "%4d <mnemonic> <operands>", constants shown through `owner`.
std::string InstructionText(const CJavaClass& owner, const uint8_t* code, uint32_t pc);
