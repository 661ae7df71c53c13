#pragma once
// The pictures the program carries as Qt resources under ":/pictures/".

#include <QPixmap>
#include <QString>

namespace korvex {

// The picture at a resource path, read as the format its name gives. Left to
// find the format itself, Qt would load every image plugin to ask each
// whether it reads PNG, which Qt reads without one.
QPixmap EmbeddedPicture(const QString& path);

}  // namespace korvex
