#include "editor/print/SrcHeaderFooterText.h"

#include <charconv>

#include "editor/support/SrcExceptions.h"

std::string JoinFields(const std::vector<std::string>& Fields) {
    std::string result;
    for (size_t i = 0; i < Fields.size(); ++i) {
        if (i > 0) {
            result += '/';
        }
        result += Fields[i];
    }
    return result;
}

std::vector<std::string> SplitFields(const std::string& Text) {
    std::vector<std::string> fields;
    if (Text.empty()) {
        return fields;
    }
    size_t start = 0;
    for (;;) {
        size_t slash = Text.find('/', start);
        fields.push_back(Text.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos) {
            return fields;
        }
        start = slash + 1;
    }
}

int FieldNumber(const std::string& Text, int Min, int Max) {
    long long value = 0;
    auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error != std::errc() || end != Text.data() + Text.size() || Text.empty() || value < Min || value > Max) {
        throw EConvertError("'" + Text + "' is not a valid number here");
    }
    return static_cast<int>(value);
}
