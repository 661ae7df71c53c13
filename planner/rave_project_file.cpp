#include "planner/rave_project_file.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace korvex {

namespace {

constexpr const char* kFormat = "Korvex report project";
constexpr int kNewestVersion = 1;
constexpr double kPointsPerInch = 72;

[[noreturn]] void reject(const QString& what) { throw std::runtime_error(what.toStdString()); }

// Reads one member of a JSON object with the type it must have; `where`
// names the object for the message.
class Members {
public:
    Members(const QJsonObject& object, QString where)
        : object_(object)
        , where_(std::move(where))
    {
    }

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }

    QJsonValue value(const char* key, QJsonValue::Type type, const char* typeName) const
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined())
            reject(QStringLiteral("%1 has no \"%2\"").arg(where_, QLatin1String(key)));
        if (v.type() != type)
            reject(QStringLiteral("\"%1\" of %2 is not %3").arg(QLatin1String(key), where_, QLatin1String(typeName)));
        return v;
    }

    std::string text(const char* key) const { return value(key, QJsonValue::String, "a text").toString().toStdString(); }
    double number(const char* key) const { return value(key, QJsonValue::Double, "a number").toDouble(); }
    bool flag(const char* key) const { return value(key, QJsonValue::Bool, "true or false").toBool(); }
    QJsonObject object(const char* key) const { return value(key, QJsonValue::Object, "an object").toObject(); }
    QJsonArray array(const char* key) const { return value(key, QJsonValue::Array, "a list").toArray(); }

    const QString& where() const { return where_; }

private:
    QJsonObject object_;
    QString where_;
};

QJsonObject objectAt(const QJsonArray& list, qsizetype i, const QString& what)
{
    if (!list.at(i).isObject())
        reject(QStringLiteral("%1 %2 is not an object").arg(what).arg(i + 1));
    return list.at(i).toObject();
}

// Every key of a font is optional: what is missing comes from `base`.
RaveFont readFont(const Members& members, const RaveFont& base)
{
    if (!members.has("font"))
        return base;
    const Members font(members.object("font"), QStringLiteral("the font of ") + members.where());
    RaveFont result = base;
    if (font.has("name"))
        result.name = font.text("name");
    if (font.has("size"))
        result.size = font.number("size");
    if (font.has("bold"))
        result.bold = font.flag("bold");
    if (font.has("italic"))
        result.italic = font.flag("italic");
    if (font.has("color")) {
        const QString name = QString::fromStdString(font.text("color"));
        const QColor color = QColor::fromString(name);
        if (!name.startsWith(QLatin1Char('#')) || name.size() != 7 || !color.isValid())
            reject(QStringLiteral("\"color\" of %1 is not a colour such as \"#000000\"").arg(font.where()));
        result.color = color.rgb() & 0xFFFFFFu;
    }
    return result;
}

RaveKind readKind(const Members& item)
{
    const std::string kind = item.text("kind");
    if (kind == "text")
        return RaveKind::Text;
    if (kind == "memo")
        return RaveKind::Memo;
    reject(QStringLiteral("\"kind\" of %1 is neither \"text\" nor \"memo\"").arg(item.where()));
}

RaveItem readItem(const QJsonObject& object, const QString& where, const RaveFont& pageFont)
{
    const Members members(object, where);
    RaveItem item;
    item.name = members.text("name");
    const Members named(object, QStringLiteral("the item \"%1\"").arg(QString::fromStdString(item.name)));
    item.kind = readKind(named);
    item.text = named.text("text");
    item.left = named.number("left");
    item.top = named.number("top");
    item.width = named.number("width");
    item.font = readFont(named, pageFont);
    if (item.kind == RaveKind::Memo || named.has("height"))
        item.height = named.number("height");
    else
        item.height = 1.2 * item.font.size / kPointsPerInch;
    return item;
}

RaveOrientation readOrientation(const Members& page)
{
    if (!page.has("orientation"))
        return RaveOrientation::PrinterDefault;
    const std::string orientation = page.text("orientation");
    if (orientation == "printer default")
        return RaveOrientation::PrinterDefault;
    if (orientation == "portrait")
        return RaveOrientation::Portrait;
    if (orientation == "landscape")
        return RaveOrientation::Landscape;
    reject(QStringLiteral("\"orientation\" of %1 is not \"printer default\", \"portrait\" or \"landscape\"")
               .arg(page.where()));
}

RavePage readPage(const QJsonObject& object, const QString& where)
{
    RavePage page;
    page.name = Members(object, where).text("name");
    const Members members(object, QStringLiteral("the page \"%1\"").arg(QString::fromStdString(page.name)));
    const Members paper(members.object("paper"), QStringLiteral("the paper of ") + members.where());
    page.paperName = paper.has("name") ? paper.text("name") : std::string();
    page.paperWidth = paper.number("width");
    page.paperHeight = paper.number("height");
    page.orientation = readOrientation(members);
    const RaveFont pageFont = readFont(members, RaveFont{});
    const QJsonArray items = members.array("items");
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString where = QStringLiteral("item %1 of %2").arg(i + 1).arg(members.where());
        if (!items.at(i).isObject())
            reject(where + QStringLiteral(" is not an object"));
        page.items.push_back(readItem(items.at(i).toObject(), where, pageFont));
    }
    return page;
}

RaveReport readReport(const QJsonObject& object, qsizetype index)
{
    RaveReport report;
    report.name = Members(object, QStringLiteral("report %1").arg(index + 1)).text("name");
    const Members members(object, QStringLiteral("the report \"%1\"").arg(QString::fromStdString(report.name)));
    const QJsonArray pages = members.array("pages");
    for (qsizetype i = 0; i < pages.size(); ++i)
        report.pages.push_back(readPage(objectAt(pages, i, QStringLiteral("page")),
                                        QStringLiteral("page %1 of %2").arg(i + 1).arg(members.where())));
    return report;
}

}  // namespace

RaveProject ReadRaveProject(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        reject(QStringLiteral("%1 at character %2").arg(error.errorString()).arg(error.offset + 1));
    if (!document.isObject())
        reject(QStringLiteral("the file holds no project"));
    const Members root(document.object(), QStringLiteral("the file"));
    if (root.text("format") != kFormat)
        reject(QStringLiteral("it is not a \"%1\" file").arg(QLatin1String(kFormat)));
    const double version = root.number("version");
    if (version < 1 || version > kNewestVersion)
        reject(QStringLiteral("its version %1 is not one this program reads").arg(version));

    RaveProject project;
    project.name = root.text("project");
    const QJsonArray reports = root.array("reports");
    for (qsizetype i = 0; i < reports.size(); ++i)
        project.reports.push_back(readReport(objectAt(reports, i, QStringLiteral("report")), i));
    ValidateRaveProject(project);
    return project;
}

}  // namespace korvex
