#include "sections/dxf_contour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "format/code_page.h"

namespace bxr {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

struct Pair {
    int code = 0;
    std::string value;
    std::size_t line = 0;
};

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

bool IsBinary(std::string_view file) {
    return file.substr(0, 18) == "AutoCAD Binary DXF";
}

// The group code and value pairs; false at the first line that is no group code.
bool ReadPairs(std::string_view file, std::vector<Pair>& pairs, std::size_t& badLine) {
    std::size_t at = 0, line = 0;
    auto next = [&](std::string_view& out) {
        if (at >= file.size()) return false;
        std::size_t end = file.find('\n', at);
        if (end == std::string_view::npos) end = file.size();
        out = file.substr(at, end - at);
        at = end + 1;
        ++line;
        return true;
    };
    std::string_view codeLine, valueLine;
    while (next(codeLine)) {
        const std::string_view c = Trimmed(codeLine);
        if (c.empty() && at >= file.size()) break;
        char* end = nullptr;
        const std::string code(c);
        const long n = std::strtol(code.c_str(), &end, 10);
        if (code.empty() || *end != '\0' || n < 0 || n > 1071 || !next(valueLine)) {
            badLine = line;
            return false;
        }
        pairs.push_back({static_cast<int>(n), std::string(Trimmed(valueLine)), line - 1});
    }
    return true;
}

Real Number(const std::string& s) {
    char* end = nullptr;
    const long double v = std::strtold(s.c_str(), &end);
    return std::isfinite(v) ? v : 0;
}

struct Point {
    Real x = 0, y = 0;
};

// One edge of an outline: from a to b, sweep in radians (counter-clockwise positive, 0 straight).
struct Edge {
    Point a, b;
    Real sweep = 0;
    Edge Reversed() const { return {b, a, -sweep}; }
};

struct Geometry {
    std::vector<Edge> edges;                 // to be chained
    std::vector<std::vector<Edge>> circles;  // closed already
};

Real Distance(Point p, Point q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// One entity: its type and its groups up to the next entity.
struct Entity {
    std::string type;
    std::vector<const Pair*> groups;
    std::string Layer() const {
        for (const Pair* p : groups)
            if (p->code == 8) return p->value;
        return "0";
    }
    Real Get(int code, Real otherwise = 0) const {
        for (const Pair* p : groups)
            if (p->code == code) return Number(p->value);
        return otherwise;
    }
    bool Mirrored() const { return Get(230, 1) < 0; }  // extrusion (0, 0, -1): x turns over
};

std::vector<Entity> Entities(const std::vector<Pair>& pairs) {
    std::vector<Entity> out;
    bool inEntities = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Pair& p = pairs[i];
        if (p.code == 0 && p.value == "SECTION" && i + 1 < pairs.size() && pairs[i + 1].code == 2) {
            inEntities = pairs[i + 1].value == "ENTITIES";
            ++i;
            continue;
        }
        if (!inEntities) continue;
        if (p.code == 0) {
            if (p.value == "ENDSEC") {
                inEntities = false;
                continue;
            }
            out.push_back({p.value, {}});
        } else if (!out.empty()) {
            out.back().groups.push_back(&p);
        }
    }
    return out;
}

bool IsGeometry(const std::string& type) {
    return type == "LINE" || type == "ARC" || type == "CIRCLE" || type == "LWPOLYLINE" ||
           type == "POLYLINE";
}

void AddCircle(Geometry& g, Point c, Real r) {
    if (!(r > 0)) return;
    const Point right{c.x + r, c.y}, left{c.x - r, c.y};
    g.circles.push_back({{right, left, kPi}, {left, right, kPi}});
}

void AddVertices(Geometry& g, const std::vector<Point>& pts, const std::vector<Real>& bulges,
                 bool closed, bool mirrored) {
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i + 1 < n || (closed && i < n && n > 1); ++i) {
        const Point a = pts[i], b = pts[(i + 1) % n];
        const Real sweep = 4 * std::atan(bulges[i]) * (mirrored ? -1 : 1);
        if (Distance(a, b) > 0) g.edges.push_back({a, b, sweep});
        if (i + 1 >= n) break;
    }
}

