#include "graphics/element_text_sink.h"

#include "graphics/cad_number.h"
#include "format/code_page.h"
#include "platform/replace_file.h"

namespace bxr {

ElementTextSink::ElementTextSink(FileSystem& fs, std::string path, const OutputSettings& out,
                                 const CadSettings& cad)
    : fs_(fs), path_(std::move(path)), out_(out), cad_(cad) {}

std::string ElementTextSink::Number(Real x) const {
    std::string t = CadReal(out_, x, cad_.dxfDecimals);
    if (out_.decimalSeparator == 2)
        for (auto& c : t)
            if (c == '.') c = ',';
    return t;
}

void ElementTextSink::Row(const std::string& tag, std::initializer_list<Real> values,
                          const std::string& tail) {
    std::string& out = *current_;
    out += tag;
    for (Real v : values) {
        out += '\t';
        out += Number(v);
    }
    out += tail;
    out += "\r\n";
}

void ElementTextSink::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    current_ = &head_;
    head_.clear();
    Row("MINMAX", {xmin, ymin, xmax, ymax});
    current_ = &entities_;
}

void ElementTextSink::PageBegin() {}

void ElementTextSink::Line(Real x1, Real y1, Real x2, Real y2) {
    Row("LINE", {x1, y1, x2, y2});
}

void ElementTextSink::Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) {
    Row("3D_LINE", {x1, y1, z1, x2, y2, z2});
}

void ElementTextSink::Circle(Real xc, Real yc, Real r) {
    Row("CIRCLE", {xc, yc, r});
}

void ElementTextSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (IsFullArc(startDeg, endDeg))
        Circle(xc, yc, r);
    else
        Row("ARC", {xc, yc, r, startDeg, endDeg});
}

void ElementTextSink::Text(Real x, Real y, const std::string& oemText, const TextState&) {
    Row("TEXT", {x, y}, "\t" + OneLineText(CadText(out_, oemText)));
}

void ElementTextSink::Solid(const Real (&x)[4], const Real (&y)[4]) {
    Row("SOLID", {x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]});
}

void ElementTextSink::BlockBegin(const std::string& name) {
    inBlock_ = true;
    current_ = &blocks_;
    *current_ += "BLOCK\t" + name + "\r\n";
}

void ElementTextSink::BlockEnd() {
    if (!inBlock_) return;
    *current_ += "END OF BLOCK\r\n";
    inBlock_ = false;
    current_ = &entities_;
}

void ElementTextSink::Insert(const std::string& name, Real x, Real y, Real sx, Real sy,
                             Real rotationDeg) {
    std::string& out = *current_;
    out += "INSERT\t" + name;
    for (Real v : {x, y, sx, sy, rotationDeg}) out += "\t" + Number(v);
    out += "\r\n";
}

std::string ElementTextSink::Text() const {
    std::string all = head_;
    if (!blocks_.empty()) all += "SECTION BLOCKS\r\n" + blocks_;
    all += "SECTION ENTITIES\r\n" + entities_ + "EOF\r\n";
    return all;
}

bool ElementTextSink::Close() {
    if (inBlock_) BlockEnd();
    if (!ReplaceFileContent(fs_, path_, Text())) {
        Fail("Schreibfehler: " + path_);
        return false;
    }
    return true;
}

}  // namespace bxr
