#include <cerrno>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

namespace {
constexpr uint8_t RunByte = 0xA4;
constexpr uint8_t ImageVersion = 0x01;
constexpr int MinLengthByte = 20;
constexpr const char* ListingName = "oru.out";
}  // namespace

void CORULinker::OutputPass() {
    if (JobOptions().debugLinker) DebugPrintf("Linker: output pass.");
    if (JobOptions().debugORUFile) {
        ListingFile = std::fopen(ListingName, "w");
        if (!ListingFile) {
            int error = errno;
            throw EError(ecIDE, 17, ListingName, error, std::strerror(error));
        }
    }
    try {
        WriteHeader();
        for (int i = 0; i < LinkedClassCount; ++i) WriteClassRecord(i);
        for (int i = 0; i < LinkedClassCount; ++i) WriteClassCode(i);
        StringAreaStart = WritePosition;
        WriteStrings();
        StringAreaSize = WritePosition - StringAreaStart;
        if (WritePosition != ImageSize) throw EError(ecIDE, 48);
        SetLengthByte();
        ListingPrintf("\n\n");
        WriteNativeTableListing();
        WriteOpcodeListing();
    } catch (...) {
        CloseListing();
        throw;
    }
    CloseListing();
    if (JobOptions().debugORUFile) WriteImageFiles();
}

void CORULinker::WriteHeader() {
    EmitValue(RunByte, "Placeholder for run/debug.");
    EmitByte(0, "\tdw\t$0\t;Placeholder for the length.\n");
    EmitByte(ImageVersion, "\tdw\t$%X\t;Version: %d.%d\n", ImageVersion, ImageVersion >> 4,
             ImageVersion & 0x0F);
    EmitValue(uint8_t(StaticAreaSize), "Number of static fields = " + std::to_string(GetStaticCount()));
    uint16_t mainRecord = 0;
    try {
        if (!IsStaticMethod(MainClass, "main", "()V")) throw EError(ecLNK, 2);
        mainRecord = MainClass->GetLinkedMethodOffset("main", "()V");
    } catch (const EError&) {
        throw EError(ecLNK, 2);
    }
    EmitWord(mainRecord, "`main' method: Offset", true);
    EmitWord(uint16_t(LinkedClassOffset("java/lang/Object")), "java.lang.Object class: Offset", true);
    uint16_t stringClass = Strings.empty() ? 0 : uint16_t(LinkedClassOffset("java/lang/String"));
    EmitWord(stringClass, "java.lang.String class: Offset", true);
    const CJavaClass* throwable = FindLinkedClass("java/lang/Throwable");
    if (!throwable) throw EError(ecIDE, 48);
    EmitWord(throwable->GetLinkedMethodOffset("throwVMException", "(I)V"),
             "Throwable.throwVMException method: Offset", true);
    EmitWord(uint16_t(StringTableOffset), "String table offset", true);
    EmitWord(0, "Callback method offset", true);
    EmitWord(uint16_t(LinkedClassOffset("java/lang/OutOfMemoryError")),
             "java.lang.OutOfMemoryError class: Offset", true);
    EmitWord(uint16_t(StackBase), "Stack base", true);
}

void CORULinker::WriteClassRecord(int index) {
    CJavaClass* javaClass = Classes[index].Class.get();
    ListingPrintf("\n; (%u) Class = `%s'\n", Classes[index].Offset, javaClass->GetClassName());
    uint16_t superOffset = 0xFFFF;
    if (javaClass->SuperClass != 0) superOffset = uint16_t(LinkedClassOffset(javaClass->GetSuperClassName()));
    EmitWord(superOffset, "Superclass offset", false);
    unsigned words = 0;
    for (const TInstanceField& field : javaClass->InstanceFields) words += field.Size;
    if (2 * words > 0xFF) RaiseLimit(std::string("class ") + javaClass->GetClassName(), words, "instance field words", 0x7F);
    EmitCountByte(2 * words, "Number of (non-final, non-static) fields = " + std::to_string(2 * words));
    for (const TMethodTableEntry& entry : javaClass->MethodTable) WriteMethodRecord(entry);
}

