#include <gtest/gtest.h>

#include <cstring>

#include "tests/linker/ClassFixture.h"

namespace {

std::vector<std::string> TableNames(const CJavaClass& c) {
    std::vector<std::string> names;
    for (const TMethodTableEntry& e : c.MethodTable)
        names.push_back(std::string(e.ClassName) + "." + e.MethodName + e.Descriptor);
    return names;
}

}  // namespace

TEST(ClassLayout, InheritedFieldsComeFirstWithRunningOffsets) {
    CTestClassFinder finder(TestClassDir());
    CJavaClass* derived = finder.FindClass("Derived");
    derived->Layout(finder);
    ASSERT_EQ(derived->GetInstanceFieldCount(), 3);
    const TInstanceField* f = derived->InstanceFields.data();
    EXPECT_STREQ(f[0].ClassName, "Base");
    EXPECT_STREQ(f[0].FieldName, "x");
    EXPECT_EQ(f[0].Offset, 0);
    EXPECT_STREQ(f[1].FieldName, "y");
    EXPECT_EQ(f[1].Size, 2);
    EXPECT_EQ(f[1].Offset, 1);
    EXPECT_EQ(f[1].Slot, 0);  // first instance field of Derived
    EXPECT_STREQ(f[2].FieldName, "z");
    EXPECT_EQ(f[2].Offset, 3);
    EXPECT_EQ(derived->GetLinkedFieldOffset("z", "I"), 3);
    EXPECT_EQ(derived->GetLinkedFieldOffset("x", "I"), 0);
    EXPECT_EQ(ErrorMessageOf([&] { derived->GetLinkedFieldOffset("x", "J"); }),
              "[ Error JVM-0028] Cannot find linked field (Derived.x).\n");
}

TEST(ClassLayout, OverridesKeepTheirPlaceAndInitialisersComeLast) {
    CTestClassFinder finder(TestClassDir());
    CJavaClass* derived = finder.FindClass("Derived");
    derived->Layout(finder);
    EXPECT_TRUE(finder.FindClass("Base")->LaidOut);
    EXPECT_EQ(TableNames(*finder.FindClass("java/lang/Object")),
              (std::vector<std::string>{"java/lang/Object.hashCode()I",
                                        "java/lang/Object.toString()Ljava/lang/String;",
                                        "java/lang/Object.<init>()V"}));
    // Initialisers keep their file order at the end (ecj writes <clinit> first).
    EXPECT_EQ(TableNames(*finder.FindClass("Base")),
              (std::vector<std::string>{"java/lang/Object.hashCode()I",
                                        "java/lang/Object.toString()Ljava/lang/String;", "Base.run()V",
                                        "Base.size()I", "Base.<clinit>()V", "Base.<init>()V"}));
    EXPECT_EQ(TableNames(*derived),
              (std::vector<std::string>{"java/lang/Object.hashCode()I",
                                        "java/lang/Object.toString()Ljava/lang/String;", "Derived.run()V",
                                        "Base.size()I", "Derived.extra()V",
                                        "Derived.twice(IJ[ILjava/lang/String;)I", "Derived.<init>()V"}));
    const TMethodTableEntry& run = derived->MethodTable[2];
    EXPECT_EQ(run.Owner, derived);
    EXPECT_EQ(run.OwnerIndex, derived->FindMethod("run", "()V"));
    EXPECT_EQ(derived->MethodTable[3].Owner, finder.FindClass("Base"));
    EXPECT_EQ(derived->GetLinkedMethodIndex("run", "()V"), 2);

    derived->MethodTable[2].ImageOffset = 120;
    derived->MethodTable[2].RecordOffset = 17;
    EXPECT_EQ(derived->GetLinkedMethodOffset("run", "()V"), 120);
    EXPECT_EQ(derived->GetLinkedMethodRecordOffset("run", "()V"), 17);
    EXPECT_EQ(ErrorMessageOf([&] { derived->GetLinkedMethodIndex("run", "()I"); }),
              "[ Error JVM-0031] Cannot find linked method (Derived.run).\n");
}

TEST(ClassLayout, ConstantAndStaticFieldsTakeNoPlaceInObjects) {
    CTestClassFinder finder(TestClassDir());
    CJavaClass* fields = finder.FindClass("Fields");
    fields->Layout(finder);
    std::vector<std::string> names;
    for (const TInstanceField& f : fields->InstanceFields) names.push_back(f.FieldName);
    EXPECT_EQ(names, (std::vector<std::string>{"k", "a", "big", "name"}));
    EXPECT_EQ(fields->GetLinkedFieldOffset("name", "Ljava/lang/String;"), 4);
}

TEST(ClassLayout, AClassThatIsItsOwnSuperclassIsCorrupt) {
    // The finder hands the class itself back for its superclass.
    struct CSelfFinder : IClassFinder {
        CJavaClass* self = nullptr;
        CJavaClass* FindClass(const std::string&) override { return self; }
    } finder;
    auto base = LoadTestClass("Base");
    finder.self = base.get();
    EXPECT_EQ(ErrorMessageOf([&] { base->Layout(finder); }),
              "[ Error JVM-0020] Java class file corrupt: `Base'.\n");
    EXPECT_FALSE(base->LaidOut);
}