Geometry Collect(const std::vector<Entity>& entities, const std::string& layer) {
    Geometry g;
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const Entity& e = entities[i];
        if (!IsGeometry(e.type) || (!layer.empty() && e.Layer() != layer)) continue;
        const Real mx = e.Mirrored() ? -1 : 1;
        if (e.type == "LINE") {
            const Point a{mx * e.Get(10), e.Get(20)}, b{mx * e.Get(11), e.Get(21)};
            if (Distance(a, b) > 0) g.edges.push_back({a, b, 0});
        } else if (e.type == "CIRCLE") {
            AddCircle(g, {mx * e.Get(10), e.Get(20)}, e.Get(40));
        } else if (e.type == "ARC") {
            const Point c{e.Get(10), e.Get(20)};
            const Real r = e.Get(40);
            const Real a0 = e.Get(50), a1 = e.Get(51);
            Real sweepDeg = std::fmod(a1 - a0, 360.0L);
            if (sweepDeg < 0) sweepDeg += 360;
            if (sweepDeg < 1e-9L || 360 - sweepDeg < 1e-7L) {  // a full circle
                AddCircle(g, {mx * c.x, c.y}, r);
                continue;
            }
            auto at = [&](Real deg) {
                const Real t = deg * kPi / 180;
                return Point{mx * (c.x + r * std::cos(t)), c.y + r * std::sin(t)};
            };
            // Counter-clockwise in its own system; turned over, clockwise on the sheet.
            if (r > 0) g.edges.push_back({at(a0), at(a1), mx * sweepDeg * kPi / 180});
        } else if (e.type == "LWPOLYLINE") {
            std::vector<Point> pts;
            std::vector<Real> bulges;
            for (const Pair* p : e.groups) {
                if (p->code == 10) {
                    pts.push_back({mx * Number(p->value), 0});
                    bulges.push_back(0);
                } else if (p->code == 20 && !pts.empty()) {
                    pts.back().y = Number(p->value);
                } else if (p->code == 42 && !bulges.empty()) {
                    bulges.back() = Number(p->value);
                }
            }
            AddVertices(g, pts, bulges, (static_cast<long>(e.Get(70)) & 1) != 0, e.Mirrored());
        } else {  // POLYLINE: its VERTEX entities up to SEQEND
            std::vector<Point> pts;
            std::vector<Real> bulges;
            std::size_t j = i + 1;
            for (; j < entities.size() && entities[j].type == "VERTEX"; ++j) {
                pts.push_back({mx * entities[j].Get(10), entities[j].Get(20)});
                bulges.push_back(entities[j].Get(42));
            }
            if (j < entities.size() && entities[j].type == "SEQEND") ++j;
            i = j - 1;
            AddVertices(g, pts, bulges, (static_cast<long>(e.Get(70)) & 1) != 0, e.Mirrored());
        }
    }
    return g;
}

std::string Coordinate(Real v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.4Lf", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

// The chord points of a loop, arcs in steps of at most 5 degrees, for the tests of where
// loops lie.
std::vector<Point> Chords(const std::vector<Edge>& loop) {
    std::vector<Point> out;
    for (const Edge& e : loop) {
        out.push_back(e.a);
        const Real l = Distance(e.a, e.b);
        if (e.sweep == 0 || l == 0) continue;
        const Real half = e.sweep / 2;
        const Real d = (l / 2) / std::tan(half);
        const Point m{(e.a.x + e.b.x) / 2, (e.a.y + e.b.y) / 2};
        const Point c{m.x - (e.b.y - e.a.y) * d / l, m.y + (e.b.x - e.a.x) * d / l};
        const Real r = Distance(c, e.a);
        const Real start = std::atan2(e.a.y - c.y, e.a.x - c.x);
        const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(e.sweep) / (kPi / 36))));
        for (int k = 1; k < steps; ++k) {
            const Real t = start + e.sweep * k / steps;
            out.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
        }
    }
    return out;
}

// Area with the circle segments of the arcs; positive counter-clockwise.
Real SignedArea(const std::vector<Edge>& loop) {
    Real a = 0;
    for (const Edge& e : loop) {
        a += (e.a.x * e.b.y - e.b.x * e.a.y) / 2;
        if (e.sweep != 0) {
            const Real r = Distance(e.a, e.b) / (2 * std::sin(std::fabs(e.sweep) / 2));
            a += std::copysign(r * r / 2 * (std::fabs(e.sweep) - std::sin(std::fabs(e.sweep))),
                               e.sweep);
        }
    }
    return a;
}

bool Inside(const std::vector<Point>& poly, Point p) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

