#include "app/documents/host_document_file.h"
#include "tests/app/planted_file.h"
#include "tests/hang_guard.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace korvex {
namespace {

std::string pngPicture()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    picture.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(FilesOfAHostDocument, AreReadOnlyFromRegularFilesAndNeverWaitedOn)
{
    TempFolder temp;
    const std::string html = "<applet width=300 height=200></applet>";
    const std::string picture = pngPicture();
    writeFile(temp.path("Home.htm"), html);
    writeFile(temp.path("banner.gif"), picture);
    EXPECT_TRUE(LoadHostDocument(QString::fromStdString(temp.path("Home.htm"))).has_value());
    EXPECT_EQ(LoadPicture(QString::fromStdString(temp.path("banner.gif"))).size(), QSize(4, 3));

    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        const std::string document = temp.path(std::string("Home-") + planted.name);
        const std::string banner = temp.path(std::string("banner-") + planted.name);
        if (!plant(planted.kind, document, html) || !plant(planted.kind, banner, picture))
            GTEST_SKIP() << kNoLinks;
        const HangGuard guard(std::string("reading ") + planted.name);
        EXPECT_FALSE(LoadHostDocument(QString::fromStdString(document)).has_value());
        EXPECT_TRUE(LoadPicture(QString::fromStdString(banner)).isNull());
    }
}

}  // namespace
}  // namespace korvex
