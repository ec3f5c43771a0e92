// The SVG output: the same geometry, colours and texts as the CAD files, for looking at a
// drawing in a browser or turning it into a picture. Sheet millimetres become SVG user
// units with y pointing up as on the sheet.
#pragma once

#include <string>

#include "graphics/cad_settings.h"
#include "graphics/drawing_sink.h"
#include "platform/file_system.h"
#include "format/output_settings.h"

namespace bxr {

class SvgSink : public DrawingSink {
  public:
    SvgSink(FileSystem& fs, std::string path, const OutputSettings& out, const CadSettings& cad);

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override;
    bool Close() override;
    void Pen(int pen) override;
    void LineType(int type) override { style_ = type; }
    void Line(Real x1, Real y1, Real x2, Real y2) override;
    void PolylineBegin(Real x, Real y) override;
    void PolylineVertex(Real x, Real y) override;
    void PolylineEnd() override;
    void Circle(Real xc, Real yc, Real r) override;
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override;
    void Solid(const Real (&x)[4], const Real (&y)[4]) override;

    std::string Text() const;
    // The colour a CAD colour number gets on white paper, as "#rrggbb".
    static std::string PaperColour(int cadColour);

  private:
    std::string X(Real x) const;
    std::string Y(Real y) const;
    std::string Stroke() const;

    FileSystem& fs_;
    std::string path_;
    const OutputSettings& out_;
    const CadSettings& cad_;
    Real xmin_ = 0, ymin_ = 0, xmax_ = 160, ymax_ = 120;
    std::string body_;
    std::string colour_ = "#000000";
    int style_ = 0;
    Real width_ = 0.25L;
    std::string points_;
    bool inPolyline_ = false;
};

}  // namespace bxr
