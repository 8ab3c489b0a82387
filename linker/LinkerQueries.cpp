#include <strings.h>

#include <algorithm>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

namespace {
std::string SlashPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// The source file and the class file agree up to the source's extension
// (".java" against ".class"), whatever the letter case.
bool SourceMatchesClassFile(const std::string& source, const std::string& classFile) {
    if (source.size() <= 4) return false;
    size_t length = source.size() - 4;
    return classFile.size() >= length && strncasecmp(source.c_str(), classFile.c_str(), length) == 0;
}
}  // namespace

CJavaClass* CORULinker::FindClassByOffset(uint32_t classOffset) const {
    for (int i = 0; i < LinkedClassCount; ++i)
        if (Classes[i].Offset == classOffset) return Classes[i].Class.get();
    throw EError(ecIDE, 29);
}

int CORULinker::FindMethodByOffset(uint32_t recordOffset, CJavaClass*& owner) const {
    for (int i = 0; i < LinkedClassCount; ++i) {
        for (const TMethodTableEntry& entry : Classes[i].Class->MethodTable) {
            if (entry.ImageOffset != recordOffset) continue;
            owner = entry.Owner;
            return entry.OwnerIndex;
        }
    }
    throw EError(ecIDE, 15);
}

std::string CORULinker::TranslatePC(uint32_t address, int& line, int& pc) const {
    for (int i = LinkedClassCount - 1; i >= 0; --i) {
        CJavaClass* javaClass = Classes[i].Class.get();
        for (int m = javaClass->GetMethodCount() - 1; m >= 0; --m) {
            uint32_t codeAddress = javaClass->GetMethodImageOffset(m);
            if (codeAddress > address) continue;
            pc = int(address - codeAddress) - GetMainPrologueSize(javaClass, m);
            line = javaClass->GetLineForPc(m, address);
            if (JobOptions().debugLineTranslate)
                DebugPrintf("Method offset = %u, pc = %u, jPC = %d, line = %d", codeAddress, address, pc,
                            line);
            return javaClass->GetSourceName();
        }
    }
    throw EError(ecIDE, 16, int(address));
}

namespace {
// The first linked class whose class file belongs to the source file.
CJavaClass* ClassOfSource(const CORULinker& linker, int linkedCount, const std::string& sourcePath) {
    std::string source = SlashPath(sourcePath);
    for (int i = 0; i < linkedCount; ++i) {
        CJavaClass* javaClass = linker.GetClass(i);
        if (SourceMatchesClassFile(source, SlashPath(javaClass->GetClassFilePath()))) return javaClass;
    }
    throw EError(ecIDE, 19, sourcePath.c_str());
}
}  // namespace

int CORULinker::FindBreakableLine(const std::string& sourcePath, int line) const {
    return ClassOfSource(*this, LinkedClassCount, sourcePath)->FindBreakableLine(line);
}

uint32_t CORULinker::FindBreakpointAddress(const std::string& sourcePath, int line) const {
    int method = 0;
    return ClassOfSource(*this, LinkedClassCount, sourcePath)->FindBreakableAddress(line, method);
}

const TStringRecord& CORULinker::FindStringIndex(const CJavaClass* javaClass, int constantIndex) const {
    const char* text = javaClass->GetStringConstantText(constantIndex);
    for (const TStringRecord& record : Strings)
        if (std::strcmp(record.Text, text) == 0) return record;
    throw EError(ecIDE, 30);
}
