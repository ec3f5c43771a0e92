#include "gui/graphics_widget.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QWheelEvent>
#include <cmath>

#include "graphics/pen_style.h"
#include "gui/qt_text.h"

namespace bxr::gui {

namespace {

QColor Rgb(unsigned rgb) {
    return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

Qt::PenStyle StyleOf(int style) {
    switch (style) {
        case 1:
            return Qt::DotLine;
        case 2:
            return Qt::DashDotLine;
        case 3:
            return Qt::DashLine;
        default:
            return Qt::SolidLine;
    }
}

double AngleOf(double cx, double cy, int x, int y) {
    // Screen y grows downwards; Qt's angles count counter-clockwise on the screen.
    return std::atan2(-(y - cy), x - cx) * 180.0 / M_PI;
}

}  // namespace

void QtReplayPainter::SetPen(const ReplayPen& pen) {
    QPen qp(Rgb(pen.rgb));
    qp.setStyle(StyleOf(pen.style));
    qp.setWidth(std::max(1, pen.width));
    p_.setPen(qp);
}

void QtReplayPainter::Line(const ReplayPen& pen, int x1, int y1, int x2, int y2) {
    SetPen(pen);
    p_.drawLine(x1, y1, x2, y2);
}

void QtReplayPainter::Ellipse(const ReplayPen& pen, int left, int top, int right, int bottom) {
    SetPen(pen);
    p_.setBrush(Qt::NoBrush);
    p_.drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)).normalized());
}

void QtReplayPainter::Arc(const ReplayPen& pen, int left, int top, int right, int bottom, int xs,
                          int ys, int xe, int ye) {
    SetPen(pen);
    const QRect r = QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double a0 = AngleOf(cx, cy, xs, ys);
    double span = AngleOf(cx, cy, xe, ye) - a0;
    while (span <= 0) span += 360;
    p_.drawArc(r, static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtReplayPainter::Polygon(unsigned rgb, const int (&x)[4], const int (&y)[4]) {
    const QColor c = Rgb(rgb);
    p_.setPen(c);
    p_.setBrush(c);
    const QPoint pts[4] = {{x[0], y[0]}, {x[1], y[1]}, {x[2], y[2]}, {x[3], y[3]}};
    p_.drawPolygon(pts, 4);
    p_.setBrush(Qt::NoBrush);
}

void QtReplayPainter::Text(const ReplayFont& font, int x, int y, const std::string& oemText) {
    QFont f(family_);
    f.setPixelSize(std::max(1, font.heightPx));
    f.setBold((font.flags & kTextBold) != 0);
    f.setItalic((font.flags & kTextItalic) != 0);
    f.setUnderline((font.flags & kTextUnderline) != 0);
    f.setStrikeOut((font.flags & kTextStrikeOut) != 0);
    p_.save();
    p_.setFont(f);
    p_.setPen(Rgb(font.rgb));
    p_.translate(x, y);
    if (font.escapement != 0) p_.rotate(-font.escapement / 10.0);
    // The replay puts the top of the character cell 0.75 heights above the text's point,
    // so that the baseline falls on the point as in the drawing files; a font's own ascent
    // is taller than that share of its size and would push the letters below the point.
    // Never wider than the style allows: a wide configured font is narrowed, so that the
    // columns of a table keep their gap.
    const QString text = FromOem(oemText);
    const int natural = QFontMetrics(f).horizontalAdvance(text);
    if (font.maxWidthPx > 0 && natural > font.maxWidthPx)
        p_.scale(double(font.maxWidthPx) / natural, 1.0);
    p_.drawText(0, static_cast<int>(std::lround(0.75 * font.heightPx)), text);
    p_.restore();
}

QColor BackgroundColour(const Configuration& c) {
    return Rgb(BackgroundRgb(c.backgroundColour));
}

ReplayOptions ScreenReplayOptions(const Configuration& c) {
    ReplayOptions o = ScreenColours(c.backgroundColour, c.colourGraphics);
    o.textFlags = c.graphicsFontStyle;
    return o;
}

ReplayOptions PaperReplayOptions(const Configuration& c) {
    ReplayOptions o;
    o.colourDisplay = c.colourGraphics;
    o.textFlags = c.graphicsFontStyle;
    return o;
}

GraphicsWidget::GraphicsWidget(DisplayList& list, const Configuration& config, QWidget* parent)
    : QWidget(parent), list_(list), config_(config) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(80, 60);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphicsWidget::PaintOn(QPainter& p, Canvas canvas) const {
    // Lines as the window always drew them: one pixel, not blended into two rows.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const ReplayOptions o =
        canvas == Canvas::kWindow ? ScreenReplayOptions(config_) : PaperReplayOptions(config_);
    p.fillRect(QRect(0, 0, list_.clientWidth(), list_.clientHeight()), Rgb(o.backgroundRgb));
    const PixelRect v = list_.viewport();
    p.setClipRect(QRect(QPoint(v.left, v.top), QPoint(v.right, v.bottom)).normalized());
    QtReplayPainter painter(p, FromOem(config_.graphicsFont));
    ReplayDisplayList(list_, painter, o);
    p.setClipping(false);
}

QImage GraphicsWidget::Render(Canvas canvas) const {
    QImage image(list_.clientWidth(), list_.clientHeight(), QImage::Format_RGB32);
    QPainter p(&image);
    PaintOn(p, canvas);
    return image;
}

double GraphicsWidget::Fit() const {
    if (list_.clientWidth() <= 0 || list_.clientHeight() <= 0) return 1;
    return std::min(double(width()) / list_.clientWidth(), double(height()) / list_.clientHeight());
}

QPointF GraphicsWidget::SheetOffset() const {
    const double f = Fit();
    return {(width() - f * list_.clientWidth()) / 2, (height() - f * list_.clientHeight()) / 2};
}

QPoint GraphicsWidget::ListPoint(const QPointF& widgetPoint) const {
    const double f = Fit();
    const QPointF p = widgetPoint - SheetOffset();
    return QPoint(static_cast<int>(std::lround(p.x() / f)), static_cast<int>(std::lround(p.y() / f)));
}

static QSize SheetSize(QSize widget) {
    // The drawings' isotropic scale is true only on a 4:3 client area (it corrects the scale
    // by 0.75 times the area's width over its height), so the sheet is the largest 4:3
    // rectangle of the widget, and round sections stay round in a window of any shape.
    const int w = std::min(widget.width(), widget.height() * 4 / 3);
    return {std::max(w, 1), std::max(w * 3 / 4, 1)};
}

void GraphicsWidget::PrepareForDrawing() {
    const QSize sheet = SheetSize(size());
    list_.SetClientSize(sheet.width(), sheet.height());
}

void GraphicsWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), BackgroundColour(config_));
    // A drawing made for another size of the window is scaled to fit until it is drawn again.
    const double f = Fit();
    p.translate(SheetOffset());
    p.scale(f, f);
    PaintOn(p, Canvas::kWindow);
    if (list_.rubberBandActive()) {
        const PixelRect r = list_.rubberBand();
        p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)).normalized());
    }
}

