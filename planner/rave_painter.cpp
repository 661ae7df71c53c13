#include "planner/rave_painter.h"

#include "app/fonts.h"
#include "planner/rave_project.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

namespace korvex {

namespace {

QFont deviceFont(const RaveFont& font, QPaintDevice* device)
{
    QFont result(QString::fromStdString(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return QFont(evenlySpaced(result), device);
}

// Blanks and line breaks at the end print nothing, so they never start a sheet.
QString withoutTrailingSpace(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

}  // namespace

RavePrintout::RavePrintout(const std::vector<const RavePage*>& pages, QPaintDevice* device)
    : device_(device)
    , dpiX_(device->logicalDpiX())
    , dpiY_(device->logicalDpiY())
{
    for (const RavePage* page : pages) {
        const int pageSheet = sheetCount();
        sheets_.push_back(page);
        continues_.push_back(false);
        for (const RaveItem& item : page->items) {
            if (item.kind == RaveKind::Memo)
                layOutMemo(item, pageSheet, page->paperHeight);
        }
    }
}

RavePrintout::~RavePrintout() = default;

// Wraps within the memo's width, line by line down the page, then on to new
// sheets of the same page; a second memo continues after the first.
void RavePrintout::layOutMemo(const RaveItem& memo, int pageSheet, double paperHeight)
{
    const double left = memo.left * dpiX_;
    const double width = memo.width * dpiX_;
    const double top = kMargin * dpiY_;
    const double bottom = (paperHeight - kMargin) * dpiY_;
    const QFont font = deviceFont(memo.font, device_);
    const QColor colour = QColor::fromRgb(memo.font.color);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    int sheet = pageSheet;
    double y = memo.top * dpiY_;
    if (sheetCount() - 1 > pageSheet) {  // after an earlier memo's continuation
        sheet = sheetCount() - 1;
        y = lines_.back().line.y() + lines_.back().line.height();
    }
    const QString text = withoutTrailingSpace(QString::fromStdString(memo.text));
    if (text.isEmpty())
        return;
    for (const QString& paragraph : text.split(QStringLiteral("\r\n"))) {
        auto& layout = *paragraphs_.emplace_back(std::make_unique<QTextLayout>(paragraph, font, device_));
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            // A line taller than a whole sheet still goes on one, alone.
            const bool freshSheet = continues_[static_cast<std::size_t>(sheet)] && y == top;
            if (y + line.height() > bottom && !freshSheet) {
                sheet = sheetCount();
                sheets_.push_back(sheets_[static_cast<std::size_t>(pageSheet)]);
                continues_.push_back(true);
                y = top;
            }
            line.setPosition(QPointF(left, y));
            lines_.push_back({line, sheet, colour});
            y += line.height();
        }
        layout.endLayout();
    }
}

void RavePrintout::drawSheet(QPainter& painter, int sheet) const
{
    const auto at = static_cast<std::size_t>(sheet);
    painter.save();
    if (!continues_[at]) {
        for (const RaveItem& item : sheets_[at]->items) {
            if (item.kind != RaveKind::Text)
                continue;
            painter.setFont(deviceFont(item.font, device_));
            painter.setPen(QColor::fromRgb(item.font.color));
            // One line from the left edge; a text item is not cut at its width.
            const QRectF from(item.left * dpiX_, item.top * dpiY_, 1e6, item.height * dpiY_);
            painter.drawText(from, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                             QString::fromStdString(item.text));
        }
    }
    for (const PlacedLine& placed : lines_) {
        if (placed.sheet != sheet)
            continue;
        painter.setPen(placed.colour);
        placed.line.draw(&painter, QPointF(0, 0));
    }
    painter.restore();
}

}  // namespace korvex
