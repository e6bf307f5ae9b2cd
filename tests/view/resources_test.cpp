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

// The .ico holds the sizes Windows asks for; at 32 and 256 pixels each pixel
// of the drawing is kept exactly (256: as 8 x 8 pixels).
TEST(Icon, IsWrittenWholeIntoTheWindowsIconFile) {
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "Qt's ico image plugin is not installed";
    QImageReader reader(QStringLiteral(TOLVARINE_ICO_FILE), "ICO");
    ASSERT_EQ(reader.imageCount(), 5) << TOLVARINE_ICO_FILE;
    std::set<int> sizes;
    const QImage xpm = IconImage();
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage ico = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(ico.width(), ico.height());
        sizes.insert(ico.width());
        if (ico.width() % 32 != 0)
            continue;
        const int scale = ico.width() / 32;
        for (int y = 0; y < ico.height(); ++y) {
            for (int x = 0; x < ico.width(); ++x) {
                const QRgb a = xpm.pixel(x / scale, y / scale), b = ico.pixel(x, y);
                if (qAlpha(a) == 0)
                    ASSERT_EQ(qAlpha(b), 0) << ico.width() << ": " << x << "," << y;
                else
                    ASSERT_EQ(b, a) << ico.width() << ": " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

} // namespace
