// The drawing interface: every drawing of the program calls it in the order sheet, tables,
// page begin, primitives, page end, close. It keeps the drawing state (offset, pen, text
// style and alignment) and sends absolute coordinates to one output.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/cad_settings.h"
#include "graphics/drawing_sink.h"
#include "graphics/pen_style.h"
#include "format/output_settings.h"
#include "platform/file_system.h"

namespace bxr {

class Drawing {
  public:
    // The abort flag is set when a write fails; drawings test failed() and stop.
    Drawing(std::unique_ptr<DrawingSink> sink, CadOutput kind, const OutputSettings& out,
            const CadSettings& cad, bool& abortFlag);

    CadOutput kind() const { return kind_; }
    const OutputSettings& output() const { return out_; }
    const CadSettings& cad() const { return cad_; }
    DrawingSink& sink() { return *sink_; }
    // True once a write failed or the user cancelled.
    bool failed() const { return abortFlag_ || !sink_->ok(); }
    // The message of a failed write, empty otherwise.
    const std::string& failure() const { return sink_->failure(); }

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax);
    void Tables(int scheme);
    void PageBegin();
    void PageEnd();
    // Finishes the output; a failure sets the abort flag. True when everything was written.
    bool Close();

    Real sheetXmin() const { return xmin_; }
    Real sheetYmin() const { return ymin_; }
    Real sheetXmax() const { return xmax_; }
    Real sheetYmax() const { return ymax_; }

    void SetOffset(Real dx, Real dy) {
        dx_ = dx;
        dy_ = dy;
    }
    Real offsetX() const { return dx_; }
    Real offsetY() const { return dy_; }
    void Pen(int pen);
    int pen() const { return pen_; }
    void LineType(int type);
    // Text style: width and height of a character, rotation in degrees. The width factor is
    // width / height (0.7 without a width) times the text scale.
    void TextSize(Real width, Real height, Real rotationDeg = 0);
    void TextRotation(Real rotationDeg) { text_.rotation = rotationDeg; }
    void SetTextScale(Real scale) { textScale_ = scale > 0 ? scale : 1; }
    const TextState& textState() const { return text_; }
    // 0 left, 1 centre, 2 right; 0 base, 1 middle, 2 top.
    void TextAlign(int horizontal, int vertical) {
        alignH_ = horizontal;
        alignV_ = vertical;
    }

    void Line(Real x1, Real y1, Real x2, Real y2);
    void Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2);
    bool supports3D() const { return sink_->Supports3D(); }
    void PolylineBegin(Real x, Real y);
    void PolylineVertex(Real x, Real y);
    void PolylineEnd();
    void Circle(Real xc, Real yc, Real r);
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg);
    void Text(Real x, Real y, const std::string& oemText);
    // Only for outputs that keep the third coordinate (supports3D); not inside blocks.
    void Text3D(Real x, Real y, Real z, const std::string& oemText);
    void Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
    void Rectangle(Real x1, Real y1, Real x2, Real y2);

    // Blocks are drawn at the origin between BlockBegin and BlockEnd and placed by Insert.
    void BlockBegin(const std::string& name);
    void BlockEnd();
    bool HasBlock(const std::string& name) const;
    // False (and nothing drawn) when the block was never defined.
    bool Insert(const std::string& name, Real x, Real y, Real sx = 1, Real sy = 1,
                Real rotationDeg = 0);

    // Where the block files "$name.dx$" are looked for; without it no block file is read.
    void SetBlockFiles(FileSystem& fs, std::string folder) {
        blockFs_ = &fs;
        blockFolder_ = std::move(folder);
    }
    // Inserts the block of the block file when the file is there and readable (defining it
    // on first use); false, and nothing drawn, otherwise.
    bool InsertBlockFile(const std::string& name, Real x, Real y, Real scale);
    // The window and the plot program show the logos of the block files.
    bool showsLogos() const { return kind_ == CadOutput::Window || kind_ == CadOutput::Plot; }

  private:
    struct Recorded {
        enum Kind { kLine, kLine3D, kCircle, kArc, kText, kSolid, kPen, kLineType } kind;
        Real v[8];
        std::string text;
        TextState style;
    };
    void Record(Recorded r);

    std::unique_ptr<DrawingSink> sink_;
    CadOutput kind_;
    const OutputSettings& out_;
    const CadSettings& cad_;
    bool& abortFlag_;
    Real xmin_ = 0, ymin_ = 0, xmax_ = 160, ymax_ = 120;
    Real dx_ = 0, dy_ = 0;
    int pen_ = -1;
    int lineType_ = 0;
    TextState text_;
    Real textScale_ = 1;
    int alignH_ = 0, alignV_ = 0;
    bool inPolyline_ = false;
    Real polyX_ = 0, polyY_ = 0;  // last vertex of a polyline recorded into a block
    bool closed_ = false;
    std::map<std::string, std::vector<Recorded>> blocks_;
    std::string currentBlock_;
    bool inBlock_ = false;
    FileSystem* blockFs_ = nullptr;
    std::string blockFolder_;
};

// The horizontal and vertical shift of a text's reference point for its alignment.
void AlignText(const std::string& text, const TextState& style, int alignH, int alignV, Real& x,
               Real& y);

}  // namespace bxr
