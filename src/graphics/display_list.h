// The graphics window's model: the display list of text records that painting, zooming,
// panning and printing replay, and the mapping from world millimetres to window pixels.
// The widget only replays the records and forwards keys and mouse input here.
#pragma once

#include <string>
#include <vector>

#include "model/beam_model.h"

namespace bxr {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct WorldWindow {
    Real x0 = 0, y0 = 0, x1 = 1, y1 = 1;
};

// One record taken apart for replay.
struct DisplayRecord {
    int code = 0;
    std::vector<Real> values;
    std::string text;  // the text of a "6;" record, code page 850
};

enum class ViewKey { Escape, F5, Left, Right, Up, Down, PageUp, PageDown, Plus, Minus };

class DisplayList {
  public:
    DisplayList();

    // The client area of the window in pixels; the viewport follows on the next SetWindow.
    void SetClientSize(int width, int height);
    int clientWidth() const { return clientW_; }
    int clientHeight() const { return clientH_; }

    // Viewport from fractions of the client area (y from the bottom); false, and nothing
    // changed, when the world window has equal x or equal y limits.
    bool SetWindow(bool inset, bool isotropic, Real x0, Real y0, Real x1, Real y1, Real fx0 = 0,
                   Real fy0 = 0, Real fx1 = 1, Real fy1 = 1);
    // Full-window isotropic drawing area with solid lines; the limits are saved.
    bool Header(Real x0, Real y0, Real x1, Real y1);
    // Zooms to a pixel rectangle of the viewport; ignored when it has no width or height.
    void SetScale(int a, int b, int c, int d);
    void Clear();

    // Drawing elements in world coordinates.
    void MoveTo(Real x, Real y);
    void LineTo(Real x, Real y);
    void Line(Real x1, Real y1, Real x2, Real y2);
    void Circle(Real xc, Real yc, Real r);
    // Counter-clockwise, degrees; a sweep under 4 degrees becomes a chord.
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg);
    void Rectangle(Real x1, Real y1, Real x2, Real y2);
    void Solid(const Real (&x)[4], const Real (&y)[4]);
    void OutTextXY(Real x, Real y, const std::string& oemText);
    void SetTextStyle(Real height, Real width, int font, Real angleDeg);
    // Palette colour 0..15; repeated or out-of-range colours add nothing.
    void SetColor(int colour);
    // A CAD colour number, shown in the matching palette colour.
    void SetColorAcad(int cadColour);
    int GetColor() const { return colour_; }
    void SetLineStyle(int style);
    void SetLineStyleName(const std::string& name);
    void SetLineWidth(int width);
    void SleepMs(int ms);

    void SaveLimit() { saved_ = world_; }
    void RestoreLimit();
    void SaveViewPort() { savedViewport_ = viewport_; }
    void RetrieveViewPort() { viewport_ = savedViewport_; }
    // Back to the saved limits (the full drawing).
    void ResetZoom();
    // A fraction of the world window's width or height in world units.
    Real EinX(Real fraction) const { return fraction * (world_.x1 - world_.x0); }
    Real EinY(Real fraction) const { return fraction * (world_.y1 - world_.y0); }

    // Keyboard zoom and pan; rubber-band zoom with the mouse.
    void ProcessKey(ViewKey key);
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    bool rubberBandActive() const { return dragging_; }
    PixelRect rubberBand() const;

    // World to pixels.
    int PixelX(Real x) const;
    int PixelY(Real y) const;
    int PixelLengthX(Real length) const;
    int PixelLengthY(Real length) const;

    // The same mapping scaled to a printed page of the given size in device pixels, with a
    // margin in millimetres of an A4 width (210) and a print scale.
    int PrintX(Real x, int pageWidth, Real marginMm, Real scale) const;
    int PrintY(Real y, int pageHeight, Real marginMm, Real scale) const;

    const std::vector<std::string>& records() const { return records_; }
    const PixelRect& viewport() const { return viewport_; }
    const WorldWindow& world() const { return world_; }
    Real scaleX() const { return sx_; }
    Real scaleY() const { return sy_; }
    int lineStyle() const { return lineStyle_; }
    int lineWidth() const { return lineWidth_; }
    void SetMaxColours(int n) { maxColours_ = n; }
    void SetZoomFactor(Real f) { zoomFactor_ = f > 1 ? f : 1.2L; }
    void SetPanStep(Real f) { panStep_ = f > 0 ? f : 0.1L; }

  private:
    void Add(const std::string& code, std::initializer_list<Real> values);
    void ZoomTo(int a, int b, int c, int d);
    void ComputeScale();

    std::vector<std::string> records_;
    int clientW_ = 800, clientH_ = 600;
    PixelRect viewport_{0, 0, 800, 600};
    PixelRect savedViewport_{0, 0, 800, 600};
    WorldWindow world_, saved_;
    Real sx_ = 800, sy_ = 600;
    bool isotropic_ = false;
    int colour_ = -1;
    int lineStyle_ = 99;
    int lineWidth_ = 1;
    int maxColours_ = 16;
    Real zoomFactor_ = 1.2L;
    Real panStep_ = 0.1L;
    bool dragging_ = false;
    int dragX0_ = 0, dragY0_ = 0, dragX1_ = 0, dragY1_ = 0;
};

// Takes a record apart; false when it is not a record of the list.
bool ParseDisplayRecord(const std::string& record, DisplayRecord& out);

}  // namespace bxr
