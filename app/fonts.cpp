#include "app/fonts.h"

#include "app/installed_family.h"

#include <QStringList>

namespace korvex {

// A substitute is used only where the font itself is missing, so Windows
// shows its own MS Sans Serif and Arial, and Microsoft Sans Serif, the
// TrueType MS Sans Serif, where the bitmap font cannot be had.
void installFontSubstitutes()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    const QStringList wide{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Helvetica"), QStringList{QStringLiteral("Arial")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), wide);
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"), wide);
}

QFont windowFont()
{
    QFont font(installedFamily(QStringLiteral("MS Sans Serif")));
    font.setPixelSize(11);
    return font;
}

QFont arialFont(int pixelSize, bool bold)
{
    QFont font(installedFamily(QStringLiteral("Arial")));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace korvex
