#include "simulator/curve_figures_view.h"

#include "app/fonts.h"
#include "simulator/figures_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace korvex {

namespace {

constexpr int Rows = 5;

// The page's explanations are Verdana at HTML size 2 over a browser's
// 12-point text; size 2 is eight tenths of that.
constexpr double PagePointSize = 12 * 0.8;
// The smallest the table's text gets to fit its widest figures.
constexpr double LeastPointSize = 7.0;

QFont pageTextFont(double pointSize = PagePointSize)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    return evenlySpaced(font);
}

void setTableFont(QTableWidget* table, const QFont& font)
{
    table->setFont(font);
    table->horizontalHeader()->setFont(font);
    table->verticalHeader()->setFont(font);
}

// The width the table needs to show every text of its headers and cells whole.
int neededWidth(const QTableWidget* table)
{
    int widest = 0;
    for (int c = 0; c < table->columnCount(); ++c)
        widest = std::max({widest, static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(c),
                           table->horizontalHeader()->sectionSizeHint(c)});
    return table->verticalHeader()->sizeHint().width() + widest * table->columnCount() + 2 * table->frameWidth();
}

QString pageHtml(const QString& inner)
{
    return QStringLiteral("<font face=\"Verdana\" size=\"2\">%1</font>").arg(inner);
}

QString fromText(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

CurveFiguresView::CurveFiguresView(int width, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("curveFigures"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    headings_.emplace_back(addLine(), QStringLiteral("<b><i>%1</i></b>").arg(QString::fromLatin1(FiguresHeading)));
    explanation_ = addLine();
    headings_.emplace_back(explanation_, QString::fromLatin1(FiguresExplanation).toHtmlEscaped());
    for (int line = 0; line < 4; ++line)
        countLines_.push_back(addLine());
    setFixedWidth(width);
    // Nothing of it is measured while the page is hidden (see showEvent).
    for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        part->hide();
}

// Made when the page is first shown, as nobody can see or reach it before;
// it takes the place, the rank among its siblings and the tab order it
// would have had if made with the lines round it.
void CurveFiguresView::addTable()
{
    const auto& columns = figureColumnTitles();
    table_ = new QTableWidget(Rows, static_cast<int>(columns.size()), this);
    table_->setObjectName(QStringLiteral("curveFiguresTable"));
    table_->setAccessibleName(QString::fromLatin1(FiguresHeading));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setFixedWidth(width());
    for (int c = 0; c < table_->columnCount(); ++c) {
        const QString title = QString::fromStdString(columns[static_cast<std::size_t>(c)]);
        // "(1 in 20)" on a line of its own leaves the columns room for the figures.
        auto* header = new QTableWidgetItem(QString(title).replace(QStringLiteral(" ("), QStringLiteral("\n(")));
        header->setData(Qt::AccessibleTextRole, title);
        table_->setHorizontalHeaderItem(c, header);
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->installEventFilter(this);
    static_cast<QBoxLayout*>(layout())->insertWidget(layout()->indexOf(explanation_) + 1, table_);
    table_->stackUnder(countLines_.front());
    QWidget::setTabOrder(explanation_, table_);
}

QLabel* CurveFiguresView::addLine()
{
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::RichText);
    // Sized as the page's text, whose size 2 it takes.
    QFont base(QStringLiteral("Times New Roman"));
    base.setPointSize(12);
    label->setFont(evenlySpaced(base));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    layout()->addWidget(label);
    return label;
}

void CurveFiguresView::showStatistics(const CurveStatistics& statistics)
{
    text_ = QString::fromStdString(figuresAsText(statistics));
    if (isVisible())
        fill(statistics);
    else
        unshown_ = statistics;
}

void CurveFiguresView::showEvent(QShowEvent* event)
{
    if (!table_)
        addTable();
    for (const auto& [label, html] : headings_)
        label->setText(pageHtml(html));
    headings_.clear();
    if (unshown_) {
        fill(*unshown_);
        unshown_.reset();
    }
    for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        part->show();
    QWidget::showEvent(event);
}

void CurveFiguresView::fill(const CurveStatistics& statistics)
{
    const std::vector<FigureRow> rows = figureRows(statistics);
    for (int r = 0; r < Rows; ++r) {
        const FigureRow& row = rows[static_cast<std::size_t>(r)];
        table_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::fromStdString(row.title)));
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row.cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    const std::vector<std::string> lines = figureCountLines(statistics);
    for (std::size_t i = 0; i < countLines_.size(); ++i)
        countLines_[i]->setText(pageHtml(fromText(lines[i])));
    fitTable();
}

// Equal columns at the page's text size, or smaller where a ratio of a
// million makes nine-digit figures.
void CurveFiguresView::fitTable()
{
    for (double size = PagePointSize; size >= LeastPointSize; size -= 0.4) {
        setTableFont(table_, pageTextFont(size));
        if (neededWidth(table_) <= table_->width())
            break;
    }
    table_->resizeRowsToContents();
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < Rows; ++r)
        height += table_->rowHeight(r);
    table_->setFixedHeight(height);
}

bool CurveFiguresView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvex
