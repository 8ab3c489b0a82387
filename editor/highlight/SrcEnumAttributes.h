#pragma once
#include <functional>
#include <string>

class TSrcCustomHighlighter;
class TSrcHighlighterAttributes;

// Receives one attribute and its key name.
using TSrcHighlighterAttriProc = std::function<void(TSrcHighlighterAttributes& Attri, const std::string& KeyName)>;

// Calls Proc for each attribute of Highlighter in index order. The key name
// is the highlighter's class name without a leading "TSrc" or a trailing
// "Src", a ".", then the attribute's name ("Java.Comment").
void EnumHighlighterAttris(const TSrcCustomHighlighter& Highlighter, const TSrcHighlighterAttriProc& Proc);
