#include "foundation/ProjectOptions.h"

#include <strings.h>

#include "foundation/ComponentStream.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "foundation/StoredPath.h"
#include "platform/FileIO.h"

namespace {
const char* const ClassName = "TProjectOptions";
constexpr size_t MaxProjectFileSize = 16 * 1024 * 1024;

bool Is(const std::string& name, const char* property) {
    return strcasecmp(name.c_str(), property) == 0;
}

// The stored main and options paths are read but not taken: the project keeps
// the paths it was read for, so that saving writes back to the same place.
void ReadProperty(TComponentReader& reader, const std::string& name, TProjectOptions& project) {
    if (Is(name, "MainFile") || Is(name, "OptionsFile"))
        reader.ReadStringValue();
    else if (Is(name, "Classpath"))
        project.Classpath = FromStoredPath(reader.ReadStringValue());
    else if (Is(name, "DebugPort"))
        project.DebugPort = reader.ReadIntegerValue();
    else if (Is(name, "Tag"))
        project.Tag = reader.ReadIntegerValue();
    else if (Is(name, "Name"))
        project.Name = reader.ReadStringValue();
    else
        throw EStreamMalformed("unknown property");
}

void ReadStream(const std::string& bytes, TProjectOptions& project) {
    TComponentReader reader(bytes);
    reader.ReadResourceHeader();
    reader.ReadSignature();
    reader.ReadShortString();  // class name, not compared
    project.Name = reader.ReadShortString();
    for (std::string name = reader.ReadShortString(); !name.empty(); name = reader.ReadShortString())
        ReadProperty(reader, name, project);
    if (reader.ReadByte() != 0) throw EStreamMalformed("child components");
}
}  // namespace

std::unique_ptr<TProjectOptions> NewProjectOptions() {
    auto project = std::make_unique<TProjectOptions>();
    project->OptionsFile = "options.jpf";
    project->DebugPort = GlobalOptions.DebugPort;
    project->Classpath = GlobalOptions.ClassPath;
    return project;
}

std::string EncodeProjectOptions(const TProjectOptions& project) {
    TComponentWriter writer;
    writer.WriteStreamStart(ClassName, "");
    if (project.Tag != 0) writer.WriteProperty("Tag", project.Tag);
    if (!project.MainFile.empty()) writer.WriteProperty("MainFile", project.MainFile);
    if (!project.OptionsFile.empty()) writer.WriteProperty("OptionsFile", project.OptionsFile);
    if (!project.Classpath.empty()) writer.WriteProperty("Classpath", project.Classpath);
    if (project.DebugPort != 0) writer.WriteProperty("DebugPort", project.DebugPort);
    writer.WriteEndOfList();
    writer.WriteEndOfList();
    return writer.Resource(ClassName);
}

void DecodeProjectOptions(const std::string& bytes, TProjectOptions& project) {
    try {
        ReadStream(bytes, project);
    } catch (const EStreamMalformed&) {
        throw EError(ecIDE, 50);
    }
}

void SaveProjectOptions(const TProjectOptions& project) {
    WriteFileAtomically(project.OptionsFile, EncodeProjectOptions(project));
}

void LoadProjectOptions(TProjectOptions& project) {
    std::string bytes;
    if (!ReadWholeFile(project.OptionsFile, bytes, MaxProjectFileSize)) throw EError(ecIDE, 50);
    DecodeProjectOptions(bytes, project);
}
