#include "graphics/iges_sink.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "analysis/angle_math.h"
#include "format/code_page.h"
#include "graphics/cad_number.h"
#include "graphics/pen_style.h"
#include "platform/replace_file.h"

namespace bxr {

namespace {

std::string RightAligned(const std::string& t, std::size_t width) {
    if (t.size() >= width) return t;
    return std::string(width - t.size(), ' ') + t;
}

std::string Sequence(char letter, std::size_t number) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c%07zu", letter, number);
    return buf;
}

std::string Padded(std::string t, std::size_t width) {
    if (t.size() < width) t.append(width - t.size(), ' ');
    return t.substr(0, width);
}

void AddLine(std::vector<std::string>& section, char letter, const std::string& data) {
    section.push_back(Padded(data, 72) + Sequence(letter, section.size() + 1));
}

}  // namespace

std::string Hollerith(const std::string& text) {
    // Hollerith strings are ASCII. The drawing texts come folded already; a byte beyond
    // ASCII left in a name or a path becomes "?".
    std::string ascii = text;
    for (char& c : ascii)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return std::to_string(ascii.size()) + "H" + ascii;
}

std::vector<std::string> WrapParameters(const std::string& text, std::size_t width) {
    // Fields end after a "," or ";" outside Hollerith strings.
    std::vector<std::string> fields;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c)) &&
            field.find_first_not_of(" ") == std::string::npos) {
            // A leading count followed by "H" starts a Hollerith string.
            std::size_t j = i;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
            if (j < text.size() && text[j] == 'H') {
                std::size_t n = std::stoul(text.substr(i, j - i));
                std::size_t end = std::min(text.size(), j + 1 + n);
                field += text.substr(i, end - i);
                i = end;
                continue;
            }
        }
        field += c;
        ++i;
        if (c == ',' || c == ';') {
            fields.push_back(field);
            field.clear();
        }
    }
    if (!field.empty()) fields.push_back(field);

    std::vector<std::string> lines;
    std::string line;
    for (auto& f : fields) {
        if (!line.empty() && line.size() + f.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        while (f.size() > width) {  // a long text: cut where it must be
            lines.push_back(f.substr(0, width));
            f.erase(0, width);
        }
        line += f;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int IgesSink::IgesColour(int drawingColour) {
    static constexpr std::array<int, 16> kTable{0, 2,  5,  3,  7,  4,  6,  0,
                                                8, 10, 11, 12, 13, 14, 15, 1};
    int c = drawingColour % 16;
    if (c < 0) c += 16;
    int igesColour = kTable[static_cast<std::size_t>(c)];
    // Colour numbers above 8 are not IGES colours; readers take them as errors.
    return igesColour <= 8 ? igesColour : 0;
}

IgesSink::IgesSink(FileSystem& fs, std::string path, const OutputSettings& out,
                   const CadSettings& cad, IgesInfo info)
    : fs_(fs), path_(std::move(path)), out_(out), cad_(cad), info_(std::move(info)) {}

std::string IgesSink::Num(Real x) const {
    return CadReal(out_, x, 3);
}

void IgesSink::Start() {
    if (started_) return;
    started_ = true;
    AddLine(s_, 'S', "IGES-Datei generiert von BXR");
    AddLine(s_, 'S', "Uebersetzer von VORTANE GMBH, Uebersetzerversion " + info_.version);
}

void IgesSink::Sheet(Real xmin, Real ymin, Real xmax, Real ymax) {
    s_.clear();
    g_.clear();
    started_ = false;
    Start();
    const std::string file = FileNameOf(path_);
    char date[32];
    std::snprintf(date, sizeof date, "%02d%02d%02d.081107", (info_.year - 1900) % 100, info_.month,
                  info_.day);
    const Real size = std::max(std::fabs(xmax - xmin), std::fabs(ymax - ymin));
    std::string global = ",," + Hollerith("FILE") + "," + Hollerith(file) + "," +
                         Hollerith("BXR V" + info_.version) + "," +
                         Hollerith("BXR drawing interface " + info_.version) + ",16,38,6,99,15," +
                         Hollerith(file) + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1," +
                         Hollerith(date) + ",1.0D-8," + CadFree(out_, size) + "," +
                         Hollerith(info_.author) + "," + Hollerith(info_.organisation) + ",4,0;";
    for (const auto& l : WrapParameters(global, 72)) AddLine(g_, 'G', l);
}

void IgesSink::Pen(int pen) {
    pen = NormalisePen(pen);
    int colour;
    lineFont_ = 1;
    if (cad_.numberedLayers || pen > 5) {
        colour = pen >= 16 ? cad_.numberedColours[static_cast<std::size_t>(pen)] : pen % 16 + 1;
    } else if (pen == 0) {
        colour = 7;
    } else {
        colour = cad_.layers[static_cast<std::size_t>(pen)].colour;
        if (pen == 1) lineFont_ = 4;
        if (pen == 2) lineFont_ = 2;
    }
    if (cad_.monochrome) colour = 1;
    colour_ = IgesColour(colour);
}

int IgesSink::Entity(int type, const std::vector<std::string>& groups, const std::string& field7,
                     const std::string& form, const std::string& label, const std::string& status) {
    Start();
    entityCounter_ += 2;
    const int d = entityCounter_;
    std::size_t lines = 0;
    for (const auto& g : groups)
        for (const auto& l : WrapParameters(g, 64)) {
            p_.push_back(Padded(l, 64) + RightAligned(std::to_string(d), 8) +
                         Sequence('P', p_.size() + 1));
            ++lines;
        }
    std::string st = status.empty() ? (defining_ >= 0 ? "00010000" : "00000000") : status;
    auto field = [](const std::string& t) { return RightAligned(t, 8); };
    const std::string t = std::to_string(type);
    std::string first = field(t) + field(std::to_string(paramPointer_)) + field("1") +
                        field(std::to_string(lineFont_)) + field(std::to_string(colour_)) +
                        field("") + field(field7) + field("") + st;
    std::string second = field(t) + field("") + field(std::to_string(colour_)) +
                         field(std::to_string(lines)) + field(form) + field("") + field("") +
                         field(label.substr(0, 8)) + "";
    AddLine(d_, 'D', first);
    AddLine(d_, 'D', second);
    paramPointer_ += static_cast<int>(lines);
    if (defining_ >= 0 && type != 308)
        subfigures_[static_cast<std::size_t>(defining_)].members.push_back(d);
    return d;
}

void IgesSink::Line(Real x1, Real y1, Real x2, Real y2) {
    // A line of no length is no curve; readers reject it.
    if (Num(x1) == Num(x2) && Num(y1) == Num(y2)) return;
    Entity(110, {"110," + Num(x1) + "," + Num(y1) + ",0.0," + Num(x2) + "," + Num(y2) + ",0.0;"},
           "", "");
}

void IgesSink::Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) {
    if (Num(x1) == Num(x2) && Num(y1) == Num(y2) && Num(z1) == Num(z2)) return;
    Entity(110,
           {"110," + Num(x1) + "," + Num(y1) + "," + Num(z1) + "," + Num(x2) + "," + Num(y2) + "," +
            Num(z2) + ";"},
           "", "");
}

void IgesSink::Circle(Real xc, Real yc, Real r) {
    Entity(100,
           {"100,0.0," + Num(xc) + "," + Num(yc) + "," + Num(xc + r) + "," + Num(yc) + "," +
            Num(xc + r) + "," + Num(yc) + ";"},
           "0", "");
}

void IgesSink::Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) {
    if (IsFullArc(startDeg, endDeg)) {
        Circle(xc, yc, r);
        return;
    }
    Entity(100,
           {"100,0.0," + Num(xc) + "," + Num(yc) + "," + Num(xc + r * CosDeg(startDeg)) + "," +
            Num(yc + r * SinDeg(startDeg)) + "," + Num(xc + r * CosDeg(endDeg)) + "," +
            Num(yc + r * SinDeg(endDeg)) + ";"},
           "0", "");
}

