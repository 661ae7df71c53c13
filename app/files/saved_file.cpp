#include "app/files/saved_file.h"

#include "app/files/document_writer.h"
#include "app/files/embedded_document.h"

#include <QDir>

namespace korvex {

void SaveFile(const QString& path, const QByteArray& bytes)
{
    SaveFile(LocalPath(QDir::toNativeSeparators(path)),
             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace korvex
