#include "app/files/embedded_document.h"

#include "app/files/document_writer.h"

#include <QFile>

#include <stdexcept>

namespace korvex {

QByteArray EmbeddedDocument(const QString& resourceName)
{
    QFile resource(QStringLiteral(":/documents/") + resourceName);
    if (!resource.open(QIODevice::ReadOnly))
        throw std::runtime_error("Resource " + resourceName.toStdString() + " not found");
    return resource.readAll();
}

void WriteEmbeddedDocument(const QString& resourceName, const QString& path)
{
    const QByteArray bytes = EmbeddedDocument(resourceName);
    WriteDocument(LocalPath(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string LocalPath(const QString& path) { return path.toStdString(); }

}  // namespace korvex
