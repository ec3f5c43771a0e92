#include "gui/graphics_widget.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

namespace bxr::gui {
namespace {

bool IsRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool IsWhite(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

TEST(graphics_widget,
     a_line_of_colour_4_lands_at_its_mapped_pixels_and_nothing_outside_the_viewport) {
    Configuration config;
    config.backgroundColour = 15;  // a white sheet
    DisplayList list;
    list.SetClientSize(200, 100);
    // World 0..100 x 0..50 on the left half: 1 pixel per unit across, 2 down.
    ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 100, 50, 0, 0, 0.5L, 1));
    list.SetColor(4);
    list.Line(10, 10, 90, 10);   // pixel row 100 - 2 * 10 = 80, columns 10..90
    list.Line(50, 40, 190, 40);  // row 20; beyond x = 100 it leaves the viewport
    GraphicsWidget g(list, config);
    const QImage image = g.Render();
    EXPECT_TRUE(IsRed(image.pixel(50, 80)));
    EXPECT_TRUE(IsRed(image.pixel(11, 80)));
    EXPECT_TRUE(IsWhite(image.pixel(50, 70)));
    EXPECT_TRUE(IsWhite(image.pixel(95, 80)));
    EXPECT_TRUE(IsRed(image.pixel(80, 20)));
    for (int x = 102; x < 200; ++x) EXPECT_TRUE(IsWhite(image.pixel(x, 20))) << x;
}

TEST(graphics_widget, rubber_band_and_keys_change_the_world_window) {
    Configuration config;
    DisplayList list;
    GraphicsWidget g(list, config);
    g.resize(260, 150);  // a 200 x 150 sheet in the middle, 30 pixels in from the left
    g.PrepareForDrawing();
    ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 200, 150));
    list.SaveLimit();
    list.Line(0, 0, 200, 150);
    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(80, 20));
    QTest::mouseMove(&g, QPoint(150, 50));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(180, 70));
    // The part of the old window under the rectangle: x 50..150, y (150-70)..(150-20).
    EXPECT_NEAR(static_cast<double>(list.world().x0), 50, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().x1), 150, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().y0), 80, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().y1), 130, 1e-9);

    QTest::keyClick(&g, Qt::Key_Escape);
    EXPECT_NEAR(static_cast<double>(list.world().x1), 200, 1e-9);
    // Keypad plus: 1.2 times closer around the middle.
    QTest::keyClick(&g, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_NEAR(static_cast<double>(list.world().x0), 100 - 100 / 1.2, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().x1), 100 + 100 / 1.2, 1e-9);
    QTest::keyClick(&g, Qt::Key_F5);
    QTest::keyClick(&g, Qt::Key_Right);  // one pan step of a tenth of the width
    EXPECT_NEAR(static_cast<double>(list.world().x0), 20, 1e-9);
    QTest::keyClick(&g, Qt::Key_Plus);  // the main keyboard's plus does nothing
    EXPECT_NEAR(static_cast<double>(list.world().x0), 20, 1e-9);
}

TEST(graphics_widget, wheel_zoom_keeps_the_point_under_the_cursor) {
    Configuration config;
    DisplayList list;
    GraphicsWidget g(list, config);
    g.resize(200, 150);
    g.PrepareForDrawing();
    ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 200, 150));
    QWheelEvent e(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&g, &e);
    EXPECT_NEAR(static_cast<double>(list.world().x1 - list.world().x0), 200 / 1.2, 1.0);
    // World x 50 stays at pixel 50.
    EXPECT_NEAR(list.PixelX(50), 50, 1);
}