bool SegmentsCross(Point a, Point b, Point c, Point d) {
    auto orient = [](Point p, Point q, Point r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    const Real d1 = orient(c, d, a), d2 = orient(c, d, b), d3 = orient(a, b, c),
               d4 = orient(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool PolylinesCross(const std::vector<Point>& p, const std::vector<Point>& q) {
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j)
            if (SegmentsCross(p[i], p[(i + 1) % p.size()], q[j], q[(j + 1) % q.size()]))
                return true;
    return false;
}

std::vector<Edge> Reverse(const std::vector<Edge>& loop) {
    std::vector<Edge> r;
    for (auto it = loop.rbegin(); it != loop.rend(); ++it) r.push_back(it->Reversed());
    return r;
}

std::vector<Edge> StartingAt(const std::vector<Edge>& loop, std::size_t k) {
    std::vector<Edge> r(loop.begin() + static_cast<long>(k), loop.end());
    r.insert(r.end(), loop.begin(), loop.begin() + static_cast<long>(k));
    return r;
}

DxfContourResult Fail(const std::string& message) {
    DxfContourResult r;
    r.message = message;
    return r;
}

}  // namespace

std::vector<std::string> DxfContourLayers(std::string_view file) {
    std::vector<std::string> layers;
    std::vector<Pair> pairs;
    std::size_t bad = 0;
    if (IsBinary(file) || !ReadPairs(file, pairs, bad)) return layers;
    for (const Entity& e : Entities(pairs))
        if (IsGeometry(e.type) &&
            std::find(layers.begin(), layers.end(), e.Layer()) == layers.end())
            layers.push_back(e.Layer());
    return layers;
}

DxfContourResult ReadDxfContour(std::string_view file, const DxfContourOptions& options) {
    if (IsBinary(file)) return Fail("Binäre DXF-Datei: bitte als ASCII-DXF speichern"_oem);
    std::vector<Pair> pairs;
    std::size_t bad = 0;
    bool hasSection = false;
    const bool readable = ReadPairs(file, pairs, bad);
    for (const Pair& p : pairs) hasSection = hasSection || (p.code == 0 && p.value == "SECTION");
    if (!readable || !hasSection)
        return Fail(readable ? "Keine DXF-Datei: kein Abschnitt SECTION"
                             : "Keine DXF-Datei: Zeile " + std::to_string(bad) +
                                   " ist kein Gruppencode");

    Geometry g = Collect(Entities(pairs), options.layer);
    if (g.edges.empty() && g.circles.empty())
        return Fail("Keine geschlossene Kontur in der DXF-Datei" +
                    (options.layer.empty() ? std::string() : " auf Layer " + options.layer));

    // Every edge gives at least one contour point: more edges than points allowed cannot make
    // a contour, and the chaining below need not look at them.
    const std::size_t edgeCount = g.edges.size() + 2 * g.circles.size();
    if (edgeCount > static_cast<std::size_t>(kMaxContourPoints))
        return Fail("Die Kontur hat mehr als " + std::to_string(kMaxContourPoints) + " Punkte (" +
                    std::to_string(edgeCount) + " Kanten)");

    // The tolerance within which ends meet: from the size of the drawing.
    Real x0 = 1e300L, y0 = 1e300L, x1 = -1e300L, y1 = -1e300L;
    auto take = [&](Point p) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    };
    for (const Edge& e : g.edges) {
        take(e.a);
        take(e.b);
    }
    for (const auto& c : g.circles)
        for (const Edge& e : c) take(e.a);
    const Real tol = options.tolerance >= 0 ? options.tolerance
                                            : std::max(1e-3L, 1e-6L * std::max(x1 - x0, y1 - y0));

    // Chain the edges end to end into closed loops.
    std::vector<std::vector<Edge>> loops = g.circles;
    std::vector<bool> used(g.edges.size(), false);
    for (std::size_t s = 0; s < g.edges.size(); ++s) {
        if (used[s]) continue;
        used[s] = true;
        std::vector<Edge> loop{g.edges[s]};
        const Point start = g.edges[s].a;
        while (Distance(loop.back().b, start) > tol) {
            const Point end = loop.back().b;
            std::size_t best = g.edges.size();
            bool reversed = false;
            Real bestDistance = tol;
            for (std::size_t k = 0; k < g.edges.size(); ++k) {
                if (used[k]) continue;
                const Real da = Distance(g.edges[k].a, end), db = Distance(g.edges[k].b, end);
                if (da <= bestDistance) {
                    best = k;
                    reversed = false;
                    bestDistance = da;
                }
                if (db < bestDistance) {
                    best = k;
                    reversed = true;
                    bestDistance = db;
                }
            }
            if (best == g.edges.size())
                return Fail("Kontur offen bei y = " + Coordinate(end.x) +
                            ", z = " + Coordinate(end.y));
            used[best] = true;
            Edge next = reversed ? g.edges[best].Reversed() : g.edges[best];
            next.a = end;  // ends within the tolerance meet exactly
            // An edge no longer than the tolerance is a gap closed, not a corner.
            if (Distance(next.a, next.b) <= tol) continue;
            loop.push_back(next);
        }
        loop.back().b = start;
        if (loop.size() < 2 && loop.front().sweep == 0)
            return Fail("Kontur offen bei y = " + Coordinate(start.x) +
                        ", z = " + Coordinate(start.y));
        loops.push_back(loop);
    }

    // The outline is the loop of the largest area; every other loop is a hole inside it.
    std::size_t outer = 0;
    for (std::size_t i = 1; i < loops.size(); ++i)
        if (std::fabs(SignedArea(loops[i])) > std::fabs(SignedArea(loops[outer]))) outer = i;
    const Real size = std::max(x1 - x0, y1 - y0);
    if (std::fabs(SignedArea(loops[outer])) <= 1e-12L * size * size)
        return Fail("Keine geschlossene Kontur in der DXF-Datei: die Fläche ist null"_oem);
    if (SignedArea(loops[outer]) < 0) loops[outer] = Reverse(loops[outer]);
    std::vector<std::vector<Point>> chords;
    for (const auto& l : loops) chords.push_back(Chords(l));
    for (std::size_t i = 0; i < loops.size(); ++i) {
        if (i == outer) continue;
        for (std::size_t j = 0; j < loops.size(); ++j)
            if (j != i && PolylinesCross(chords[i], chords[j]))
                return Fail("Konturen überschneiden sich"_oem);
        if (!Inside(chords[outer], chords[i].front()))
            return Fail(
                "Mehrere getrennte Konturen: nur eine Außenkontur mit Bohrungen möglich"_oem);
        for (std::size_t j = 0; j < loops.size(); ++j)
            if (j != i && j != outer && Inside(chords[j], chords[i].front()))
                return Fail("Konturen überschneiden sich"_oem);
        if (SignedArea(loops[i]) > 0) loops[i] = Reverse(loops[i]);  // holes clockwise
    }

    // Holes are joined to the outline by a cut from the outline's corner nearest to the first
    // hole; the cut's two edges cancel in every integral over the contour.
    std::vector<Edge> outline = loops[outer];
    std::vector<std::vector<Edge>> holes;
    for (std::size_t i = 0; i < loops.size(); ++i)
        if (i != outer) holes.push_back(loops[i]);
    if (!holes.empty()) {
        std::size_t bestO = 0, bestH = 0;
        Real best = std::numeric_limits<Real>::max();
        for (std::size_t o = 0; o < outline.size(); ++o)
            for (std::size_t h = 0; h < holes[0].size(); ++h) {
                const Real d = Distance(outline[o].a, holes[0][h].a);
                if (d < best) {
                    best = d;
                    bestO = o;
                    bestH = h;
                }
            }
        outline = StartingAt(outline, bestO);
        holes[0] = StartingAt(holes[0], bestH);
    }
    DxfContourResult r;
    auto add = [&](Point p, Real sweep) { r.contour.push_back({p.x, p.y, sweep}); };
    for (const Edge& e : outline) add(e.a, e.sweep);
    for (std::size_t i = 0; i < holes.size(); ++i) {
        // The outline's first point again: the end of its last edge, or the way back along
        // the cut from the hole before.
        add(outline.front().a, 0);
        std::size_t start = 0;
        if (i > 0) {
            Real best = std::numeric_limits<Real>::max();
            for (std::size_t h = 0; h < holes[i].size(); ++h)
                if (Distance(outline.front().a, holes[i][h].a) < best) {
                    best = Distance(outline.front().a, holes[i][h].a);
                    start = h;
                }
        }
        const std::vector<Edge> hole = StartingAt(holes[i], start);
        for (const Edge& e : hole) add(e.a, e.sweep);
        add(hole.front().a, 0);
    }
    if (holes.empty()) {
        // The closing edge of a contour is straight: an outline that ends in an arc repeats
        // its first point.
        if (outline.back().sweep != 0) add(outline.front().a, 0);
    }
    r.loops = static_cast<int>(loops.size());
    if (r.contour.size() > static_cast<std::size_t>(kMaxContourPoints))
        return Fail("Die Kontur hat " + std::to_string(r.contour.size()) +
                    " Punkte, höchstens "_oem + std::to_string(kMaxContourPoints) +
                    " sind möglich"_oem);
    r.ok = true;
    return r;
}

}  // namespace bxr
