#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "tests/editor/common/NotifyCounter.h"

// How often the object's OnChange fired while Change ran.
template <typename Object, typename Change>
int Fires(Object& Target, Change&& Run) {
    NotifyCounter counter;
    Target.OnChange = counter.Event();
    Run();
    Target.OnChange = {};
    return counter.count;
}

// A setter called with the value the object holds and with a new one.
template <typename Object>
struct SetterRow {
    const char* name;
    std::function<void(Object&)> same;
    std::function<void(Object&)> changed;
};

// On a fresh object from Make, every setter fires nothing for the value it
// holds, once for a new value, and nothing when given that value again.
template <typename Object, typename Make>
void ExpectSettersFireOnce(Make&& MakeObject, std::initializer_list<SetterRow<Object>> Rows) {
    for (const SetterRow<Object>& row : Rows) {
        auto target = MakeObject();
        EXPECT_EQ(Fires(*target, [&] { row.same(*target); }), 0) << row.name;
        EXPECT_EQ(Fires(*target, [&] { row.changed(*target); }), 1) << row.name;
        EXPECT_EQ(Fires(*target, [&] { row.changed(*target); }), 0) << row.name;
    }
}
