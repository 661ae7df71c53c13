// Saves and prints to a file on a real, full file system: a small tmpfs,
// mounted for the test where the system lets us.

#include "app/files/embedded_document.h"
#include "app/files/save_location.h"
#include "app/widgets/url_opener.h"
#include "planner/rave_painter.h"
#include "planner/rave_project.h"
#include "planner/rave_project_file.h"
#include "planner/rv_system.h"
#include "planner/trade_plan_report.h"
#include "projections/report_window.h"
#include "tests/app/temp_folder.h"
#include "tests/error_of.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace korvex {
namespace {

constexpr long kPage = 4096;

// A 64 KB tmpfs on a folder of its own, unmounted however the test ends.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder)
        : folder_(folder)
    {
        std::filesystem::create_directory(utf8Path(folder));
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0)
            mounted_ = true;
        else
            reason_ = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }

    // Fills the disk with one file, then gives back this many bytes.
    void fillLeaving(long bytes) const
    {
        const std::string filler = folder_ + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string block(kPage, 'f');
        long size = 0;
        while (::write(fd, block.data(), block.size()) == kPage)
            size += kPage;
        ASSERT_EQ(::ftruncate(fd, size - bytes), 0);
        ::close(fd);
    }

private:
    std::string folder_;
    bool mounted_ = false;
    std::string reason_;
};

RavePage& planPage(RaveProject& project) { return RaveProjectManager(project).FindPage(kTradePlanPage); }

void printPlan(const QString& path)
{
    RaveProject project = ReadRaveProject(EmbeddedDocument(QStringLiteral("myReport")));
    const RavePage& page = planPage(project);
    QPrinter printer(QPrinter::HighResolution);
    RvSystem::SetUpPdfFile(printer, page, path);
    const RavePrintout printout({&page}, &printer);
    RvSystem::PrintPages(printer, printout, 1, printout.sheetCount());
}

// A report of a few pages, with a table of a few kilobytes.
void fillReport(ReportWindow& window)
{
    QString html = QStringLiteral("<HTML><BODY>");
    QByteArray csv = "Month,Additions,Profit,Balance\r\n";
    for (int month = 1; month <= 300; ++month) {
        html += QStringLiteral("<P>Month %1: $1,200, $33, $2,233</P>").arg(month);
        csv += QByteArray::number(month) + ",1200.00,32.96,2232.96\r\n";
    }
    window.setReport(html + QStringLiteral("</BODY></HTML>"), csv, QString());
}

void printReport(const ReportWindow& window, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    window.printTo(printer);
}

// The browser copy is written, and taken, without a browser.
struct NoBrowser {
    NoBrowser() { setUrlOpener([](const QUrl&) { return true; }); }
    ~NoBrowser() { setUrlOpener({}); }
    NoBrowser(const NoBrowser&) = delete;
    NoBrowser& operator=(const NoBrowser&) = delete;
};

struct Output {
    const char* name;
    std::function<void(const QString&)> write;
    const char* complete;  // how a complete file ends
};

TEST(FullDisk, EverySaveAndPrintToAFileIsCompleteOrAnErrorThatKeepsTheOldFile)
{
    TempFolder temp;
    SaveLocation saves;
    ReportWindow report(QString::fromStdString(temp.path("disk")), saves);
    fillReport(report);
    if (const SmallDisk probe(temp.path("disk")); !probe.mounted())
        GTEST_SKIP() << "cannot mount a small file system here: " << probe.reason();
    const NoBrowser browser;
    const Output outputs[] = {
        {"plan.pdf", printPlan, "%%EOF\n"},
        {"report.pdf", [&](const QString& path) { printReport(report, path); }, "%%EOF\n"},
        {"report.html", [&](const QString& path) { report.saveTo(path); }, "</BODY></HTML>"},
        {"table.csv", [&](const QString& path) { report.saveCsvTo(path); }, "2232.96\r\n"},
        {"Report.html", [&](const QString&) { report.openInBrowser(); }, "</BODY></HTML>"},
    };
    for (const Output& output : outputs) {
        for (const long free : {0L, kPage}) {
            SCOPED_TRACE(std::string(output.name) + " with " + std::to_string(free) + " bytes free");
            const SmallDisk disk(temp.path("disk"));
            ASSERT_TRUE(disk.mounted()) << disk.reason();
            const std::string path = temp.path("disk/") + output.name;
            writeFile(path, "old");
            disk.fillLeaving(free);

            const std::string error = errorOf([&] { output.write(QString::fromStdString(path)); });
            const std::string written = fileContent(path);
            if (error == "no error") {
                EXPECT_TRUE(written.ends_with(output.complete)) << written.size() << " bytes, reported saved";
            } else {
                EXPECT_EQ(error, "Cannot create file \"" + path + "\". No space left on device");
                EXPECT_EQ(written, "old");
            }
            EXPECT_TRUE(free > 0 || error != "no error") << "nothing was written, yet no error";
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path("disk")), {}), 2)
                << "a temporary file is left";
        }
    }
}

}  // namespace
}  // namespace korvex
