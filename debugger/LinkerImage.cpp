#include "debugger/LinkerImage.h"

#include "linker/JvmOpcodes.h"
#include "linker/ORULinker.h"

std::string TLinkerImage::ClassNameAt(uint32_t offset) const
{
    return linker_.FindClassByOffset(offset)->GetName();
}

std::string TLinkerImage::SourceAt(uint32_t pc, int& line, int& javaPc) const
{
    return linker_.TranslatePC(pc, line, javaPc);
}

std::string TLinkerImage::OpcodeName(uint8_t imageByte)
{
    return JvmOpcodeName(CORULinker::OruToJvmOpcode(imageByte));
}
