#include "debugger/ExpandedNames.h"

#include <algorithm>

std::string NodeName(const std::string& text)
{
    return text.substr(0, text.find('='));
}

void SaveExpanded(std::vector<std::string>& names, const IDebugTree& tree)
{
    names.clear();
    for (TTreeLine line = tree.First(); line; line = tree.Next(line)) {
        const std::string text = tree.Text(line);
        if (!text.empty() && tree.IsExpanded(line)) names.push_back(NodeName(text));
    }
}

void RestoreExpanded(std::vector<std::string> names, IDebugTree& tree)
{
    for (TTreeLine line = tree.First(); line && !names.empty(); line = tree.Next(line)) {
        const std::string text = tree.Text(line);
        const std::string name = NodeName(text);
        if (text.empty() || name.empty()) continue;
        auto found = std::find(names.begin(), names.end(), name);
        if (found == names.end()) continue;
        names.erase(found);
        tree.Expand(line, false);
    }
}
