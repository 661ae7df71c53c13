#include "projections/report_window.h"

#include "app/files/document_reader.h"
#include "app/files/embedded_document.h"
#include "app/widgets/message_box.h"
#include "app/files/pdf_file.h"
#include "app/files/save_location.h"
#include "app/files/saved_file.h"
#include "app/widgets/url_opener.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

#include <stdexcept>

namespace korvex {

namespace {

const QString kStyleSheet = QStringLiteral("Calculators.css");
// Ours is 1 KB; anything the report refers to is small.
constexpr std::size_t kLargestResource = 1024 * 1024;

// Loads what the report refers to, such as its style sheet, from regular
// files only: a pipe or a folder in its place counts as nothing there,
// instead of freezing the window.
class ReportDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl& name) override
    {
        if (!name.isLocalFile())
            return QByteArray();
        return QByteArray::fromStdString(
            TryReadDocument(LocalPath(name.toLocalFile()), kLargestResource).value_or(std::string()));
    }
};

// The report declares ISO-8859-1; writing every other character as a
// character reference keeps the file right under any ASCII-based charset.
QByteArray asciiHtml(const QString& html)
{
    QByteArray bytes;
    bytes.reserve(html.size());
    for (const char32_t c : html.toUcs4()) {
        if (c < 0x80)
            bytes.append(static_cast<char>(c));
        else
            bytes.append("&#" + QByteArray::number(static_cast<uint>(c)) + ';');
    }
    return bytes;
}

// Gives the saved report the style sheet it links, unless that name is taken
// by anything at all: the file is created exclusively, so a link or a pipe
// planted there is neither followed nor waited on.
void copyStyleSheet(const QString& source, const QString& target)
{
    const auto bytes = TryReadDocument(LocalPath(source), kLargestResource);
    QFile file(target);
    if (!bytes || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    if (file.write(bytes->data(), static_cast<qint64>(bytes->size())) != static_cast<qint64>(bytes->size())
        || !file.flush()) {
        file.close();
        file.remove();
    }
}

} // namespace

ReportWindow::ReportWindow(const QString& folder, SaveLocation& saves, QWidget* parent)
    : QMainWindow(parent)
    , folder_(folder)
    , saves_(saves)
    , view_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("newwin"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    view_->setObjectName(QStringLiteral("reportView"));
    view_->setOpenLinks(false);
    view_->setDocument(new ReportDocument(view_));
    setCentralWidget(view_);
    buildCommands();
}

QRect ReportWindow::placeOnScreen(const QRect& screen)
{
    const int left = screen.isValid() ? screen.x() + screen.width() / 2 - 300 : 0;
    const int top = screen.isValid() ? screen.y() + 20 : 20;
    return QRect(left, top, 600, 380);
}

void ReportWindow::buildCommands()
{
    auto* file = menuBar()->addMenu(tr("&File"));
    auto* tools = addToolBar(tr("Report"));
    tools->setObjectName(QStringLiteral("reportTools"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);

    const auto command = [&](const QString& name, const QString& text, QKeySequence keys, auto run) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        file->addAction(action);
        tools->addAction(action);
        return action;
    };
    command(QStringLiteral("printAction"), tr("&Print..."), QKeySequence::Print, &ReportWindow::print);
    command(
        QStringLiteral("saveAction"), tr("&Save as HTML..."), QKeySequence::Save, &ReportWindow::saveAsHtml);
    command(QStringLiteral("csvAction"), tr("Save as CS&V..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &ReportWindow::saveAsCsv);
    command(QStringLiteral("browserAction"), tr("Open in &Web Browser"), QKeySequence(Qt::CTRL | Qt::Key_B),
        &ReportWindow::openInBrowser);
    file->addSeparator();
    tools->addSeparator();
    command(QStringLiteral("closeAction"), tr("&Close"), QKeySequence(Qt::Key_Escape), [this] { close(); });
}

void ReportWindow::setReport(const QString& html, const QByteArray& csv, const QString& tableError)
{
    html_ = html;
    csv_ = csv;
    tableError_ = tableError;
    // Relative names in the report, such as its style sheet, resolve in the folder.
    view_->document()->setBaseUrl(QUrl::fromLocalFile(folder_ + QLatin1Char('/')));
    view_->setHtml(html);
    const QString title = view_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Report") : title);
    view_->setAccessibleName(windowTitle());
}

void ReportWindow::printTo(QPrinter& printer) const
{
    if (PrintsToPdfFile(printer))
        SavePdf(printer, [this](QPagedPaintDevice& pdf) { view_->document()->print(&pdf); });
    else
        view_->document()->print(&printer);
}

void ReportWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintPreviewDialog preview(&printer, this);
    connect(
        &preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { printTo(*target); });
    preview.exec();
}

void ReportWindow::saveTo(const QString& path) const
{
    SaveFile(path, asciiHtml(html_));
    // The report links its style sheet by its bare name.
    copyStyleSheet(QDir(folder_).filePath(kStyleSheet), QFileInfo(path).dir().filePath(kStyleSheet));
}

void ReportWindow::saveCsvTo(const QString& path) const
{
    SaveFile(path, csv_);
}

void ReportWindow::saveThroughDialog(const QString& title, const QString& suffix, const QString& filter,
    void (ReportWindow::*save)(const QString&) const)
{
    const QString name
        = DatedFileName(QStringLiteral("Profit projection"), clock_().date(), QLatin1Char('.') + suffix);
    saves_.saveThroughDialog(this, title, name, filter, [this, save](const QString& path) { (this->*save)(path); });
}

void ReportWindow::saveAsHtml()
{
    saveThroughDialog(
        tr("Save Report as HTML"), QStringLiteral("html"), tr("Web pages (*.html *.htm)"), &ReportWindow::saveTo);
}

void ReportWindow::saveAsCsv()
{
    // The same message the error page gives, and no file.
    if (!tableError_.isEmpty()) {
        showMessageBox({ QStringLiteral("Error"), tableError_, QMessageBox::Critical });
        return;
    }
    saveThroughDialog(
        tr("Save Month Table as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"), &ReportWindow::saveCsvTo);
}

QString ReportWindow::browserCopyPath() const
{
    return QDir(folder_).filePath(QStringLiteral("Report.html"));
}

void ReportWindow::openInBrowser()
{
    const QString path = browserCopyPath();
    // Saved like the report itself: a link planted at the name is replaced,
    // never written through, and a full disk is an error, not half a page.
    SaveFile(path, asciiHtml(html_));
    if (!openUrl(QUrl::fromLocalFile(path)))
        throw std::runtime_error(QStringLiteral("No web browser could open \"%1\"")
                                     .arg(QDir::toNativeSeparators(path))
                                     .toStdString());
}

} // namespace korvex
