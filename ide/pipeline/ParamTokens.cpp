#include "ide/pipeline/ParamTokens.h"

namespace {

bool IsSeparator(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

const char* SkipSeparators(const char* p)
{
    while (IsSeparator(*p)) ++p;
    return p;
}

}  // namespace

const char* NextParamToken(const char* text, std::string& token)
{
    token.clear();
    const char* p = SkipSeparators(text);
    while (p[0] == '"' && p[1] == '"') p = SkipSeparators(p + 2);

    bool quoted = false;
    for (; *p != '\0'; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && IsSeparator(*p)) break;
        if (token.size() < ParamTokenCapacity) token.push_back(*p);
    }
    return p;
}

std::vector<std::string> ParamFiles(const std::string& commandLine)
{
    std::vector<std::string> files;
    std::string token;
    const char* p = NextParamToken(commandLine.c_str(), token);  // the program
    for (;;) {
        p = NextParamToken(p, token);
        if (token.empty()) break;
        files.push_back(token);
    }
    return files;
}

std::string QuoteCommandLine(const std::vector<std::string>& args)
{
    std::string line;
    for (const std::string& arg : args) {
        std::string word;
        bool needsQuotes = arg.empty();
        for (char c : arg) {
            if (c == '"') continue;
            if (IsSeparator(c)) needsQuotes = true;
            word.push_back(c);
        }
        if (!line.empty()) line.push_back(' ');
        line += needsQuotes ? '"' + word + '"' : word;
    }
    return line;
}
