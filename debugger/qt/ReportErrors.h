#pragma once
#include <functional>

#include "foundation/EError.h"

// Runs a handler of a widget's signal: its errors are reported on the message
// list (ReportCurrentError), never thrown through Qt.
void Guarded(const std::function<void()>& handler);
