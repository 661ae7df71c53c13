// Any bytes in the report template's place must either be refused with a
// message or give a project that fills and draws as a printed plan does.

#include "fuzz/offscreen_application.h"
#include "planner/rave_painter.h"
#include "planner/rave_project.h"
#include "planner/rave_project_file.h"
#include "planner/trade_plan_report.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPicture>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartOffscreenApplication<QGuiApplication>("fuzz_report_template");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvex::RaveProject project;
    try {
        project = korvex::ReadRaveProject(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const std::runtime_error& error) {
        if (*error.what() == '\0')
            __builtin_trap();
        return 0;
    }
    try {
        const korvex::TradePlanSheet sheet{"25000", "KVX", "Long", "12.5", "15", "11", "200", "2:1", "$500.00",
                                           "2.00 %", "$300.00", "1.20 %", "first line\r\nsecond line"};
        korvex::RavePage& page = korvex::RaveProjectManager(project).FindPage(korvex::kTradePlanPage);
        korvex::FillTradePlanPage(page, korvex::TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM"));
    } catch (const std::runtime_error&) {
        // A project without the plan's page or items is refused at print time.
    }
    for (const korvex::RaveReport& report : project.reports) {
        for (const korvex::RavePage& page : report.pages) {
            QPicture picture;
            const korvex::RavePrintout printout({&page}, &picture);
            QPainter painter(&picture);
            for (int sheet = 0; sheet < printout.sheetCount(); ++sheet)
                printout.drawSheet(painter, sheet);
        }
    }
    return 0;
}
