#pragma once
#include <cstdint>
#include <memory>
#include <string>

// The options of one project, stored beside its source as a ".jpf" file.
class TProjectOptions {
public:
    std::string Name;         // component name; never written
    int32_t Tag = 0;          // written only when not 0
    std::string MainFile;     // the source that owns the project
    std::string OptionsFile;  // the ".jpf" file itself
    std::string Classpath;    // entries separated by ";"
    int32_t DebugPort = 0;    // 0 = find the module automatically
};

// A project with the global class path and port, file "options.jpf".
std::unique_ptr<TProjectOptions> NewProjectOptions();

// Writes OptionsFile atomically; raises EFileError (path and reason).
void SaveProjectOptions(const TProjectOptions& project);

// Reads OptionsFile into the project; any failure raises IDE-50 and keeps
// what was read before it. MainFile and OptionsFile stay as they are.
void LoadProjectOptions(TProjectOptions& project);

// The file's bytes, and reading them back (IDE-50 for malformed bytes).
std::string EncodeProjectOptions(const TProjectOptions& project);
void DecodeProjectOptions(const std::string& bytes, TProjectOptions& project);
