#include "planner/rv_project.h"

#include "app/files/document_reader.h"
#include "app/files/embedded_document.h"
#include "planner/rave_project_file.h"

#include <stdexcept>

namespace korvex {

namespace {

// Far more than any layout needs; a larger file is not a template.
constexpr std::size_t kLargestProjectFile = 4 * 1024 * 1024;

std::string quotedPath(const QString& path) { return "\"" + path.toStdString() + "\""; }

}  // namespace

void RvProject::Open()
{
    if (project_)
        return;
    // A folder, pipe or link in its place is no more a project than nothing is.
    const FileContent file = ReadRegularFile(LocalPath(projectFile_), kLargestProjectFile);
    switch (file.outcome) {
    case ReadOutcome::Read:
        break;
    case ReadOutcome::Missing:
    case ReadOutcome::NotAFile:
        throw std::runtime_error("The following reporting project does not exist:\r" + quotedPath(projectFile_));
    case ReadOutcome::TooLarge:
        throw std::runtime_error("The reporting project " + quotedPath(projectFile_) + " is too large");
    case ReadOutcome::Refused:
    case ReadOutcome::BrokeOff:
        throw std::runtime_error("Cannot open file " + quotedPath(projectFile_) + ". " + file.reason);
    }
    try {
        project_ = ReadRaveProject(QByteArray::fromStdString(file.bytes));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("The reporting project " + quotedPath(projectFile_)
                                 + " cannot be read: " + error.what());
    }
}

RaveProject& RvProject::project()
{
    if (!project_)
        throw std::logic_error("The reporting project is not open");
    return *project_;
}

RaveProjectManager RvProject::ProjectManager() { return RaveProjectManager(project()); }

void RvProject::ExecuteReport(std::string_view reportName, QWidget* parent)
{
    for (const RaveReport& report : project().reports) {
        if (report.name != reportName)
            continue;
        std::vector<const RavePage*> pages;
        for (const RavePage& page : report.pages)
            pages.push_back(&page);
        system_.Execute(pages, parent);
        return;
    }
    throw std::runtime_error("The reporting project has no report \"" + std::string(reportName) + "\"");
}

}  // namespace korvex
