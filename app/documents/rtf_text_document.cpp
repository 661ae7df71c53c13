#include "app/documents/rtf_text_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace korvex {
namespace {

// Layout is in pixels at 96 dots per inch: one twip is 1/1440 inch.
qreal twipsToPixels(int twips) { return twips * 96.0 / 1440.0; }

QTextCharFormat charFormat(const RtfCharFormat& rtf)
{
    QTextCharFormat format;
    if (!rtf.fontName.empty())
        format.setFontFamilies({QString::fromStdU16String(rtf.fontName)});
    format.setFontPointSize(rtf.halfPoints / 2.0);
    format.setFontWeight(rtf.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(rtf.italic);
    format.setFontUnderline(rtf.underline);
    if (rtf.colour)
        format.setForeground(QColor(static_cast<QRgb>(*rtf.colour)));
    return format;
}

QTextBlockFormat blockFormat(const RtfParagraph& paragraph)
{
    QTextBlockFormat format;
    format.setTopMargin(twipsToPixels(paragraph.spaceBefore));
    format.setBottomMargin(twipsToPixels(paragraph.spaceAfter));
    return format;
}

}  // namespace

void FillTextDocument(const RtfDocument& rtf, QTextDocument& document)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : rtf.paragraphs) {
        if (first) {
            cursor.setBlockFormat(blockFormat(paragraph));
            cursor.setBlockCharFormat(charFormat(paragraph.markFormat));
            first = false;
        } else {
            cursor.insertBlock(blockFormat(paragraph), charFormat(paragraph.markFormat));
        }
        for (const RtfRun& run : paragraph.runs)
            cursor.insertText(QString::fromStdU16String(run.text), charFormat(run.format));
    }
    cursor.endEditBlock();
}

}  // namespace korvex
