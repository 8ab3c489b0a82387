#pragma once
#include <array>
#include <string_view>
#include <vector>

// One code template: its name in the list and its lines, in order.
struct TCodeTemplate {
    std::string_view Name;
    std::vector<std::string_view> Lines;
};

constexpr int CodeTemplateCount = 19;

// The templates in list order (already sorted by name).
const std::array<TCodeTemplate, CodeTemplateCount>& CodeTemplates();
// The lines of File | Insert Template.
const std::vector<std::string_view>& NewClassSkeleton();
