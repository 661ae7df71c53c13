#include "app/documents/host_document_file.h"

#include "app/files/document_reader.h"
#include "app/files/embedded_document.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace korvex {

namespace {
constexpr std::size_t kLargestDocument = 4 * 1024 * 1024;
constexpr std::size_t kLargestPicture = 4 * 1024 * 1024;
}  // namespace

std::optional<HostDocument> LoadHostDocument(const QString& path)
{
    const auto html = TryReadDocument(LocalPath(path), kLargestDocument);
    if (!html)
        return std::nullopt;
    return ReadHostDocument(*html);
}

QImage LoadPicture(const QString& path)
{
    const auto bytes = TryReadDocument(LocalPath(path), kLargestPicture);
    if (!bytes)
        return {};
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    // Tried first as what its name says, which loads that one decoder; as a
    // browser's, the content decides when the name is wrong.
    QBuffer file(&data);
    QImageReader byName(&file, QFileInfo(path).suffix().toLatin1());
    byName.setAutoDetectImageFormat(false);
    return byName.canRead() ? byName.read() : QImage::fromData(data);
}

}  // namespace korvex
