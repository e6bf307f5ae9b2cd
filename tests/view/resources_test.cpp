// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, as the window shows it and as the Windows .ico holds it.
#include "app_icon.h"
#include "tolvarine.xpm"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <gtest/gtest.h>

#include <set>

namespace {

const std::set<QRgb> kStandardColours = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

QImage IconImage() {
    return QPixmap(tolvarine_xpm).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(Icon, Is32By32InTheSixteenStandardColoursWithTransparency) {
    const QImage icon = IconImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    std::set<QRgb> used;
    int transparent = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (qAlpha(pixel) == 0)
                ++transparent;
            else
                used.insert(pixel);
        }
    }
    EXPECT_GT(transparent, 0);
    for (const QRgb colour : used)
        EXPECT_TRUE(kStandardColours.contains(colour)) << std::hex << colour;
    // A green board with gold fingers.
    EXPECT_TRUE(used.contains(0xFF008000));
    EXPECT_TRUE(used.contains(0xFFFFFF00));
}

TEST(Icon, IsTheWindowsIcon) {
    EXPECT_FALSE(view::TolvarineIcon().isNull());
    EXPECT_TRUE(view::TolvarineIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(Icon, IsWrittenWholeIntoTheWindowsIconFile) {
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "Qt's ico image plugin is not installed";
    QFile file(QStringLiteral(TOLVARINE_ICO_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << TOLVARINE_ICO_FILE;
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 6 + 16 + 40 + 64 + 512 + 128);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 1); // an icon, not a cursor

    QImage ico;
    ASSERT_TRUE(ico.loadFromData(bytes, "ICO"));
    ico = ico.convertToFormat(QImage::Format_ARGB32);
    const QImage xpm = IconImage();
    ASSERT_EQ(ico.size(), xpm.size());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb a = xpm.pixel(x, y), b = ico.pixel(x, y);
            if (qAlpha(a) == 0)
                EXPECT_EQ(qAlpha(b), 0) << x << "," << y;
            else
                EXPECT_EQ(b, a) << x << "," << y;
        }
    }
}

} // namespace