// The isotropic scale of a drawing holds on a 4:3 client area only; the window keeps its sheet
// at 4:3 whatever its own shape, so a circle stays round.
TEST(graphics_widget, a_circle_stays_round_in_a_wide_window) {
    Configuration config;
    DisplayList list;
    GraphicsWidget g(list, config);
    g.resize(400, 150);
    g.PrepareForDrawing();
    EXPECT_EQ(list.clientWidth(), 200);
    EXPECT_EQ(list.clientHeight(), 150);
    ASSERT_TRUE(list.Header(0, 0, 160, 120));
    list.SetColor(4);
    list.Circle(80, 60, 40);
    const QImage image = g.Render();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsRed(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR(right - left, bottom - top, 1);
    EXPECT_NEAR(right - left, 100, 2);  // 40 mm at 1.25 pixels per mm, both ways
}

// The graphics text style of the configuration: bold, underline and strike-out each add ink
// to the same text; underline below the letters, strike-out across them.
TEST(graphics_widget, texts_take_the_configured_style) {
    struct Ink {
        int pixels = 0, lowest = -1;
    };
    auto render = [](int flags) {
        Configuration config;
        config.graphicsFontStyle = flags;
        DisplayList list;
        list.SetClientSize(300, 100);
        EXPECT_TRUE(list.SetWindow(false, false, 0, 0, 300, 100));
        list.SetColor(4);
        list.SetTextStyle(30, 0, 0, 0);
        list.OutTextXY(10, 30, "HHHH");
        GraphicsWidget g(list, config);
        const QImage image = g.Render();
        Ink ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 150) {
                    ++ink.pixels;
                    ink.lowest = std::max(ink.lowest, y);
                }
        return ink;
    };
    const Ink plain = render(0), bold = render(1), underline = render(4), strike = render(8);
    ASSERT_GT(plain.pixels, 100);
    EXPECT_GT(bold.pixels, plain.pixels * 11 / 10);
    EXPECT_GT(underline.pixels, plain.pixels);
    EXPECT_GT(underline.lowest, plain.lowest);  // the line lies below the letters
    EXPECT_GT(strike.pixels, plain.pixels);
    EXPECT_EQ(strike.lowest, plain.lowest);
}

// A configured font wider than the style allows is narrowed to the style's width, so that the
// columns of a table keep their gap in the window as in the drawing files.
TEST(graphics_widget, a_text_is_never_painted_wider_than_its_style_allows) {
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        QtReplayPainter painter(p, "DejaVu Sans Mono");
        ReplayFont font;
        font.heightPx = 30;
        font.maxWidthPx = 100;  // about half of what nine characters of this font take
        painter.Text(font, 10, 5, "Izeta mm4");
    }
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0);
    EXPECT_LE(right, 10 + 100);
    EXPECT_GE(right - left, 80);  // narrowed, not cut off
}

// WCAG contrast ratio of two colours, from their relative luminance.
double Contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window shows the configured background (1, dark blue, without a configuration) and
// the palette's colours on it; on a light background the light pens are drawn darker; a
// picture file is white paper whatever the window shows.
TEST(graphics_widget, colours_follow_the_configuration_and_pictures_stay_on_white_paper) {
    struct Case {
        int background;
        Canvas canvas;
        QRgb expectedBackground;
        bool lightPensDarker;
    };
    const Case cases[] = {{1, Canvas::kWindow, qRgb(0, 0, 128), false},
                          {0, Canvas::kWindow, qRgb(0, 0, 0), false},
                          {15, Canvas::kWindow, qRgb(255, 255, 255), true},
                          {1, Canvas::kPaper, qRgb(255, 255, 255), true}};
    const int lightPens[] = {14, 11, 10, 15};  // yellow, cyan, light green, white
    for (const Case& c : cases) {
        Configuration config;
        config.backgroundColour = c.background;
        DisplayList list;
        list.SetClientSize(200, 100);
        ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 200, 100, 0, 0, 1, 1));
        for (int i = 0; i < 4; ++i) {
            list.SetColor(lightPens[i]);
            list.Line(10, 10 + 20 * i, 190, 10 + 20 * i);  // pixel rows 90, 70, 50, 30
        }
        list.SetColor(12);
        list.Line(10, 95, 190, 95);  // red, row 5
        GraphicsWidget g(list, config);
        const QImage image = g.Render(c.canvas);
        const std::string where =
            std::to_string(c.background) + "/" + std::to_string(static_cast<int>(c.canvas));
        EXPECT_EQ(image.pixel(100, 60) & 0xffffff, c.expectedBackground & 0xffffff) << where;
        EXPECT_TRUE(IsRed(image.pixel(100, 5))) << where;
        for (int i = 0; i < 4; ++i) {
            const QRgb pen = image.pixel(100, 90 - 20 * i);
            EXPECT_GE(Contrast(pen, c.expectedBackground), 3.0) << where << " pen " << lightPens[i];
            if (!c.lightPensDarker && lightPens[i] == 14) {
                EXPECT_EQ(pen & 0xffffff, 0xffff00u) << where;  // the palette's own yellow
            }
        }
    }
}

}  // namespace
}  // namespace bxr::gui