void IgesSink::Text(Real x, Real y, const std::string& oemText, const TextState& style) {
    // IGES texts are ASCII whatever the CAD text type: umlauts as "ae", "oe", ..., the other
    // letters without their accents, anything else "?".
    std::string text = OneLineText(FoldToAscii(oemText));
    if (text.empty()) return;
    const Real width = static_cast<Real>(text.size()) * style.height * style.widthFactor;
    const Real rotation = style.rotation * M_PIl / 180;
    Entity(212,
           {"212,1," + std::to_string(text.size()) + "," + Num(width) + "," + Num(style.height) +
                ",1,," + CadReal(out_, rotation, 6) + ",0,0," + Num(x) + "," + Num(y) + ",0.0,",
            Hollerith(text) + ";"},
           "0", "");
}

void IgesSink::Solid(const Real (&x)[4], const Real (&y)[4]) {
    std::string t = "106,1,5,0.0";
    for (int i : {0, 1, 2, 3, 0}) t += "," + Num(x[i]) + "," + Num(y[i]);
    Entity(106, {t + ";"}, "0", "11");
}

void IgesSink::BlockBegin(const std::string& name) {
    if (defining_ >= 0) BlockEnd();
    const std::string shortName = name.substr(0, 8);
    for (std::size_t i = 0; i < subfigures_.size(); ++i)
        if (subfigures_[i].name == shortName) {
            subfigures_[i].members.clear();
            defining_ = static_cast<int>(i);
            return;
        }
    if (subfigures_.size() >= 255) {
        messages_.push_back("Blockname " + name + " not found !");
        return;
    }
    subfigures_.push_back({shortName, 0, {}});
    defining_ = static_cast<int>(subfigures_.size()) - 1;
}

