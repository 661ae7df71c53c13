#include "pdf_text.h"

#include <QProcess>

#ifdef _WIN32
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <windows.h>
#endif

namespace korvex {

#ifdef _WIN32
namespace {

// The Unix name of a Windows path when the tests run under Wine, else nothing.
QString unixNameUnderWine(const QString& path)
{
    using UnixName = char* (*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!unixName)
        return {};
    const std::wstring name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
    char* unix = unixName(name.c_str());
    const QString result = QString::fromUtf8(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Wine starts a Linux pdftotext without our pipes and cannot wait for it: it
// is given Unix names, and its output appears under the awaited name only
// once complete (empty when the tool failed).
QByteArray pdfTextBoxesUnderWine(const QString& pdfUnixName)
{
    QTemporaryDir folder;
    const QString script = QStringLiteral(R"(pdftotext -bbox "$1" "$2.part" || : >"$2.part"; mv "$2.part" "$2")");
    const QString output = folder.filePath(QStringLiteral("boxes.html"));
    if (!QProcess::startDetached(QStringLiteral("sh"),
                                 {QStringLiteral("-c"), script, QStringLiteral("sh"), pdfUnixName, unixNameUnderWine(output)}))
        return {};
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(output) && waited.elapsed() < 30000)
        QThread::msleep(20);
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace
#endif

QByteArray pdfTextBoxes(const QString& path)
{
#ifdef _WIN32
    if (const QString unixName = unixNameUnderWine(path); !unixName.isEmpty())
        return pdfTextBoxesUnderWine(unixName);
#endif
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return tool.readAllStandardOutput();
}

}  // namespace korvex
