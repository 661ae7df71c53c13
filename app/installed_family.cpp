#include "app/installed_family.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace korvex {

namespace {

// The database names a family with several foundries once for each, as
// "Family [Foundry]"; any of them makes the family installed.
QString withoutFoundry(const QString& name)
{
    const qsizetype bracket = name.indexOf(QLatin1String(" ["));
    return bracket < 0 ? name : name.left(bracket);
}

}  // namespace

QString installedFamily(const QString& family)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& wanted : QStringList{family} + QFont::substitutes(family)) {
        const auto found = std::find_if(installed.cbegin(), installed.cend(), [&wanted](const QString& name) {
            return withoutFoundry(name).compare(wanted, Qt::CaseInsensitive) == 0;
        });
        if (found != installed.cend())
            return withoutFoundry(*found);
    }
    return family;
}

}  // namespace korvex
