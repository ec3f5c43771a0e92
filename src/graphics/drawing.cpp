#include "graphics/drawing.h"

#include <cmath>

#include "analysis/angle_math.h"
#include "graphics/block_file.h"
#include "graphics/cad_number.h"

namespace bxr {

std::string OutputExtension(CadOutput kind) {
    switch (kind) {
        case CadOutput::Dxf:
            return "dxf";
        case CadOutput::Iges:
            return "igs";
        case CadOutput::ElementText:
            return "txt";
        case CadOutput::Svg:
            return "svg";
        default:
            return "";
    }
}

bool IsFullArc(Real startDeg, Real endDeg) {
    Real d = std::fabs(endDeg - startDeg);
    return d < 1e-5L || std::fabs(d - 360) < 1e-5L;
}

void AlignText(const std::string& text, const TextState& style, int alignH, int alignV, Real& x,
               Real& y) {
    Real length = static_cast<Real>(text.size()) * style.height * style.widthFactor;
    if (alignH == 1) x -= length * 0.5L;
    if (alignH == 2) x -= length;
    if (alignV == 1) y -= style.height * 0.5L;
    if (alignV == 2) y -= style.height;
}

Drawing::Drawing(std::unique_ptr<DrawingSink> sink, CadOutput kind, const OutputSettings& out,
                 const CadSettings& cad, bool& abortFlag)
    : sink_(std::move(sink)), kind_(kind), out_(out), cad_(cad), abortFlag_(abortFlag) {
    // The configured text width factor and slant belong to the CAD files; the window and
    // the pictures keep the drawing's own proportions.
    if (kind == CadOutput::Dxf || kind == CadOutput::Iges || kind == CadOutput::Plot ||
        kind == CadOutput::ElementText) {
        SetTextScale(cad.textScale);
        text_.widthFactor *= textScale_;
        text_.oblique = cad.textOblique;
    }
}

void Drawing::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    xmin_ = xmin;
    ymin_ = ymin;
    xmax_ = xmax;
    ymax_ = ymax;
    sink_->Sheet(xmin, ymin, xmax, ymax);
}

void Drawing::Tables(int scheme) {
    sink_->Tables(scheme);
}
void Drawing::PageBegin() {
    sink_->PageBegin();
    if (showsLogos()) {
        InsertBlockFile("LOGO_2", xmin_, ymin_, 0.01L);
        InsertBlockFile("LOGO_3", xmin_, ymin_, 0.96L);
    }
}

bool Drawing::InsertBlockFile(const std::string& name, Real x, Real y, Real scale) {
    if (!HasBlock(name)) {
        if (!blockFs_ || inBlock_) return false;
        const std::string path =
            blockFolder_.empty() ? BlockFileName(name) : JoinPath(blockFolder_, BlockFileName(name));
        if (!blockFs_->IsFile(path)) return false;
        const auto bytes = blockFs_->Read(path, 16u << 20);
        if (!bytes || !ReadableBlockFile(*bytes)) return false;
        const int pen = pen_;
        BlockBegin(name);
        DrawBlockFile(*this, *bytes);
        BlockEnd();
        if (pen >= 0) Pen(pen);
    }
    return Insert(name, x, y, scale, scale);
}
void Drawing::PageEnd() {
    if (inPolyline_) PolylineEnd();
    sink_->PageEnd();
}

bool Drawing::Close() {
    if (closed_) return sink_->ok();
    closed_ = true;
    if (inBlock_) BlockEnd();
    bool ok = sink_->Close() && sink_->ok();
    if (!ok) abortFlag_ = true;
    return ok;
}

void Drawing::Record(Recorded r) {
    blocks_[currentBlock_].push_back(std::move(r));
}

void Drawing::Pen(int pen) {
    pen = NormalisePen(pen);
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kPen, {static_cast<Real>(pen)}, {}, {}});
        return;
    }
    pen_ = pen;
    sink_->Pen(pen);
}

void Drawing::LineType(int type) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kLineType, {static_cast<Real>(type)}, {}, {}});
        return;
    }
    lineType_ = type;
    sink_->LineType(type);
}

void Drawing::TextSize(Real width, Real height, Real rotationDeg) {
    text_.height = height;
    text_.widthFactor = (width > 0 && height > 0 ? width / height : 0.7L) * textScale_;
    text_.rotation = rotationDeg;
}

void Drawing::Line(Real x1, Real y1, Real x2, Real y2) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kLine, {x1, y1, x2, y2}, {}, {}});
        return;
    }
    sink_->Line(x1 + dx_, y1 + dy_, x2 + dx_, y2 + dy_);
}

void Drawing::Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kLine3D, {x1, y1, z1, x2, y2, z2}, {}, {}});
        return;
    }
    sink_->Line3D(x1 + dx_, y1 + dy_, z1, x2 + dx_, y2 + dy_, z2);
}

void Drawing::PolylineBegin(Real x, Real y) {
    if (inPolyline_) PolylineEnd();
    inPolyline_ = true;
    if (inBlock_ && !sink_->SupportsBlocks()) {
        polyX_ = x;
        polyY_ = y;
        return;
    }
    sink_->PolylineBegin(x + dx_, y + dy_);
}

