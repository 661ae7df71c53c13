#pragma once
// Opening web addresses in the user's default browser, replaceable so that
// tests can record the address instead of starting a browser.

#include <QUrl>

#include <functional>

namespace korvex {

using UrlOpener = std::function<void(const QUrl&)>;

// An empty function restores the desktop's browser.
void setUrlOpener(UrlOpener opener);

// A failure to open is silent: there is nothing the user could do about it here.
void openUrl(const QUrl& address);

}  // namespace korvex
