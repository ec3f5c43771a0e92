// The graphics window: replays the display list with QPainter, forwards the zoom and pan keys
// and the rubber band to the list's mapping, zooms with the mouse wheel around the cursor,
// prints to a printer or a PDF file and exports the drawing as PNG, SVG or PDF.
#pragma once

#include <QPainter>
#include <QWidget>

#include "config/configuration.h"
#include "graphics/display_list.h"
#include "graphics/display_replay.h"

namespace bxr::gui {

// The abstract painter of the replay on a QPainter.
class QtReplayPainter : public ReplayPainter {
  public:
    QtReplayPainter(QPainter& p, const QString& fontFamily) : p_(p), family_(fontFamily) {}
    void Line(const ReplayPen& pen, int x1, int y1, int x2, int y2) override;
    void Ellipse(const ReplayPen& pen, int left, int top, int right, int bottom) override;
    void Arc(const ReplayPen& pen, int left, int top, int right, int bottom, int xs, int ys, int xe,
             int ye) override;
    void Polygon(unsigned rgb, const int (&x)[4], const int (&y)[4]) override;
    void Text(const ReplayFont& font, int x, int y, const std::string& oemText) override;

  private:
    void SetPen(const ReplayPen& pen);
    QPainter& p_;
    QString family_;
};

// Background and foreground of the window from the configuration.
QColor BackgroundColour(const Configuration& c);
ReplayOptions ScreenReplayOptions(const Configuration& c);
// Printing and picture files: white paper whatever the window shows.
ReplayOptions PaperReplayOptions(const Configuration& c);

// Where a drawing is painted: the window with its configured colours, or white paper.
enum class Canvas { kWindow, kPaper };

class GraphicsWidget : public QWidget {
    Q_OBJECT
  public:
    GraphicsWidget(DisplayList& list, const Configuration& config, QWidget* parent = nullptr);

    // Paints the list as the window shows it (or on paper) into an image of the list's
    // client size.
    QImage Render(Canvas canvas = Canvas::kWindow) const;
    // Printing: the printer dialog (when configured), then the page.
    void Print();
    // The drawing to a file; the format from the extension (.png, .svg, .pdf).
    bool Export(const QString& path);
    // A new drawing is made for the window's current size.
    void PrepareForDrawing();

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;

  private:
    void PaintOn(QPainter& p, Canvas canvas) const;
    double Fit() const;
    // Where the sheet's top left corner sits in the widget (the sheet is centred).
    QPointF SheetOffset() const;
    QPoint ListPoint(const QPointF& widgetPoint) const;

    DisplayList& list_;
    const Configuration& config_;
};

}  // namespace bxr::gui
