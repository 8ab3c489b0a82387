#pragma once
#include <exception>
#include <functional>
#include <string>

// What a boundary does with an error: `text` is the exception's what()
// without trailing line ends, `error` the exception (null when it is no
// standard exception and `text` the boundary's own words for that).
using TErrorReport = std::function<void(const std::string& text, const std::exception* error)>;

// The one reporter of the exception being handled, for every place that keeps
// errors out of Qt's event loop. Call it inside a catch block only.
void ReportCurrentException(const TErrorReport& report, const std::string& unknown);
