#include "tests/debugger/DataWindowFixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

DataRig::DataRig()
{
    rig.host.dataView = &view;
}

DataRig::~DataRig()
{
    rig.session.SetJVM(nullptr);
    rig.host.dataView = nullptr;
}

std::string DataRig::Program(const std::string& name, const std::vector<std::string>& more)
{
    std::vector<std::pair<std::string, std::string>> sources;
    for (const std::string& file : more)
        sources.push_back({file, TempDir::ReadFile(SourceDir() + "/tests/debugger/programs/" + file)});
    sources.push_back({name + ".java", TempDir::ReadFile(SourceDir() + "/tests/debugger/programs/" + name + ".java")});
    return CompiledProgram(name, sources);
}

int DataRig::LineOf(const std::string& folder, const std::string& file, const std::string& marker)
{
    std::ifstream in(folder + "/" + file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line)
        if (text.find(marker) != std::string::npos) return line;
    ADD_FAILURE() << "no " << marker << " in " << file;
    return 0;
}

void DataRig::RunTo(const std::string& folder, const std::string& mainClass, const std::string& marker)
{
    rig.StartProgram(folder, mainClass);
    RunOnTo(folder, mainClass, marker);
}

void DataRig::RunOnTo(const std::string& folder, const std::string& mainClass, const std::string& marker)
{
    const int line = LineOf(folder, mainClass + ".java", marker);
    rig.host.current = rig.host.PageOf(rig.Source(folder, mainClass + ".java"));
    {
        SCOPED_TRACE(marker);
        rig.RunTo(line);
    }
    rig.session.ToggleBreakpointAt(line);
}

TTreeLine DataRig::Find(const IDebugTree& tree, const std::string& prefix)
{
    for (TTreeLine line = tree.First(); line; line = tree.Next(line))
        if (tree.Text(line).rfind(prefix, 0) == 0) return line;
    return nullptr;
}

TTreeLine DataRig::Line(const IDebugTree& tree, const std::string& prefix)
{
    TTreeLine line = Find(tree, prefix);
    EXPECT_NE(line, nullptr) << prefix;
    return line;
}

std::vector<std::string> DataRig::Children(const IDebugTree& tree, TTreeLine line)
{
    std::vector<std::string> texts;
    for (int i = 0; i < tree.ChildCount(line); ++i) texts.push_back(tree.Text(tree.Child(line, i)));
    return texts;
}

std::vector<std::string> DataRig::Messages() const
{
    std::vector<std::string> texts;
    for (const orusim::Event& event : rig.log.OfKind(orusim::EventKind::MessageSent)) texts.push_back(event.text);
    return texts;
}
