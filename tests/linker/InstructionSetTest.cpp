#include <gtest/gtest.h>

#include "linker/NativeMethodTable.h"
#include "linker/NativeSignatures.h"
#include "linker/ORULinker.h"
#include "linker/OruInstructionSet.h"
#include "tests/linker/ClassFixture.h"

TEST(OruInstructionSet, MapAndEncoding) {
    int supported = 0;
    for (int op = 0; op < JvmOpcodeCount; ++op) supported += JvmToOruMap[op] >= 0;
    EXPECT_EQ(JvmOpcodeCount - supported, 119);
    for (int code = 0; code < OruCodeCount; ++code) EXPECT_EQ(JvmToOruMap[OruOpcodeList[code]], code);
    EXPECT_EQ(OruOpcodeList[OruCodeCount], -1);
    // Folded instructions share a byte; codes past 51 take two.
    EXPECT_EQ(CORULinker::JvmToOruOpcode(0x2C), CORULinker::JvmToOruOpcode(0x1C));  // aload_2, iload_2
    EXPECT_EQ(CORULinker::JvmToOruOpcode(0x80), CORULinker::JvmToOruOpcode(0x74) + 2);  // ior after ineg
}

TEST(OruInstructionSet, UnsupportedOpcodesRaiseTheirNumber) {
    for (int op : {0x62, 0xC5, 0xCA, 0xE4, 0xFF})
        EXPECT_EQ(ErrorMessageOf([&] { CORULinker::JvmToOruOpcode(op); }),
                  "[ Error JVM-0030] Unimplemented bytecode (" + std::to_string(op) + ").\n");
}

TEST(OruInstructionSet, ImageBytesNameJvmOpcodes) {
    EXPECT_EQ(CORULinker::OruToJvmOpcode(0x44), 0xA7);  // even bytes name the odd byte's code
    EXPECT_EQ(CORULinker::OruToJvmOpcode(52), 0x74);    // code 51
    EXPECT_EQ(CORULinker::OruToJvmOpcode(119), 0xAB);
    EXPECT_EQ(CORULinker::OruToJvmOpcode(120), -1);
    for (int code = 0; code < OruCodeCount; ++code)
        EXPECT_EQ(CORULinker::OruToJvmOpcode(EncodeOruCode(code)), OruOpcodeList[code]);
}

TEST(NativeTables, RowsAndMarkers) {
    EXPECT_EQ(FindNativeRow(NativeMethodTable, "torve/core/Uart", "rxRead"), 33);
    EXPECT_EQ(FindNativeRow(NativeMethodTable, "torve/core/CPU", "writeRegister"), 0);
    EXPECT_EQ(FindNativeRow(NativeMethodTable, "page", ""), -1);
    EXPECT_EQ(FindNativeRow(NativeMethodTable, "quorbel/core/Uart", "rxRead"), -1);
    EXPECT_EQ(FindNativeRow(AltNativeMethodTable, "quorbel/core/Uart", "rxRead"), 12);
    EXPECT_EQ(FindNativeRow(AltNativeMethodTable, "torve/core/Terminal", "getByte"), -1);
    EXPECT_TRUE(IsNativeEndRow(NativeMethodTable[48]));
    EXPECT_TRUE(IsNativeEndRow(AltNativeMethodTable[15]));
    int markers = 0;
    for (int row = 0; !IsNativeEndRow(NativeMethodTable[row]); ++row)
        markers += IsNativeMarkerRow(NativeMethodTable[row]);
    EXPECT_EQ(markers, 14);
}

TEST(NativeTables, SignaturesNameTheSameRows) {
    int methodRows = 0;
    for (int row = 0; !IsNativeEndRow(NativeMethodTable[row]); ++row) {
        if (IsNativeMarkerRow(NativeMethodTable[row])) continue;
        ++methodRows;
        const TNativeSignature* signature =
            FindNativeSignature(NativeMethodTable[row].ClassName, NativeMethodTable[row].MethodName);
        ASSERT_NE(signature, nullptr) << NativeMethodTable[row].MethodName;
        EXPECT_EQ(signature->Row, row);
    }
    EXPECT_EQ(NativeSignatureCount, methodRows);
}
