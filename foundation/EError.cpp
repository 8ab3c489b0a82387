#include "foundation/EError.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "foundation/LinInfo.h"
#include "foundation/Messages.h"
#include "platform/CurrentException.h"

std::string FormatLimited(size_t capacity, const char* format, va_list args) {
    std::vector<char> buffer(capacity + 1);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (n < 0) return std::string();
    return std::string(buffer.data());
}

namespace {
std::string FormatText(size_t capacity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = FormatLimited(capacity, format, args);
    va_end(args);
    return s;
}
}  // namespace

EError::EError(uint32_t category, int32_t number, ...)
    : std::runtime_error(std::string()), Category(category), Number(number) {
    va_list args;
    va_start(args, number);
    Build(args);
    va_end(args);
}

void EError::Build(va_list args) {
    const TErrorCatalogueRow* row = FindErrorRow(Category, Number);
    if (!row) {
        Text = MissingErrorText;
        Problem = "";
        Solution = "";
        Message = FormatText(Capacity, "Cannot find text for error message (%d).\n", Number);
        return;
    }
    Text = FormatLimited(Capacity, row->Text, args);
    Problem = row->Problem;
    Solution = row->Solution;
    Message = FormatText(Capacity, "[ Error %s-%04d] %s\n", ErrorCategoryName(Category), Number,
                         Text.c_str());
}

void EError::Report() const {
    MessagePrintfObject(std::make_unique<TLinInfo>(Category, Number), "%s", Message.c_str());
}

void ReportCurrentError() {
    ReportCurrentException(
        [](const std::string& text, const std::exception* error) {
            if (auto* coded = dynamic_cast<const EError*>(error))
                coded->Report();
            else
                MessagePrintf("%s", text.c_str());
        },
        "Unknown error.");
}

void ReportError(uint32_t category, int32_t number, ...) {
    const char* text;
    const char* problem;
    const char* solution;
    LookupErrorText(category, number, text, problem, solution);
    va_list args;
    va_start(args, number);
    std::string filled = FormatLimited(EError::Capacity, text, args);
    va_end(args);
    MessagePrintf("[Error %s-%04d] %s", ErrorCategoryName(category), number, filled.c_str());
}
