#include <gtest/gtest.h>

#include "editor/support/SrcMethodList.h"

namespace {

TMethod MethodOf(int Code, void* Data) {
    return TMethod{reinterpret_cast<TMethod::Code>(static_cast<uintptr_t>(Code)), Data};
}

TEST(SrcMethodListTest, RemoveTakesTheNewestEqualEntryAndIdentitiesTellWhatIsLeft) {
    int a = 0, b = 0;
    TMethodList list;
    list.Add(MethodOf(1, &a));
    list.Add(MethodOf(1, &b));  // same code, other object
    list.Add(MethodOf(1, &a));
    std::vector<TMethodList::Id> before = list.Snapshot();

    list.Remove(MethodOf(1, &a));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), MethodOf(1, &a));
    EXPECT_EQ(list.Items(1), MethodOf(1, &b));
    EXPECT_NE(list.Find(before[0]), nullptr);
    EXPECT_EQ(list.Find(before[2]), nullptr);

    list.Remove(MethodOf(2, &a));  // none equal: nothing happens
    EXPECT_EQ(list.Count(), 2);
    list.Add(MethodOf(1, &a));  // a new registration is a new identity
    EXPECT_EQ(list.Find(before[2]), nullptr);
    EXPECT_EQ(list.Snapshot().size(), 3u);
}

}  // namespace
