#pragma once
#include <cstdint>
#include <string>

// What the module link needs to know of the linked image the module runs;
// the IDE fills it from the linker.
class ILinkImage {
public:
    virtual ~ILinkImage() = default;

    // The name of the class whose record starts at `offset` of the image.
    // Raises EError (IDE-29) when none does.
    virtual std::string ClassNameAt(uint32_t offset) const = 0;
    // The source file of image address `pc`, with its line and Java pc.
    // Raises EError when the address is in no known method.
    virtual std::string SourceAt(uint32_t pc, int& line, int& javaPc) const = 0;
};
