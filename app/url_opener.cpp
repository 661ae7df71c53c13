#include "app/url_opener.h"

#include <QDesktopServices>

#include <utility>

namespace korvex {
namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

}  // namespace

void setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

void openUrl(const QUrl& address)
{
    if (urlOpener())
        urlOpener()(address);
    else
        QDesktopServices::openUrl(address);
}

}  // namespace korvex
