#pragma once
#include <cstdint>

// Error categories; ErrorCategoryNames is indexed by them.
enum TErrorCategory : uint32_t {
    ecLast = 0,  // ends the catalogue
    ecSYS = 1,
    ecJVM = 2,
    ecLNK = 3,
    ecIDE = 4,
};

struct TErrorCatalogueRow {
    uint32_t Category;
    uint32_t Number;
    const char* Text;  // printf format of the message
    const char* Problem;
    const char* Solution;
};

extern const char* const ErrorCategoryNames[5];

// The rows, ended by a row whose category is ecLast.
extern const TErrorCatalogueRow ErrorCatalogue[];

// The row of (category, number), or nullptr when the catalogue has none.
const TErrorCatalogueRow* FindErrorRow(uint32_t category, int32_t number);

// Name of a category, "?" for a value outside the table.
const char* ErrorCategoryName(uint32_t category);

extern const char* const MissingErrorText;  // "Cannot find text for error message"

// The row's unformatted texts; a code not in the catalogue gives
// MissingErrorText and two empty texts.
void LookupErrorText(uint32_t category, int32_t number, const char*& text, const char*& problem,
                     const char*& solution);
