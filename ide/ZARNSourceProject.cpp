// A page's project: the ".jpf" file beside its source.
#include <cerrno>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/ProjectOptions.h"
#include "ide/FileChecks.h"
#include "ide/ZARNSource.h"
#include "platform/FileError.h"

namespace {

std::unique_ptr<TProjectOptions> ProjectFor(const std::string& sourcePath)
{
    auto project = NewProjectOptions();  // the global class path and port
    project->OptionsFile = CZARNSource::ProjectFileOf(sourcePath);
    project->MainFile = sourcePath;
    return project;
}

}  // namespace

std::string CZARNSource::ProjectFileOf(const std::string& sourcePath)
{
    const size_t slash = sourcePath.find_last_of('/');
    const size_t dot = sourcePath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? sourcePath.substr(0, dot) : sourcePath) + ".jpf";
}

void CZARNSource::LoadProject()
{
    const std::string file = ProjectFileOf(filePath_);
    if (!FileExists(file)) return;
    auto project = ProjectFor(filePath_);
    try {
        if (!IsRegularFile(file)) throw EError(ecIDE, 50);
        LoadProjectOptions(*project);
        project_ = std::move(project);
    } catch (const EError& error) {
        error.Report();
    }
}

void CZARNSource::CreateProject()
{
    if (project_) return;
    project_ = ProjectFor(filePath_);
    SaveProject();
}

void CZARNSource::SaveProject()
{
    if (!project_) return;
    try {
        SaveProjectOptions(*project_);
    } catch (const EFileError& error) {
        const int number = ErrorNumberInText(error.Reason);
        throw EError(ecIDE, 17, error.Path.c_str(), number, error.Reason.c_str());
    }
}

void CZARNSource::DropProject()
{
    project_.reset();
}

CZARNSource::~CZARNSource()
{
    try {
        SaveProject();
    } catch (const EError& error) {
        error.Report();
    }
}