void GraphicsWidget::resizeEvent(QResizeEvent*) {
    if (list_.records().empty()) PrepareForDrawing();
    update();
}

void GraphicsWidget::keyPressEvent(QKeyEvent* e) {
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    std::optional<ViewKey> key;
    switch (e->key()) {
        case Qt::Key_Escape:
            key = ViewKey::Escape;
            break;
        case Qt::Key_F5:
            key = ViewKey::F5;
            break;
        case Qt::Key_Left:
            key = ViewKey::Left;
            break;
        case Qt::Key_Right:
            key = ViewKey::Right;
            break;
        case Qt::Key_Up:
            key = ViewKey::Up;
            break;
        case Qt::Key_Down:
            key = ViewKey::Down;
            break;
        case Qt::Key_PageUp:
            key = ViewKey::PageUp;
            break;
        case Qt::Key_PageDown:
            key = ViewKey::PageDown;
            break;
        case Qt::Key_Plus:
            if (keypad) key = ViewKey::Plus;
            break;
        case Qt::Key_Minus:
            if (keypad) key = ViewKey::Minus;
            break;
        default:
            break;
    }
    if (!key) {
        QWidget::keyPressEvent(e);
        return;
    }
    list_.ProcessKey(*key);
    update();
}

void GraphicsWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint q = ListPoint(e->position());
    list_.MouseDown(q.x(), q.y());
    update();
}

void GraphicsWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!list_.rubberBandActive()) return;
    const QPoint q = ListPoint(e->position());
    list_.MouseMove(q.x(), q.y());
    update();
}

void GraphicsWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!list_.rubberBandActive()) return;
    const QPoint q = ListPoint(e->position());
    list_.MouseUp(q.x(), q.y());
    update();
}

void GraphicsWidget::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() / 120;
    if (steps == 0) return;
    // The point under the cursor stays where it is.
    const PixelRect v = list_.viewport();
    const double f = std::pow(1.2, steps);
    const QPoint q = ListPoint(e->position());
    const double cx = q.x(), cy = q.y();
    const int a = static_cast<int>(std::lround(cx - (cx - v.left) / f));
    const int c = static_cast<int>(std::lround(cx + (v.right - cx) / f));
    const int b = static_cast<int>(std::lround(cy - (cy - v.top) / f));
    const int d = static_cast<int>(std::lround(cy + (v.bottom - cy) / f));
    list_.SetScale(a, b, c, d);
    update();
}

void GraphicsWidget::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(config_.pageOrientation == 1 ? QPageLayout::Portrait
                                                            : QPageLayout::Landscape);
    if (config_.printerDialog) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    QPainter p(&printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    ReplayOptions o = PaperReplayOptions(config_);
    o.printing = true;
    o.monochromePrint = config_.windowsPrintMode != 2;
    o.pageWidth = page.width();
    o.pageHeight = page.height();
    o.marginMm = config_.printOriginX;
    o.scale = config_.printScale > 0 ? config_.printScale : 1;
    QtReplayPainter painter(p, FromOem(config_.graphicsFont));
    ReplayDisplayList(list_, painter, o);
}

bool GraphicsWidget::Export(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "png") return Render(Canvas::kPaper).save(path, "PNG");
    if (ext == "svg") {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(list_.clientWidth(), list_.clientHeight()));
        svg.setViewBox(QRect(0, 0, list_.clientWidth(), list_.clientHeight()));
        svg.setTitle("BXR");
        QPainter p;
        if (!p.begin(&svg)) return false;
        PaintOn(p, Canvas::kPaper);
        return p.end();
    }
    if (ext == "pdf") {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter p;
        if (!p.begin(&printer)) return false;
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double s = std::min(double(page.width()) / list_.clientWidth(),
                                  double(page.height()) / list_.clientHeight());
        p.scale(s, s);
        PaintOn(p, Canvas::kPaper);
        return p.end();
    }
    return false;
}

}  // namespace bxr::gui
