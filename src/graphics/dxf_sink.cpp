#include "graphics/dxf_sink.h"

#include <set>

#include "format/code_page.h"
#include "format/text_helpers.h"
#include "graphics/cad_number.h"
#include "graphics/pen_style.h"
#include "platform/replace_file.h"

namespace bxr {

namespace {

void Put(std::string& out, int code, const std::string& value) {
    out += IntRightAligned(code, 3);
    out += "\r\n";
    out += value;
    out += "\r\n";
}

}  // namespace

std::string DxfCodePage(const OutputSettings& s) {
    return s.cadTextType == 2 || s.cadTextType == 3 ? "ANSI_1252" : "dos850";
}

std::string DxfTextValue(const OutputSettings& s, const std::string& oem) {
    const std::string text = OneLineText(CadText(s, oem));
    if (s.cadTextType == 2 || s.cadTextType == 3) return text;
    // Code page 850 is declared, but many readers map an unknown DOS code page to
    // Windows-1252 and garble every umlaut. The DXF Unicode form of each character beyond
    // ASCII reads the same everywhere, and the file stays pure ASCII.
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : text) {
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        const char32_t c = OemCharacter(b);
        out += "\\U+";
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    }
    return out;
}

DxfSink::DxfSink(FileSystem& fs, std::string path, const OutputSettings& out,
                 const CadSettings& cad)
    : fs_(fs), path_(std::move(path)), out_(out), cad_(cad) {}

void DxfSink::Group(int code, const std::string& value) {
    Put(*current_, code, value);
}

void DxfSink::Real_(int code, Real value) {
    Put(*current_, code, CadReal(out_, value, cad_.dxfDecimals));
}

void DxfSink::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    current_ = &header_;
    header_.clear();
    Group(0, "SECTION");
    Group(2, "HEADER");
    const char* names[4] = {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"};
    for (int i = 0; i < 4; ++i) {
        bool max = i == 1 || i == 3;
        Group(9, names[i]);
        Real_(10, max ? xmax : xmin);
        Real_(20, max ? ymax : ymin);
    }
    Group(9, "$LTSCALE");
    Group(40, "15");
    // The version says which rules a reader applies; the code page says how it decodes the
    // texts (a reader ignores the code page of a file without a version).
    Group(9, "$ACADVER");
    Group(1, "AC1009");
    Group(9, "$DWGCODEPAGE");
    Group(3, DxfCodePage(out_));
    Group(0, "ENDSEC");
    current_ = &entities_;
}

void DxfSink::Tables(int scheme) {
    current_ = &tables_;
    tables_.clear();
    Group(0, "SECTION");
    Group(2, "TABLES");
    Group(0, "TABLE");
    Group(2, "LTYPE");
    Group(70, scheme == 0 ? "6" : scheme == 1 ? "17" : "23");
    struct LineTypeDef {
        const char* name;
        const char* description;
        const char* count;
        const char* length;
        std::vector<const char*> elements;
    };
    const LineTypeDef types[3] = {
        {"CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {}},
        {"DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"}},
        {"DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"}}};
    for (const auto& t : types) {
        Group(0, "LTYPE");
        Group(2, t.name);
        Group(70, "64");
        Group(3, t.description);
        Group(72, "65");
        Group(73, t.count);
        Group(40, t.length);
        for (const char* e : t.elements) Group(49, e);
    }
    Group(0, "ENDTAB");
    Group(0, "TABLE");
    Group(2, "LAYER");
    Group(70, "24");
    std::set<std::string> written;
    auto layer = [&](const std::string& name, int colour, const std::string& lineType) {
        if (name.empty() || !written.insert(name).second) return;
        Group(0, "LAYER");
        Group(2, name);
        Group(70, "0");
        Group(62, std::to_string(cad_.monochrome ? 1 : colour));
        Group(6, lineType);
    };
    if (scheme == 1) {
        for (int i = 0; i < 16; ++i) layer(std::to_string(i), i + 1, "CONTINUOUS");
    } else {
        layer("0", 1, "CONTINUOUS");
        for (int i = 1; i <= 5; ++i) {
            const auto& l = cad_.layers[static_cast<std::size_t>(i)];
            layer(l.name, l.colour, l.lineType);
        }
        if (scheme == 2)
            for (int i = 16; i < 32; ++i)
                layer(std::to_string(i), cad_.numberedColours[static_cast<std::size_t>(i)],
                      "CONTINUOUS");
    }
    Group(0, "ENDTAB");
    Group(0, "TABLE");
    Group(2, "STYLE");
    Group(70, "1");
    Group(0, "STYLE");
    Group(2, "STANDARD");
    Group(70, "0");
    Group(40, "0.0");
    Group(41, "1.0");
    Group(50, "0.0");
    Group(71, "0");
    Group(42, "3.5");
    Group(3, cad_.fontName);
    Group(4, "");
    tables_ += "0\r\nENDTAB\r\n";
    Group(0, "ENDSEC");
    current_ = &entities_;
}

