#include "planner/rave_project.h"

#include <cmath>
#include <set>
#include <stdexcept>

namespace korvex {

namespace {

// Larger than any paper a printer takes; keeps damaged templates from
// asking the painter for pages miles wide.
constexpr double kLongestLength = 100;  // inches
constexpr double kLargestFont = 500;    // points

std::string quoted(std::string_view text)
{
    std::string result(1, '"');
    result.append(text);
    result += '"';
    return result;
}

[[noreturn]] void reject(const std::string& what) { throw std::runtime_error(what); }

void checkLength(double value, bool mayBeZero, const std::string& what)
{
    if (!std::isfinite(value) || value < 0 || (value == 0 && !mayBeZero) || value > kLongestLength)
        reject(what + " is out of range");
}

void validateItem(const RaveItem& item, const std::string& where)
{
    if (item.name.empty())
        reject("An item of " + where + " has no name");
    const std::string what = "The item " + quoted(item.name) + " of " + where;
    checkLength(item.left, true, what + ": its left edge");
    checkLength(item.top, true, what + ": its top");
    checkLength(item.width, false, what + ": its width");
    checkLength(item.height, false, what + ": its height");
    if (!std::isfinite(item.font.size) || item.font.size <= 0 || item.font.size > kLargestFont)
        reject(what + ": its font size is out of range");
    if (item.font.name.empty())
        reject(what + " has no font name");
    if (item.font.color > 0xFFFFFF)
        reject(what + ": its colour is out of range");
}

void validatePage(const RavePage& page, const std::string& reportName)
{
    if (page.name.empty())
        reject("A page of the report " + quoted(reportName) + " has no name");
    const std::string where = "the page " + quoted(reportName + "." + page.name);
    checkLength(page.paperWidth, false, "The paper width of " + where);
    checkLength(page.paperHeight, false, "The paper height of " + where);
    std::set<std::string, std::less<>> names;
    for (const RaveItem& item : page.items) {
        validateItem(item, where);
        if (!names.insert(item.name).second)
            reject("The item " + quoted(item.name) + " appears twice on " + where);
    }
}

RaveItem& findItem(RavePage& page, std::string_view name, RaveKind kind, const char* kindName)
{
    for (RaveItem& item : page.items) {
        if (item.name != name)
            continue;
        if (item.kind != kind)
            reject("The report item " + quoted(name) + " is not " + kindName);
        return item;
    }
    reject("The report page " + quoted(page.name) + " has no item " + quoted(name));
}

}  // namespace

void ValidateRaveProject(const RaveProject& project)
{
    if (project.name.empty())
        reject("The reporting project has no name");
    std::set<std::string, std::less<>> reports;
    for (const RaveReport& report : project.reports) {
        if (report.name.empty())
            reject("A report of the project has no name");
        if (!reports.insert(report.name).second)
            reject("The report " + quoted(report.name) + " appears twice");
        std::set<std::string, std::less<>> pages;
        for (const RavePage& page : report.pages) {
            validatePage(page, report.name);
            if (!pages.insert(page.name).second)
                reject("The page " + quoted(report.name + "." + page.name) + " appears twice");
        }
    }
}

RaveProjectManager::RaveProjectManager(RaveProject& project)
    : project_(project)
{
}

RavePage& RaveProjectManager::FindPage(std::string_view fullName) const
{
    const std::size_t dot = fullName.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view reportName = fullName.substr(0, dot);
        const std::string_view pageName = fullName.substr(dot + 1);
        for (RaveReport& report : project_.reports) {
            if (report.name != reportName)
                continue;
            for (RavePage& page : report.pages) {
                if (page.name == pageName)
                    return page;
            }
        }
    }
    reject("The reporting project has no page " + quoted(fullName));
}

RaveItem& RaveProjectManager::FindText(RavePage& page, std::string_view name)
{
    return findItem(page, name, RaveKind::Text, "a text item");
}

RaveItem& RaveProjectManager::FindMemo(RavePage& page, std::string_view name)
{
    return findItem(page, name, RaveKind::Memo, "a memo");
}

}  // namespace korvex
