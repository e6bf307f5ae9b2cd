// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's desktop icons from its XPM drawing into a hicolor icon
// theme folder: a scalable SVG, one square per pixel, and a PNG for each size.
// Usage: make_desktop_icons <theme folder> <icon name> <size>...
#include "icon_pixels.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using icon::kSize;
using icon::kTransparent;

QRgb ColourOf(int index) {
    return 0xFF000000u | icon::kPalette[static_cast<std::size_t>(index)];
}

int At(const std::vector<int> &pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y * kSize + x)];
}

// Each run of equal pixels in a row is one rectangle; crisp edges keep the
// squares sharp at every size.
QString Svg(const std::vector<int> &pixels) {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
        << "\" viewBox=\"0 0 " << kSize << ' ' << kSize << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize;) {
            const int index = At(pixels, x, y);
            int end = x + 1;
            while (end < kSize && At(pixels, end, y) == index)
                ++end;
            if (index != kTransparent) {
                out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(ColourOf(index)).name() << "\"/>\n";
            }
            x = end;
        }
    }
    out << "</svg>\n";
    return svg;
}

QImage Image(const std::vector<int> &pixels) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int index = At(pixels, x, y);
            image.setPixel(x, y, index == kTransparent ? 0u : ColourOf(index));
        }
    }
    return image;
}

// Whole multiples of the drawing repeat each pixel; other sizes are smoothed
// down from the next whole multiple, so that no pixel of the drawing is lost.
QImage Scaled(const QImage &image, int size) {
    const int multiple = (size + kSize - 1) / kSize * kSize;
    const QImage blocks =
        image.scaled(multiple, multiple, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (multiple == size)
        return blocks;
    return blocks.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Write(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 4) {
        std::fputs("usage: make_desktop_icons <theme folder> <icon name> <size>...\n", stderr);
        return 2;
    }
    try {
        const QString theme = QString::fromLocal8Bit(argv[1]);
        const QString name = QString::fromLocal8Bit(argv[2]);
        const std::vector<int> pixels = icon::ReadPixels();
        Write(theme + "/scalable/apps/" + name + ".svg", Svg(pixels).toUtf8());
        const QImage image = Image(pixels);
        for (int i = 3; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const QString path =
                QStringLiteral("%1/%2x%2/apps/%3.png").arg(theme).arg(size).arg(name);
            QDir().mkpath(QFileInfo(path).path());
            if (!Scaled(image, size).save(path, "PNG"))
                throw std::runtime_error("cannot write " + path.toStdString());
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_desktop_icons: %s\n", error.what());
        return 1;
    }
    return 0;
}
