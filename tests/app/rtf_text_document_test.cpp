#include "app/embedded_document.h"
#include "app/rtf_text_document.h"
#include "tests/app/qstring_printer.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(RtfTextDocument, CarriesTheFormattingOverToQt)
{
    QTextDocument document;
    document.setPlainText("old content");
    LoadRtf(R"({\rtf1{\fonttbl{\f0 Verdana;}}{\colortbl ;\red0\green0\blue128;}\f0\fs20)"
            R"(\sb100\sa200{\cf1\b\ul Head}\par\pard\i a\line b\tab c\par})",
            document);
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock head = document.firstBlock();
    EXPECT_EQ(head.text(), "Head");
    EXPECT_NEAR(head.blockFormat().topMargin(), 100 / 15.0, 1e-9);
    EXPECT_NEAR(head.blockFormat().bottomMargin(), 200 / 15.0, 1e-9);
    const QTextCharFormat format = head.begin().fragment().charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(0, 0, 128));
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(format.fontUnderline());
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"Verdana"});
    EXPECT_EQ(format.fontPointSize(), 10);

    const QTextBlock body = head.next();
    EXPECT_EQ(body.text(), QString("a") + QChar::LineSeparator + "b\tc");
    EXPECT_EQ(body.blockFormat().topMargin(), 0);
    EXPECT_TRUE(body.begin().fragment().charFormat().fontItalic());
    EXPECT_EQ(body.begin().fragment().charFormat().foreground().style(), Qt::NoBrush)
        << "text without a colour keeps the pane's own";
}

// A help document cut off anywhere still loads, showing what came before the cut.
TEST(RtfTextDocument, LoadsEveryTruncationOfTheHelpDocument)
{
    const QByteArray help = EmbeddedDocument("myHelp");
    QTextDocument whole;
    LoadRtf(help.toStdString(), whole);
    const QString full = whole.toPlainText();
    for (qsizetype length = 0; length <= help.size(); ++length) {
        QTextDocument cut;
        LoadRtf(help.left(length).toStdString(), cut);
        const QString text = cut.toPlainText();
        EXPECT_TRUE(full.startsWith(text)) << length;
    }
}

}  // namespace
}  // namespace korvex
