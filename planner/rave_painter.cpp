#include "planner/rave_painter.h"

#include "planner/rave_project.h"

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <vector>

namespace korvex {

namespace {

struct Scale {
    double x;
    double y;
    QRectF box(const RaveItem& item) const
    {
        return {item.left * x, item.top * y, item.width * x, item.height * y};
    }
};

QFont deviceFont(const RaveFont& font, QPaintDevice* device)
{
    QFont result(QString::fromStdString(font.name));
    result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return QFont(result, device);
}

// One line from the left edge; a text item is not cut at its width.
void drawText(QPainter& painter, const QRectF& box, const QString& text)
{
    const QRectF unbounded(box.left(), box.top(), 1e6, box.height());
    painter.drawText(unbounded, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// Wraps within the box's width and keeps only the lines that fit whole
// within its height.
void drawMemo(QPainter& painter, const QRectF& box, const QString& text)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal y = box.top();
    const QStringList paragraphs = text.split(QStringLiteral("\r\n"));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, painter.font(), painter.device());
        layout.setTextOption(option);
        layout.beginLayout();
        bool full = false;
        std::vector<QTextLine> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            if (y + line.height() > box.bottom()) {
                full = true;
                break;
            }
            line.setPosition(QPointF(box.left(), y));
            lines.push_back(line);
            y += line.height();
        }
        layout.endLayout();
        for (const QTextLine& line : lines)
            line.draw(&painter, QPointF(0, 0));
        if (full)
            return;
    }
}

}  // namespace

void DrawRavePage(QPainter& painter, const RavePage& page)
{
    QPaintDevice* device = painter.device();
    const Scale scale{double(device->logicalDpiX()), double(device->logicalDpiY())};
    painter.save();
    for (const RaveItem& item : page.items) {
        painter.setFont(deviceFont(item.font, device));
        painter.setPen(QColor::fromRgb(item.font.color));
        const QString text = QString::fromStdString(item.text);
        if (item.kind == RaveKind::Memo)
            drawMemo(painter, scale.box(item), text);
        else
            drawText(painter, scale.box(item), text);
    }
    painter.restore();
}

}  // namespace korvex
