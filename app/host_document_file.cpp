#include "app/host_document_file.h"

#include <QFile>

namespace korvex {

namespace {
constexpr qint64 kLargestDocument = 4 * 1024 * 1024;
}

std::optional<HostDocument> LoadHostDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestDocument)
        return std::nullopt;
    const QByteArray html = file.read(kLargestDocument);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ReadHostDocument(std::string_view(html.constData(), static_cast<std::size_t>(html.size())));
}

}  // namespace korvex
