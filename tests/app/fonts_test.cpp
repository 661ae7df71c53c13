#include "app/fonts.h"
#include "tests/app/qstring_printer.h"

#include <QApplication>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace korvex {
namespace {

// Every font of the window is a face the system draws, or one of its
// metric-compatible stand-ins, never the database's first family; Windows
// never gets its bitmap "MS Sans Serif", and its small text keeps the design
// widths.
TEST(WindowFonts, AreFacesTheSystemDrawsEvenlySpaced)
{
    const QStringList drawn{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Arial"),         QStringLiteral("Liberation Sans"),
                            QStringLiteral("Arimo"),         QStringLiteral("DejaVu Sans")};
    const bool windows = QGuiApplication::platformName() == QLatin1String("windows");
    for (const QFont& font : {windowFont(), arialFont(13), arialFont(12, true)}) {
        const QString face = QFontInfo(font).family();
        EXPECT_TRUE(drawn.contains(face)) << face.toStdString();
        if (windows) {
            EXPECT_NE(face, QStringLiteral("MS Sans Serif"));
            EXPECT_EQ(font.hintingPreference(), QFont::PreferVerticalHinting) << face.toStdString();
        }
    }
    EXPECT_EQ(QApplication::font(), windowFont());
}

}  // namespace
}  // namespace korvex
