// The DXF output: HEADER, TABLES, BLOCKS, ENTITIES and EOF as alternating group-code and
// value lines. The file is written in one piece at Close, through the file-system seam.
#pragma once

#include <string>

#include "format/output_settings.h"
#include "graphics/cad_settings.h"
#include "graphics/drawing_sink.h"
#include "platform/file_system.h"

namespace bxr {

// The $DWGCODEPAGE that matches the texts' bytes: "dos850" for the code page 850 texts of
// type 1, "ANSI_1252" for the Windows-1252 texts of type 2 and the ASCII texts of type 3.
std::string DxfCodePage(const OutputSettings& s);
// The value of a TEXT entity: the CAD text on one line; with type 1 every character beyond
// ASCII in the DXF Unicode form "\U+00E4".
std::string DxfTextValue(const OutputSettings& s, const std::string& oem);

class DxfSink : public DrawingSink {
  public:
    DxfSink(FileSystem& fs, std::string path, const OutputSettings& out, const CadSettings& cad);

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override;
    void Tables(int scheme) override;
    void PageBegin() override {}
    void PageEnd() override {}
    bool Close() override;

    void Pen(int pen) override;
    void Line(Real x1, Real y1, Real x2, Real y2) override;
    bool Supports3D() const override { return true; }
    void Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) override;
    void PolylineBegin(Real x, Real y) override;
    void PolylineVertex(Real x, Real y) override;
    void PolylineEnd() override;
    void Circle(Real xc, Real yc, Real r) override;
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override;
    void Text3D(Real x, Real y, Real z, const std::string& oemText,
                const TextState& style) override;
    void Solid(const Real (&x)[4], const Real (&y)[4]) override;

    bool SupportsBlocks() const override { return true; }
    void BlockBegin(const std::string& name) override;
    void BlockEnd() override;
    void Insert(const std::string& name, Real x, Real y, Real sx, Real sy,
                Real rotationDeg) override;

    // The complete file text as it stands (HEADER to EOF), for tests and the plot program.
    std::string Text() const;
    const std::string& path() const { return path_; }

  private:
    void Group(int code, const std::string& value);
    void Real_(int code, Real value);
    void Entity(const char* type);
    void TextEntity(Real x, Real y, const Real* z, const std::string& oemText,
                    const TextState& style);

    FileSystem& fs_;
    std::string path_;
    const OutputSettings& out_;
    const CadSettings& cad_;
    std::string header_, tables_, blocks_, entities_;
    std::string* current_ = &entities_;
    std::string layer_ = "0";
    bool inBlock_ = false;
    bool inPolyline_ = false;
};

}  // namespace bxr