void Drawing::PolylineVertex(Real x, Real y) {
    if (!inPolyline_) {
        PolylineBegin(x, y);
        return;
    }
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kLine, {polyX_, polyY_, x, y}, {}, {}});
        polyX_ = x;
        polyY_ = y;
        return;
    }
    sink_->PolylineVertex(x + dx_, y + dy_);
}

void Drawing::PolylineEnd() {
    if (!inPolyline_) return;
    inPolyline_ = false;
    if (inBlock_ && !sink_->SupportsBlocks()) return;
    sink_->PolylineEnd();
}

void Drawing::Circle(Real xc, Real yc, Real r) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kCircle, {xc, yc, r}, {}, {}});
        return;
    }
    sink_->Circle(xc + dx_, yc + dy_, r);
}

void Drawing::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kArc, {xc, yc, r, startDeg, endDeg}, {}, {}});
        return;
    }
    sink_->Arc(xc + dx_, yc + dy_, r, startDeg, endDeg);
}

void Drawing::Text(Real x, Real y, const std::string& oemText) {
    AlignText(oemText, text_, alignH_, alignV_, x, y);
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kText, {x, y}, oemText, text_});
        return;
    }
    sink_->Text(x + dx_, y + dy_, oemText, text_);
}

void Drawing::Text3D(Real x, Real y, Real z, const std::string& oemText) {
    AlignText(oemText, text_, alignH_, alignV_, x, y);
    sink_->Text3D(x + dx_, y + dy_, z, oemText, text_);
}

void Drawing::Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
    if (inBlock_ && !sink_->SupportsBlocks()) {
        Record({Recorded::kSolid, {x1, y1, x2, y2, x3, y3, x4, y4}, {}, {}});
        return;
    }
    Real xs[4] = {x1 + dx_, x2 + dx_, x3 + dx_, x4 + dx_};
    Real ys[4] = {y1 + dy_, y2 + dy_, y3 + dy_, y4 + dy_};
    sink_->Solid(xs, ys);
}

void Drawing::Rectangle(Real x1, Real y1, Real x2, Real y2) {
    Line(x1, y1, x2, y1);
    Line(x2, y1, x2, y2);
    Line(x2, y2, x1, y2);
    Line(x1, y2, x1, y1);
}

void Drawing::BlockBegin(const std::string& name) {
    if (inBlock_) BlockEnd();
    inBlock_ = true;
    currentBlock_ = name;
    blocks_[name].clear();
    if (sink_->SupportsBlocks()) sink_->BlockBegin(name);
}

void Drawing::BlockEnd() {
    if (!inBlock_) return;
    if (inPolyline_) PolylineEnd();
    inBlock_ = false;
    if (sink_->SupportsBlocks()) sink_->BlockEnd();
    currentBlock_.clear();
}

bool Drawing::HasBlock(const std::string& name) const {
    return blocks_.count(name) != 0;
}

bool Drawing::Insert(const std::string& name, Real x, Real y, Real sx, Real sy, Real rotationDeg) {
    auto it = blocks_.find(name);
    if (it == blocks_.end()) return false;
    if (sink_->SupportsBlocks()) {
        sink_->Insert(name, x + dx_, y + dy_, sx, sy, rotationDeg);
        return true;
    }
    // Replay: scale, rotate, then move each recorded element.
    const Real c = CosDeg(rotationDeg), s = SinDeg(rotationDeg);
    auto map = [&](Real px, Real py, Real& ox, Real& oy) {
        px *= sx;
        py *= sy;
        ox = x + dx_ + px * c - py * s;
        oy = y + dy_ + px * s + py * c;
    };
    const Real scale = std::sqrt(std::fabs(sx * sy));
    for (const auto& r : it->second) {
        Real a, b, e, f;
        switch (r.kind) {
            case Recorded::kLine:
                map(r.v[0], r.v[1], a, b);
                map(r.v[2], r.v[3], e, f);
                sink_->Line(a, b, e, f);
                break;
            case Recorded::kLine3D:
                map(r.v[0], r.v[1], a, b);
                map(r.v[3], r.v[4], e, f);
                sink_->Line3D(a, b, r.v[2], e, f, r.v[5]);
                break;
            case Recorded::kCircle:
                map(r.v[0], r.v[1], a, b);
                sink_->Circle(a, b, r.v[2] * scale);
                break;
            case Recorded::kArc:
                map(r.v[0], r.v[1], a, b);
                sink_->Arc(a, b, r.v[2] * scale, r.v[3] + rotationDeg, r.v[4] + rotationDeg);
                break;
            case Recorded::kText: {
                map(r.v[0], r.v[1], a, b);
                TextState st = r.style;
                st.height *= std::fabs(sy);
                st.rotation += rotationDeg;
                sink_->Text(a, b, r.text, st);
                break;
            }
            case Recorded::kSolid: {
                Real xs[4], ys[4];
                for (int i = 0; i < 4; ++i) map(r.v[2 * i], r.v[2 * i + 1], xs[i], ys[i]);
                sink_->Solid(xs, ys);
                break;
            }
            case Recorded::kPen:
                sink_->Pen(static_cast<int>(r.v[0]));
                break;
            case Recorded::kLineType:
                sink_->LineType(static_cast<int>(r.v[0]));
                break;
        }
    }
    if (pen_ >= 0) sink_->Pen(pen_);
    return true;
}

}  // namespace bxr
