#include "app/documents/host_document_file.h"

#include "app/files/document_reader.h"
#include "app/files/embedded_document.h"

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
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
}

}  // namespace korvex
