#pragma once
#include <string>
#include <vector>

// A token holds at most this many characters; the rest of a longer word is
// skipped.
constexpr size_t ParamTokenCapacity = 4095;

// Reads the next word of a command line into `token` and returns the position
// behind it. Characters 1 to 32 separate words; a double quote opens a quoted
// run (blanks included) up to the next double quote; quotes are not copied.
// An empty pair of quotes at a word's start is skipped. Bytes above 127 are
// ordinary characters (paths are UTF-8). At the end of the text the token is
// empty.
const char* NextParamToken(const char* text, std::string& token);

// The words of a hand-over command line after the program name, up to the
// first empty token.
std::vector<std::string> ParamFiles(const std::string& commandLine);

// A command line that NextParamToken reads back as `args`: a word that is
// empty or holds a character up to 32 is quoted. A double quote inside a
// word cannot be carried and is dropped.
std::string QuoteCommandLine(const std::vector<std::string>& args);
