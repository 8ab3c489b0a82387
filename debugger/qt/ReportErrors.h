#pragma once
#include <functional>

// Reports the exception being handled on the message list.
void ReportCurrentError();
// Runs a handler of a widget's signal: its errors are reported, never thrown through Qt.
void Guarded(const std::function<void()>& handler);