void IgesSink::BlockEnd() {
    if (defining_ < 0) return;
    auto& sf = subfigures_[static_cast<std::size_t>(defining_)];
    std::vector<std::string> groups;
    std::string head = "308,0," + Hollerith(sf.name) + "," + std::to_string(sf.members.size());
    if (sf.members.empty()) {
        groups.push_back(head + ";");
    } else {
        groups.push_back(head + ",");
        std::string line;
        for (std::size_t i = 0; i < sf.members.size(); ++i) {
            line += std::to_string(sf.members[i]) + (i + 1 == sf.members.size() ? ";" : ",");
            if ((i + 1) % 12 == 0 || i + 1 == sf.members.size()) {
                groups.push_back(line);
                line.clear();
            }
        }
    }
    const int font = lineFont_;
    lineFont_ = 1;
    defining_ = -1;
    sf.d = Entity(308, groups, "", "", sf.name, "00000000");
    lineFont_ = font;
}

void IgesSink::Insert(const std::string& name, Real x, Real y, Real sx, Real /*sy*/,
                      Real rotationDeg) {
    const std::string shortName = name.substr(0, 8);
    int d = 0;
    for (const auto& sf : subfigures_)
        if (sf.name == shortName && sf.d > 0) d = sf.d;
    if (d == 0) {
        messages_.push_back("Blockname " + name + " not found !");
        return;
    }
    const std::string scale = CadReal(out_, sx, 3);
    if (std::fabs(rotationDeg) < 1e-9L) {
        Entity(408,
               {"408," + std::to_string(d) + "," + Num(x) + "," + Num(y) + ",0.0," + scale + ";"},
               "", "");
        return;
    }
    const std::string c = CadReal(out_, CosDeg(rotationDeg), 6),
                      s = CadReal(out_, SinDeg(rotationDeg), 6),
                      ms = CadReal(out_, -SinDeg(rotationDeg), 6);
    const int m = Entity(124,
                         {"124," + c + "," + ms + ",0.0," + Num(x) + "," + s + "," + c + ",0.0," +
                          Num(y) + ",0.0,0.0,1.0,0.0;"},
                         "", "0", "", "00010000");
    Entity(408, {"408," + std::to_string(d) + ",0.0,0.0,0.0," + scale + ";"}, std::to_string(m),
           "");
}

std::string IgesSink::Text() const {
    std::string all;
    auto put = [&](const std::vector<std::string>& lines) {
        for (const auto& l : lines) all += l + "\r\n";
    };
    std::vector<std::string> s = s_;
    if (s.empty()) {
        AddLine(s, 'S', "IGES-Datei generiert von BXR");
        AddLine(s, 'S', "Uebersetzer von VORTANE GMBH, Uebersetzerversion " + info_.version);
    }
    put(s);
    put(g_);
    put(d_);
    put(p_);
    char t[80];
    std::snprintf(t, sizeof t, "S%07zuG%07zuD%07zuP%07zu", s.size(), g_.size(), d_.size(),
                  p_.size());
    std::vector<std::string> term;
    AddLine(term, 'T', t);
    put(term);
    return all;
}

bool IgesSink::Close() {
    if (defining_ >= 0) BlockEnd();
    if (!ReplaceFileContent(fs_, path_, Text())) {
        Fail("Schreibfehler: " + path_);
        return false;
    }
    return true;
}

}  // namespace bxr
