#include "graphics/block_file.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include "analysis/angle_math.h"
#include "graphics/drawing.h"
#include "sections/arc_center.h"

namespace bxr {

namespace {

struct Entity {
    std::string type;
    std::multimap<int, std::string> groups;
    Real Number(int code) const {
        auto it = groups.find(code);
        if (it == groups.end()) return 0;
        const long double v = std::strtold(it->second.c_str(), nullptr);
        return std::isfinite(v) ? v : 0;
    }
    std::string Text(int code) const {
        auto it = groups.find(code);
        return it == groups.end() ? std::string() : it->second;
    }
};

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

bool ReadEntities(std::string_view file, std::vector<Entity>& entities) {
    std::size_t at = 0;
    auto next = [&](std::string_view& out) {
        if (at >= file.size()) return false;
        std::size_t end = file.find('\n', at);
        if (end == std::string_view::npos) end = file.size();
        out = Trimmed(file.substr(at, end - at));
        at = end + 1;
        return true;
    };
    std::string_view codeLine, value;
    while (next(codeLine)) {
        if (codeLine.empty() && at >= file.size()) break;
        const std::string code(codeLine);
        char* end = nullptr;
        const long n = std::strtol(code.c_str(), &end, 10);
        if (code.empty() || *end != '\0' || n < 0 || !next(value)) return false;
        if (n == 0)
            entities.push_back({std::string(value), {}});
        else if (!entities.empty())
            entities.back().groups.emplace(static_cast<int>(n), std::string(value));
    }
    return true;
}

// A polyline's segment with a bulge is an arc through both ends; a straight one a line.
void Segment(Drawing& d, Real x1, Real y1, Real x2, Real y2, Real bulge) {
    if (bulge == 0) {
        d.Line(x1, y1, x2, y2);
        return;
    }
    const ArcCenter a = GetArcCenter(x1, y1, x2, y2, 4 * std::atan(bulge));
    if (!a.valid) {
        d.Line(x1, y1, x2, y2);
        return;
    }
    d.Arc(a.yc, a.zc, a.r, RadToDeg(a.startAngle), RadToDeg(a.endAngle));
}

}  // namespace

std::string BlockFileName(const std::string& blockName) {
    return "$" + blockName + ".dx$";
}

bool ReadableBlockFile(std::string_view file) {
    std::vector<Entity> entities;
    return ReadEntities(file, entities);
}

bool DrawBlockFile(Drawing& d, std::string_view file) {
    std::vector<Entity> entities;
    if (!ReadEntities(file, entities)) return false;
    bool inPolyline = false, havePoint = false;
    Real px = 0, py = 0, bulge = 0;
    for (const Entity& e : entities) {
        const std::string& t = e.type;
        if (t == "LINE") {
            d.Line(e.Number(10), e.Number(20), e.Number(11), e.Number(21));
        } else if (t == "CIRCLE") {
            d.Circle(e.Number(10), e.Number(20), e.Number(40));
        } else if (t == "ARC") {
            d.Arc(e.Number(10), e.Number(20), e.Number(40), e.Number(50), e.Number(51));
        } else if (t == "TEXT") {
            const Real h = e.Number(40) > 0 ? e.Number(40) : 2.5L;
            const Real factor = e.Number(41) > 0 ? e.Number(41) : 1;
            d.TextSize(h * factor, h, e.Number(50));
            d.Text(e.Number(10), e.Number(20), e.Text(1));
        } else if (t == "SOLID") {
            // DXF fills 1-2-4-3; the drawing takes its corners in outline order.
            d.Solid(e.Number(10), e.Number(20), e.Number(11), e.Number(21), e.Number(13),
                    e.Number(23), e.Number(12), e.Number(22));
        } else if (t == "POLYLINE") {
            inPolyline = true;
            havePoint = false;
        } else if (t == "VERTEX" && inPolyline) {
            const Real x = e.Number(10), y = e.Number(20);
            if (havePoint) Segment(d, px, py, x, y, bulge);
            px = x;
            py = y;
            bulge = e.Number(42);
            havePoint = true;
        } else if (t == "SEQEND") {
            inPolyline = false;
        }
    }
    return true;
}

}  // namespace bxr
