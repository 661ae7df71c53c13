#include "app/fonts.h"

#include "app/installed_family.h"

#include <QGuiApplication>
#include <QStringList>

namespace korvex {

namespace {

bool onWindows() { return QGuiApplication::platformName() == QLatin1String("windows"); }

}  // namespace

// Qt's GDI font engine on Windows sets each glyph at its hinted width in
// whole pixels, which leaves uneven gaps in small text ("Num ber");
// vertical hinting takes DirectWrite, which keeps the design widths, as the
// Linux window does.
QFont evenlySpaced(QFont font)
{
    if (onWindows())
        font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// A substitute is used only where the font itself is missing, so Windows
// shows its own Arial, and Microsoft Sans Serif, the TrueType MS Sans Serif,
// where the bitmap font cannot be had.
void installFontSubstitutes()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    const QStringList wide{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Helvetica"), QStringList{QStringLiteral("Arial")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), wide);
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"), wide);
}

// Windows keeps "MS Sans Serif" as a bitmap font, which Qt 6 cannot draw, and
// maps it to Microsoft Sans Serif itself; the window asks for that there.
// The families are looked up once: arialFont is asked for on every paint of
// the Simulator's picture.
QFont windowFont()
{
    static const QString family = installedFamily(onWindows() ? QStringLiteral("Microsoft Sans Serif")
                                                              : QStringLiteral("MS Sans Serif"));
    QFont font(family);
    font.setPixelSize(11);
    return evenlySpaced(font);
}

QFont arialFont(int pixelSize, bool bold)
{
    static const QString family = installedFamily(QStringLiteral("Arial"));
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return evenlySpaced(font);
}

}  // namespace korvex
