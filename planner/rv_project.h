#pragma once

#include "planner/rave_project.h"
#include "planner/rv_system.h"

#include <QString>

#include <optional>
#include <string_view>

class QWidget;

namespace korvex {

// The report project of the Trade Planner: loaded from its file for one
// print and unloaded after it, so every print starts from the file.
class RvProject {
public:
    void setProjectFile(const QString& path) { projectFile_ = path; }
    const QString& ProjectFile() const { return projectFile_; }

    // Loads the project file unless the project is open already. Throws when
    // the file is missing (or was never named) or cannot be read.
    void Open();
    void Close() { project_.reset(); }
    bool isOpen() const { return project_.has_value(); }

    // Only while the project is open.
    RaveProjectManager ProjectManager();
    // Produces every page of a report through the output system.
    void ExecuteReport(std::string_view reportName, QWidget* parent);
    RvSystem& system() { return system_; }

private:
    RaveProject& project();

    QString projectFile_;
    std::optional<RaveProject> project_;
    RvSystem system_;
};

// Closes the project however the print ends.
class OpenRvProject {
public:
    explicit OpenRvProject(RvProject& project)
        : project_(project)
    {
        project_.Open();
    }
    ~OpenRvProject() { project_.Close(); }
    OpenRvProject(const OpenRvProject&) = delete;
    OpenRvProject& operator=(const OpenRvProject&) = delete;

private:
    RvProject& project_;
};

}  // namespace korvex