void DxfSink::Entity(const char* type) {
    Group(0, type);
    Group(8, layer_);
}

void DxfSink::Pen(int pen) {
    layer_ = PenLayerName(cad_, pen);
}

void DxfSink::Line(Real x1, Real y1, Real x2, Real y2) {
    Entity("LINE");
    Real_(10, x1);
    Real_(20, y1);
    Real_(11, x2);
    Real_(21, y2);
}

void DxfSink::Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) {
    Entity("LINE");
    Real_(10, x1);
    Real_(20, y1);
    Real_(30, z1);
    Real_(11, x2);
    Real_(21, y2);
    Real_(31, z2);
}

void DxfSink::PolylineBegin(Real x, Real y) {
    if (inPolyline_) PolylineEnd();
    inPolyline_ = true;
    Entity("POLYLINE");
    Group(66, "1");
    Real_(10, 0);
    Real_(20, 0);
    PolylineVertex(x, y);
}

void DxfSink::PolylineVertex(Real x, Real y) {
    if (!inPolyline_) {
        PolylineBegin(x, y);
        return;
    }
    Entity("VERTEX");
    Real_(10, x);
    Real_(20, y);
}

void DxfSink::PolylineEnd() {
    if (!inPolyline_) return;
    inPolyline_ = false;
    Entity("SEQEND");
}

void DxfSink::Circle(Real xc, Real yc, Real r) {
    Entity("CIRCLE");
    Real_(10, xc);
    Real_(20, yc);
    Real_(40, r);
}

void DxfSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (IsFullArc(startDeg, endDeg)) {
        Circle(xc, yc, r);
        return;
    }
    Entity("ARC");
    Real_(10, xc);
    Real_(20, yc);
    Real_(40, r);
    Real_(50, startDeg);
    Real_(51, endDeg);
}

void DxfSink::Text(Real x, Real y, const std::string& oemText, const TextState& style) {
    TextEntity(x, y, nullptr, oemText, style);
}

void DxfSink::Text3D(Real x, Real y, Real z, const std::string& oemText, const TextState& style) {
    TextEntity(x, y, &z, oemText, style);
}

void DxfSink::TextEntity(Real x, Real y, const Real* z, const std::string& oemText,
                         const TextState& style) {
    Entity("TEXT");
    Real_(10, x);
    Real_(20, y);
    if (z) Real_(30, *z);
    Real_(40, style.height);
    Group(1, DxfTextValue(out_, oemText));
    Group(7, "STANDARD");
    Group(41, CadFree(out_, style.widthFactor));
    Group(50, CadFree(out_, style.rotation));
    Group(51, CadFree(out_, style.oblique));
}

void DxfSink::Solid(const Real (&x)[4], const Real (&y)[4]) {
    // Corners come in outline order; a SOLID fills 1-2-4-3, so the last two swap.
    static constexpr int kOrder[4] = {0, 1, 3, 2};
    Entity("SOLID");
    for (int i = 0; i < 4; ++i) {
        Real_(10 + i, x[kOrder[i]]);
        Real_(20 + i, y[kOrder[i]]);
    }
}

void DxfSink::BlockBegin(const std::string& name) {
    if (inPolyline_) PolylineEnd();
    inBlock_ = true;
    current_ = &blocks_;
    Group(0, "BLOCK");
    Group(8, layer_);
    Group(2, name);
    Group(70, "0");
    Group(10, "0.0");
    Group(20, "0.0");
}

void DxfSink::BlockEnd() {
    if (!inBlock_) return;
    if (inPolyline_) PolylineEnd();
    Group(0, "ENDBLK");
    inBlock_ = false;
    current_ = &entities_;
}

void DxfSink::Insert(const std::string& name, Real x, Real y, Real sx, Real sy, Real rotationDeg) {
    Entity("INSERT");
    Group(2, name);
    Real_(10, x);
    Real_(20, y);
    Real_(41, sx);
    Real_(42, sy);
    Real_(50, rotationDeg);
}

std::string DxfSink::Text() const {
    std::string all = header_ + tables_;
    if (!blocks_.empty()) {
        std::string head;
        Put(head, 0, "SECTION");
        Put(head, 2, "BLOCKS");
        all += head + blocks_;
        Put(all, 0, "ENDSEC");
    }
    Put(all, 0, "SECTION");
    Put(all, 2, "ENTITIES");
    all += entities_;
    if (inPolyline_) Put(all, 0, "SEQEND");
    Put(all, 0, "ENDSEC");
    Put(all, 0, "EOF");
    return all;
}

bool DxfSink::Close() {
    if (inBlock_) BlockEnd();
    if (inPolyline_) PolylineEnd();
    if (!ReplaceFileContent(fs_, path_, Text())) {
        Fail("Schreibfehler: " + path_);
        return false;
    }
    return true;
}

}  // namespace bxr
