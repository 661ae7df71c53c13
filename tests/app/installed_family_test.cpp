#include "app/installed_family.h"
#include "tests/app/qstring_printer.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace korvex {
namespace {

// Asked for by the family installedFamily names, Qt draws the face it would
// have drawn for the wanted family; a family with no installed stand-in
// stays as it is, for Qt's own fallbacks.
TEST(InstalledFamily, NamesTheFaceTheWantedFamilyIsDrawnWith)
{
    const QStringList installed = QFontDatabase::families();
    const char* const families[] = {"MS Sans Serif", "Arial",           "Helvetica",     "Verdana",
                                    "Trebuchet MS",  "liberation sans", "No Such Family"};
    for (const char* wanted : families) {
        const QString family = installedFamily(QString::fromLatin1(wanted));
        for (const bool bold : {false, true}) {
            QFont asked(QString::fromLatin1(wanted));
            QFont named(family);
            for (QFont* font : {&asked, &named}) {
                font->setPixelSize(11);
                font->setBold(bold);
            }
            EXPECT_EQ(QFontInfo(named).family(), QFontInfo(asked).family()) << wanted;
            EXPECT_EQ(QFontInfo(named).styleName(), QFontInfo(asked).styleName()) << wanted;
        }
        EXPECT_TRUE(installed.contains(family) || family == QString::fromLatin1(wanted)) << wanted;
    }
    EXPECT_EQ(installedFamily(QStringLiteral("No Such Family")), QStringLiteral("No Such Family"));
}

}  // namespace
}  // namespace korvex
