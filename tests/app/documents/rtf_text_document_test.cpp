#include "app/files/embedded_document.h"
#include "app/documents/rtf_text_document.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace korvex {
namespace {

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
