#pragma once
#include "devicelink/LinkImage.h"

class CORULinker;

// A linker's image as the module link sees it.
class TLinkerImage : public ILinkImage {
public:
    explicit TLinkerImage(const CORULinker& linker) : linker_(linker) {}

    std::string ClassNameAt(uint32_t offset) const override;
    std::string SourceAt(uint32_t pc, int& line, int& javaPc) const override;

    // The mnemonic of a module opcode (an image byte).
    static std::string OpcodeName(uint8_t imageByte);

private:
    const CORULinker& linker_;
};
