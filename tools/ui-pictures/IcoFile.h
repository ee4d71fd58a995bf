#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// The Windows icon file format: a directory of images of different sizes. Images of 256 px are
// stored as PNG, smaller ones as 32-bit bitmaps with their AND mask, which every Windows
// version and every resource compiler reads.
namespace IcoFile {

QByteArray encode(const QVector<QImage> &images);

} // namespace IcoFile
