#include "gui/graphics_widget.h"

#include <gtest/gtest.h>

#include <QTest>

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
    g.resize(200, 100);
    g.PrepareForDrawing();
    ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 200, 100));
    list.SaveLimit();
    list.Line(0, 0, 200, 100);
    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseMove(&g, QPoint(120, 50));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(150, 70));
    // The part of the old window under the rectangle: x 50..150, y (100-70)..(100-20).
    EXPECT_NEAR(static_cast<double>(list.world().x0), 50, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().x1), 150, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().y0), 30, 1e-9);
    EXPECT_NEAR(static_cast<double>(list.world().y1), 80, 1e-9);

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
    g.resize(200, 100);
    g.PrepareForDrawing();
    ASSERT_TRUE(list.SetWindow(false, false, 0, 0, 200, 100));
    QWheelEvent e(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&g, &e);
    EXPECT_NEAR(static_cast<double>(list.world().x1 - list.world().x0), 200 / 1.2, 1.0);
    // World x 50 stays at pixel 50.
    EXPECT_NEAR(list.PixelX(50), 50, 1);
}

}  // namespace
}  // namespace bxr::gui