void CORULinker::WriteMethodRecord(const TMethodTableEntry& entry) {
    CJavaClass* owner = entry.Owner;
    int m = entry.OwnerIndex;
    ListingPrintf("; Method = `%s'\n", entry.MethodName);
    int parameterWords = owner->CountArgumentWords(m);
    bool hasHandlers = owner->GetExceptionCount(m) > 0;
    bool native = owner->IsMethodNative(m);
    bool hasCode = owner->GetCodeLength(m) > 0;
    int localWords = native || !hasCode ? 0 : owner->GetMaxLocals(m) - parameterWords;
    const std::string method = std::string("method ") + owner->GetClassName() + "." + owner->GetMethodName(m);
    if (2 * parameterWords > 0x7F) RaiseLimit(method, unsigned(parameterWords), "parameter words", 0x3F);
    if (2 * localWords > 0xFF) RaiseLimit(method, unsigned(localWords), "local words", 0x7F);
    if (localWords < 0) throw EError(ecIDE, 48);
    uint8_t parameterByte = uint8_t(2 * parameterWords | (hasHandlers ? 0x80 : 0));
    std::string parameterText = "Number of parameters = " + std::to_string(2 * parameterWords);
    EmitValue(parameterByte, hasHandlers ? parameterText + " (exception table present)" : parameterText);
    EmitValue(uint8_t(2 * localWords), "Number of locals = " + std::to_string(2 * localWords));
    EmitValue(native ? 0x80 : 0, "Flags hi = " + std::to_string(native ? 0x80 : 0));
    uint16_t codeOffset = owner->GetMethodImageOffset(m);
    uint16_t target =
        native ? uint16_t(FindNativeMethod(owner->GetClassName(), owner->GetMethodName(m))) : codeOffset;
    EmitWord(target, "Offset", false);
    if (hasHandlers) {
        uint16_t table = uint16_t(codeOffset + owner->GetCodeLength(m) + GetMainPrologueSize(owner, m));
        EmitWord(table, "Exception table offset", false);
    } else {
        EmitWord(0, "Empty exception table", false);
    }
}

void CORULinker::WriteStrings() {
    ListingPrintf("\n; String index table.\n");
    for (const TStringRecord& record : Strings) EmitWord(uint16_t(record.DataOffset), "String offset", true);
    ListingPrintf("\n; String data table.\n");
    if (Strings.empty()) return;
    uint16_t stringClass = uint16_t(LinkedClassOffset("java/lang/String"));
    uint16_t objectClass = uint16_t(LinkedClassOffset("java/lang/Object"));
    for (const TStringRecord& record : Strings) {
        if (uint32_t(WritePosition) != record.DataOffset) throw EError(ecIDE, 48);
        EmitWord(stringClass, "String class", true);
        EmitWord(uint16_t(record.Length), "String length", true);
        EmitWord(uint16_t(record.DataOffset + 6), "Pointer", true);
        EmitWord(objectClass, "Object class", true);
        EmitWord(uint16_t(record.Length), "String length", true);
        ListingPrintf("; String Data: \"%s\"\n", record.Text);
        for (uint32_t i = 0; i < record.Length; ++i) {
            uint8_t character = uint8_t(record.Text[i]);
            EmitByte(character, "%c", character);
        }
        ListingPrintf("\n");
    }
}

// Pages of 256 bytes plus one, at least 20, at most 255.
void CORULinker::SetLengthByte() {
    int pages = ImageSize / 256 + 1;
    if (pages > 0xFF) pages = 0xFF;
    if (pages < MinLengthByte) pages = MinLengthByte;
    Image[1] = uint8_t(pages);
}
