// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of the circuit and the window's colours, read back from the
// painted pixels at whatever scale the screen has.
#include "window_fixture.h"

#include <QApplication>
#include <QFrame>

#include <cmath>
#include <set>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(0xE0, 0xE0, 0xE0);
const QColor kBlue(0x80, 0x80, 0xFF);

// The frame's painted pixels, addressed in logical pixels.
class Picture {
public:
    explicit Picture(const QImage &image)
        : m_image(image)
        , m_scale(image.devicePixelRatio()) {}

    QColor At(int x, int y) const { return m_image.pixelColor(Device(x + 0.5), Device(y + 0.5)); }

    // Whether some device pixel within a logical rectangle has `colour`.
    bool Any(QRect rect, const QColor &colour) const {
        for (const QColor &c : Colours(rect)) {
            if (c == colour)
                return true;
        }
        return false;
    }
    bool All(QRect rect, const QColor &colour) const {
        for (const QColor &c : Colours(rect)) {
            if (c != colour)
                return false;
        }
        return true;
    }
    std::set<QRgb> Distinct(QRect rect) const {
        std::set<QRgb> distinct;
        for (const QColor &c : Colours(rect))
            distinct.insert(c.rgb());
        return distinct;
    }

private:
    int Device(double logical) const { return static_cast<int>(std::floor(logical * m_scale)); }
    std::vector<QColor> Colours(QRect rect) const {
        std::vector<QColor> colours;
        for (int y = Device(rect.top()); y < Device(rect.bottom() + 1); ++y) {
            for (int x = Device(rect.left()); x < Device(rect.right() + 1); ++x)
                colours.push_back(m_image.pixelColor(x, y));
        }
        return colours;
    }

    QImage m_image;
    double m_scale;
};

class Painting : public WindowTest {
protected:
    Picture Frame() { return Picture(Window().findChild<QFrame *>("fraSerie")->grab().toImage()); }
};

// The wire is 2 pixels wide on Y = 136 (2040 twips); its plates stand at the
// X of 1200, 1440, 3240, 3480, ... twips.
TEST_F(Painting, DrawsTheWireWithAGapOnlyBetweenThePlatesOfEachCapacitor) {
    const Picture frame = Frame();
    const int plates[4][2] = {{80, 96}, {216, 232}, {352, 368}, {488, 504}};
    for (int x = 10; x < 606; ++x) {
        bool inGap = false, onEdge = false;
        for (const auto &plate : plates) {
            inGap = inGap || (x > plate[0] + 1 && x < plate[1] - 1);
            onEdge = onEdge || x == plate[0] + 1 || x == plate[1] - 1; // the plates' width
        }
        if (onEdge) {
            continue;
        }
        if (inGap) {
            EXPECT_TRUE(frame.All({x, 134, 1, 5}, kGrey)) << "x = " << x;
        } else {
            EXPECT_TRUE(frame.Any({x, 134, 1, 5}, kBlack)) << "x = " << x;
        }
    }
    // Nothing beyond the ends of the wire.
    EXPECT_TRUE(frame.All({3, 130, 3, 12}, kGrey));
    EXPECT_TRUE(frame.All({611, 130, 10, 12}, kGrey));
}

TEST_F(Painting, DrawsThePlatesAcrossTheWire) {
    const Picture frame = Frame();
    for (const int x : {80, 96, 216, 232, 352, 368, 488, 504}) {
        EXPECT_TRUE(frame.Any({x - 1, 122, 3, 1}, kBlack)) << x;
        EXPECT_TRUE(frame.Any({x - 1, 150, 3, 1}, kBlack)) << x;
        EXPECT_TRUE(frame.All({x - 1, 116, 3, 2}, kGrey)) << x;
        EXPECT_TRUE(frame.All({x - 1, 154, 3, 2}, kGrey)) << x;
    }
}

TEST_F(Painting, DrawsTheFiveDotsAsRoundAntialiasedDiscs) {
    const Picture frame = Frame();
    for (const int left : {20, 148, 284, 428, 564}) {
        EXPECT_EQ(frame.At(left + 4, 136), kBlack) << left;
        EXPECT_EQ(frame.At(left + 4, 134), kBlack) << left;
        EXPECT_EQ(frame.At(left + 4, 138), kBlack) << left;
        EXPECT_EQ(frame.At(left + 2, 136), kBlack) << left;
        EXPECT_EQ(frame.At(left + 6, 136), kBlack) << left;
        EXPECT_NE(frame.At(left, 132), kBlack) << left << ": a square, not a disc";
        EXPECT_TRUE(frame.All({left - 2, 128, 13, 2}, kGrey)) << left;
        EXPECT_TRUE(frame.All({left - 2, 142, 13, 2}, kGrey)) << left;
        // Shades between black and grey on the rim.
        EXPECT_GT(frame.Distinct({left, 132, 9, 9}).size(), 2u) << left;
    }
}

