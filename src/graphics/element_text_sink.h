// The element text file: one drawing element a line, fields separated by a tab, for
// programs that read a drawing without understanding DXF.
#pragma once

#include <string>

#include "graphics/cad_settings.h"
#include "graphics/drawing_sink.h"
#include "platform/file_system.h"
#include "format/output_settings.h"

namespace bxr {

class ElementTextSink : public DrawingSink {
  public:
    ElementTextSink(FileSystem& fs, std::string path, const OutputSettings& out,
                    const CadSettings& cad);

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override;
    void PageBegin() override;
    bool Close() override;

    void Pen(int /*pen*/) override {}
    void Line(Real x1, Real y1, Real x2, Real y2) override;
    bool Supports3D() const override { return true; }
    void Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) override;
    void Circle(Real xc, Real yc, Real r) override;
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override;
    void Solid(const Real (&x)[4], const Real (&y)[4]) override;

    bool SupportsBlocks() const override { return true; }
    void BlockBegin(const std::string& name) override;
    void BlockEnd() override;
    void Insert(const std::string& name, Real x, Real y, Real sx, Real sy,
                Real rotationDeg) override;

    // The file text as written at Close.
    std::string Text() const;

  private:
    void Row(const std::string& tag, std::initializer_list<Real> values,
             const std::string& tail = "");
    std::string Number(Real x) const;

    FileSystem& fs_;
    std::string path_;
    const OutputSettings& out_;
    const CadSettings& cad_;
    std::string head_, blocks_, entities_;
    std::string* current_ = &entities_;
    bool inBlock_ = false;
};

}  // namespace bxr
