#include "simulator/saved_file.h"

#include "app/files/document_writer.h"
#include "app/files/embedded_document.h"
#include "app/widgets/message_box.h"

#include <QDir>

#include <exception>

namespace korvex {

bool saveUserFile(const QString& path, const QByteArray& bytes)
{
    try {
        WriteDocument(LocalPath(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const std::exception& error) {
        QString message = QString::fromUtf8(error.what());
        // A write that broke off names no file of its own.
        if (!message.startsWith(QStringLiteral("Cannot create file")))
            message = QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), message);
        showMessageBox({QStringLiteral("Error"), message, QMessageBox::Critical});
        return false;
    }
}

}  // namespace korvex