TEST_F(Painting, DrawsTheMeasuringLinesWithoutTouchingTheWireOrTheDots) {
    const Picture frame = Frame();
    for (const int x : {24, 152, 288, 432, 568}) {
        EXPECT_TRUE(frame.Any({x - 1, 170, 3, 1}, kBlue)) << x;
        EXPECT_TRUE(frame.Any({x - 1, 236, 3, 1}, kBlue)) << x;
        EXPECT_TRUE(frame.All({x - 2, 142, 5, 24}, kGrey)) << x;
    }
    for (const int x : {24, 568}) // the outer ones go down to the bottom line
        EXPECT_TRUE(frame.Any({x - 1, 276, 3, 1}, kBlue)) << x;
    for (const int x : {152, 288, 432}) // the inner ones end at Y = 240
        EXPECT_TRUE(frame.All({x - 1, 243, 3, 20}, kGrey)) << x;
    // The bottom line turns inwards and leaves the applied voltage's gap.
    for (const int x : {30, 100, 140, 470, 520, 560}) {
        EXPECT_TRUE(frame.Any({x, 279, 1, 3}, kBlue)) << x;
    }
    for (const int x : {148, 160, 460}) {
        EXPECT_TRUE(frame.All({x, 277, 1, 6}, kGrey)) << x;
    }
}

TEST_F(Painting, KeepsStraightLinesCrisp) {
    const Picture frame = Frame();
    EXPECT_EQ(frame.Distinct({40, 128, 1, 16}), (std::set<QRgb>{kBlack.rgb(), kGrey.rgb()}));
    EXPECT_EQ(frame.Distinct({80, 110, 1, 50}).size(), 2u);
    EXPECT_EQ(frame.Distinct({14, 200, 20, 1}), (std::set<QRgb>{kBlue.rgb(), kGrey.rgb()}));
    EXPECT_EQ(frame.Distinct({60, 274, 1, 12}), (std::set<QRgb>{kBlue.rgb(), kGrey.rgb()}));
}

TEST_F(Painting, FillsTheFieldsAndTheWindowWithTheirColours) {
    const Picture frame = Frame();
    EXPECT_TRUE(frame.All({250, 10, 40, 20}, kGrey));
    EXPECT_TRUE(Picture(Window().grab().toImage()).All({1, 1, 6, 6}, kGrey));
    const std::pair<const char *, QColor> fills[] = {{"txtCs(0)", QColor(0xC0, 0xFF, 0xC0)},
                                                     {"txtUst", QColor(0xC0, 0xFF, 0xC0)},
                                                     {"txtUs(0)", QColor(0xFF, 0xFF, 0x80)},
                                                     {"txtUMUs(0)", kGrey}};
    for (const auto &[name, colour] : fills) {
        Picture field(Edit(name).grab().toImage());
        // Right-aligned values leave the left part empty, "V" the right part.
        const int x = QString(name).startsWith("txtUMUs") ? 25 : 6;
        EXPECT_TRUE(field.All({x, 6, 10, 10}, colour)) << name;
    }
}

class DarkTheme : public Painting {
protected:
    void SetUp() override {
        m_saved = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        Painting::SetUp();
    }
    void TearDown() override {
        Painting::TearDown();
        QApplication::setPalette(m_saved);
    }

private:
    QPalette m_saved;
};

TEST_F(DarkTheme, LeavesTheWindowLookingTheSame) {
    const Picture frame = Frame();
    EXPECT_TRUE(frame.All({250, 10, 40, 20}, kGrey));
    EXPECT_TRUE(Picture(Window().grab().toImage()).All({1, 1, 6, 6}, kGrey));
    EXPECT_TRUE(
        Picture(Edit("txtCs(0)").grab().toImage()).All({6, 6, 10, 10}, QColor(0xC0, 0xFF, 0xC0)));
    EXPECT_TRUE(
        Picture(Edit("txtUs(0)").grab().toImage()).All({6, 6, 10, 10}, QColor(0xFF, 0xFF, 0x80)));
    // Dark letters: the caption of a label and the text of a field.
    const QImage kedra = Label("lblKEDRA").grab().toImage();
    int darkest = 255;
    for (int y = 0; y < kedra.height(); ++y)
        for (int x = 0; x < kedra.width(); ++x)
            darkest = std::min(darkest, qGray(kedra.pixel(x, y)));
    EXPECT_LT(darkest, 40);
    for (QWidget *widget : Window().findChildren<QWidget *>()) {
        if (widget->objectName() == "lblEroare")
            continue;
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(Qt::black))
            << widget->objectName().toStdString();
    }
}

} // namespace

namespace {

// Run with QT_SCALE_FACTOR set, the whole window is drawn at that scale.
TEST_F(Painting, ScalesUniformlyWithTheScreen) {
    const double scale =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    const QImage image = Window().grab().toImage();
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), scale);
    EXPECT_EQ(image.size(), QSize(qRound(794 * scale), qRound(330 * scale)));
}

} // namespace
