#include "simulator/simulator_page.h"

#include "app/documents/host_document_file.h"
#include "app/widgets/url_opener.h"
#include "simulator/curve_figures_view.h"
#include "simulator/my_panel.h"
#include "simulator/page_text_view.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace korvex {

namespace {

// The area the page's browser had, and the margin of a document's body.
const QRect DocumentArea(8, 8, 694, 545);
constexpr int BodyMargin = 8;
// The top margin a browser gives the paragraph that follows the panel.
constexpr int ParagraphGap = 13;

// The panel's size from the document; sizes that do not read as a whole
// number take the panel's usual size, and the rest is kept to sizes whose
// drawing and tables stay small.
int panelMeasure(const HostDocument& document, std::string_view name, int usual, int least, int most)
{
    const auto text = document.attribute(name);
    int value = usual;
    if (text) {
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error != std::errc() || end != text->data() + text->size())
            value = usual;
    }
    return std::clamp(value, least, most);
}

// A line break right after the panel ends the panel's own line in a
// browser; under a panel that stands on its own it would add an empty line.
std::string afterPanelLine(std::string markup)
{
    const std::size_t start = markup.find_first_not_of(" \t\r\n");
    if (start == std::string::npos || markup.size() - start < 4 || markup[start] != '<'
        || (markup[start + 1] | 0x20) != 'b' || (markup[start + 2] | 0x20) != 'r')
        return markup;
    const char next = markup[start + 3];
    if (next != '>' && next != '/' && next != ' ')
        return markup;
    const std::size_t close = markup.find('>', start);
    return close == std::string::npos ? markup : markup.substr(close + 1);
}

}  // namespace

SimulatorPage::SimulatorPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_Simulator"));
    wbSimulator = new QScrollArea(this);
    wbSimulator->setObjectName(QStringLiteral("wbSimulator"));
    wbSimulator->setGeometry(DocumentArea);
    wbSimulator->setFocusPolicy(Qt::ClickFocus);
    wbSimulator->setAccessibleName(QStringLiteral("Simulator"));
    wbSimulator->setBackgroundRole(QPalette::Base);
    wbSimulator->setFrameShape(QFrame::NoFrame);
    wbSimulator->setWidgetResizable(false);
}

void SimulatorPage::clear()
{
    panel_ = nullptr;
    delete wbSimulator->takeWidget();
}

void SimulatorPage::addFigures(int width, QWidget* content)
{
    auto* figures = new CurveFiguresView(width, content);
    figures->showStatistics(panel_->statistics());
    My* panel = panel_;
    connect(panel, &My::curvesGenerated, figures, [figures, panel] { figures->showStatistics(panel->statistics()); });
    content->layout()->addWidget(figures);
}

void SimulatorPage::navigate(const QString& hostDocumentPath)
{
    clear();
    const auto loaded = LoadHostDocument(hostDocumentPath);
    if (!loaded)
        return;
    const HostDocument& document = *loaded;
    const QDir folder = QFileInfo(hostDocumentPath).absoluteDir();

    const int textWidth = DocumentArea.width() - 2 * BodyMargin
        - wbSimulator->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("hostDocument"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(BodyMargin, BodyMargin, BodyMargin, BodyMargin);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (document.markupBefore.find_first_not_of(" \t\r\n") != std::string::npos)
        layout->addWidget(new PageTextView(QString::fromStdString(document.markupBefore), textWidth, content));
    if (document.hasPanel) {
        const QSize size(panelMeasure(document, "width", 653, 250, 2000),
                         panelMeasure(document, "height", 408, 130, 1500));
        PanelHost host;
        host.getParameter = [document](std::string_view name) { return document.parameter(name); };
        host.showStatus = [this](const QString& text) { statusText_ = text; };
        host.showDocument = [](const QString& address, const QString&) { openUrl(QUrl(address)); };
        host.getImage = [folder](const QString& name) { return LoadPicture(folder.filePath(name)); };
        panel_ = new My(size, std::move(host), content);
        layout->addWidget(panel_, 0, Qt::AlignLeft);
        layout->addSpacing(ParagraphGap);
        addFigures(textWidth, content);
        layout->addSpacing(ParagraphGap);
    }
    const std::string after = document.hasPanel ? afterPanelLine(document.markupAfter) : document.markupAfter;
    layout->addWidget(new PageTextView(QString::fromStdString(after), textWidth, content));
    wbSimulator->setWidget(content);
}

}  // namespace korvex
