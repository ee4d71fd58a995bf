#include "IcoFile.h"

#include <QBuffer>
#include <QDataStream>

namespace IcoFile {

namespace {

constexpr int kDirectoryHeaderSize = 6;
constexpr int kDirectoryEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;
constexpr int kPngFromSize = 256;

QByteArray pngData(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

// A bottom-up 32-bit bitmap (its header counts the mask's rows in the height), then the 1-bit
// AND mask, each of its rows padded to 4 bytes; a pixel is transparent where its bit is set.
QByteArray bitmapData(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(kBitmapHeaderSize) << qint32(width) << qint32(height * 2) << quint16(1)
        << quint16(32) << quint32(0) << quint32(width * height * 4 + maskStride * height)
        << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row.at(x / 8) | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

} // namespace

QByteArray encode(const QVector<QImage> &images)
{
    QVector<QByteArray> payloads;
    for (const QImage &image : images)
        payloads << (image.width() >= kPngFromSize ? pngData(image) : bitmapData(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = kDirectoryHeaderSize + kDirectoryEntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const QImage &image = images.at(i);
        // A size of 256 is written as 0.
        out << quint8(image.width() & 0xFF) << quint8(image.height() & 0xFF) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(payloads.at(i).size())
            << offset;
        offset += payloads.at(i).size();
    }
    for (const QByteArray &payload : payloads)
        out.writeRawData(payload.constData(), payload.size());
    return file;
}

} // namespace IcoFile
