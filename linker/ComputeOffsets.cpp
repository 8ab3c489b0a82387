#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/JvmOpcodes.h"
#include "linker/ORULinker.h"

namespace {
// The String constant an ldc or ldc_w names, -1 for any other instruction.
int TextConstantIndex(const uint8_t* instruction) {
    if (instruction[0] == opLdc) return instruction[1];
    if (instruction[0] == opLdcW) return ReadU16(instruction + 1);
    return -1;
}
}  // namespace

void CORULinker::ComputeOffsets() {
    if (JobOptions().debugLinker) DebugPrintf("Linker: Computing offsets.");
    LinkedClassCount = int(Classes.size());
    uint32_t position = HeaderSize;
    for (TLinkedClass& linked : Classes) {
        linked.Offset = position;
        linked.CodeSize = ClassRecordHeaderSize;
        position += ClassRecordHeaderSize;
        std::vector<TMethodTableEntry>& table = linked.Class->MethodTable;
        for (size_t j = 0; j < table.size(); ++j) {
            table[j].ImageOffset = uint16_t(position);
            table[j].RecordOffset = uint16_t(ClassRecordHeaderSize + MethodRecordSize * j);
            position += MethodRecordSize;
            linked.CodeSize += MethodRecordSize;
        }
    }
    for (TLinkedClass& linked : Classes) {
        CJavaClass* javaClass = linked.Class.get();
        for (int m = 0; m < javaClass->GetMethodCount(); ++m) {
            if (JobOptions().debugLinker)
                DebugPrintf("Offset of %s is %u", javaClass->GetMethodName(m), position);
            javaClass->SetMethodImageOffset(m, uint16_t(position));
            uint32_t size = javaClass->GetCodeLength(m) + GetMainPrologueSize(javaClass, m);
            int handlers = javaClass->GetExceptionCount(m);
            if (handlers > 0) size += 1 + ExceptionEntrySize * handlers;
            position += size;
            linked.CodeSize += size;
        }
    }
    StringTableOffset = position;
    LayoutStrings();
    if (int(Strings.size()) > MaxStrings - 1) throw EError(ecIDE, 31, MaxStrings);
    if (ImageSize > MaxImageSize) throw EError(ecLNK, 8);
}

// Numbers the strings again in the order the code uses them and places
// their data records after the index table.
void CORULinker::LayoutStrings() {
    uint32_t position = StringTableOffset + 2 * uint32_t(Strings.size());
    std::vector<TStringRecord> found;
    found.reserve(Strings.size());
    for (TLinkedClass& linked : Classes) {
        CJavaClass* javaClass = linked.Class.get();
        linked.StringsSize = 0;
        for (int m = 0; m < javaClass->GetMethodCount(); ++m) {
            uint32_t pc = 0;
            while (pc < javaClass->GetCodeLength(m)) {
                int constantIndex = TextConstantIndex(javaClass->NextInstruction(m, pc));
                if (constantIndex < 0) continue;
                const char* text = javaClass->GetStringConstantText(constantIndex);
                bool known = false;
                for (const TStringRecord& record : found)
                    if (std::strcmp(record.Text, text) == 0) known = true;
                if (known) continue;
                TStringRecord record = NewStringRecord(javaClass, constantIndex, found.size());
                record.DataOffset = position;
                found.push_back(record);
                position += record.Length + StringRecordHeaderSize;
                linked.StringsSize += record.Length + StringRecordHeaderSize;
            }
        }
    }
    if (found.size() != Strings.size()) throw EError(ecIDE, 48);
    Strings = std::move(found);
    ImageSize = int(position);  // offsets past 65,535 are refused by the caller
}

