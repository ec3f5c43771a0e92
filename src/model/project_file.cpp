#include "model/project_file.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "format/text_lines.h"
#include "format/code_page.h"
#include "format/number_format.h"

#ifndef BXR_VERSION
#define BXR_VERSION "0"
#endif

namespace bxr {

std::string WriteReal(const OutputSettings& s, Real x) {
    if (x < 1 && std::fabs(x - std::nearbyint(x)) < 1e-10L) return FormatFree(s, x);
    return FormatDecimals(s, x, 7);
}

std::string WriteContourReal(const OutputSettings& s, Real x) {
    return FormatDecimals(s, x, 3);
}

namespace {

// What the rows of the table work on. The writer only reads through these pointers.
struct Ctx {
    BeamModel* m = nullptr;
    ProjectDocumentation* d = nullptr;
    SectionState* section = nullptr;
    const OutputSettings* s = nullptr;
    int i = 0;              // entry of the group being written or read
    int fileFreeTexts = 0;  // free-text count as the file states it
    int linkCount = kDocumentLinks;
    bool damaged = false;
};

// A line the writer fills with a run of hyphens; blanks after it do not count.
bool IsRule(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end != std::string::npos && text.find_first_not_of('-') > end;
}

std::string WithoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// One line of the file, or a repeated group of lines.
struct Row {
    std::function<std::string(Ctx&)> write;
    // False when the line cannot be what the writer put there; empty: the line is skipped.
    std::function<bool(Ctx&, const std::string&)> read;

    // A group: entries 1..count, each the lines of `group`.
    std::vector<Row> group;
    std::function<int(Ctx&)> count;           // entries held
    std::function<void(Ctx&, int)> setCount;  // entries read
    int capacity = 0;
    bool countLine = false;  // the count stands on its own line before the group
    std::string afterCount;  // a separator between the count line and the first entry
    // A block at the end of the file, written only when count is above 0 and read only when
    // the file goes on; a file that ends before it has count 0.
    bool optionalTail = false;
    bool IsGroup() const { return !group.empty(); }
};

// Texts that would break the line sequence: a CR ends a line and Ctrl-Z ends the file.
std::string SafeLine(std::string text) {
    for (auto& c : text)
        if (c == '\r' || c == kEndOfFile) c = ' ';
    return text;
}

Row Lit(std::string text) {
    Row r;
    r.write = [text](Ctx&) { return text; };
    // Captions may come in another language; the rule lines stand in every file at their
    // places, so a lost or doubled line shows there.
    if (IsRule(text))
        r.read = [rule = WithoutTrailingBlanks(text)](Ctx&, const std::string& line) {
            return WithoutTrailingBlanks(line) == rule;
        };
    return r;
}

Row Info(std::function<std::string(Ctx&)> write) {
    Row r;
    r.write = std::move(write);
    return r;
}

template <class F>
Row Int(F ref) {
    Row r;
    r.write = [ref](Ctx& c) { return std::to_string(static_cast<long long>(ref(c))); };
    r.read = [ref](Ctx& c, const std::string& line) {
        using T = std::remove_reference_t<decltype(ref(c))>;
        const auto v =
            ReadIntegerField(line, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
        if (!v) return false;
        ref(c) = static_cast<T>(*v);
        return true;
    };
    return r;
}

bool Store(Real& to, const std::string& line) {
    const auto v = ReadRealField(line);
    if (v) to = *v;
    return v.has_value();
}

template <class F>
Row RealRow(F ref) {
    Row r;
    r.write = [ref](Ctx& c) { return WriteReal(*c.s, ref(c)); };
    r.read = [ref](Ctx& c, const std::string& line) { return Store(ref(c), line); };
    return r;
}

// Seven decimals always, 0 too.
template <class F>
Row FixedRealRow(F ref) {
    Row r;
    r.write = [ref](Ctx& c) { return FormatDecimals(*c.s, ref(c), 7); };
    r.read = [ref](Ctx& c, const std::string& line) { return Store(ref(c), line); };
    return r;
}

template <class F>
Row ContourRow(F ref) {
    Row r;
    r.write = [ref](Ctx& c) { return WriteContourReal(*c.s, ref(c)); };
    r.read = [ref](Ctx& c, const std::string& line) { return Store(ref(c), line); };
    return r;
}

template <class F>
Row Bool(F ref) {
    Row r;
    r.write = [ref](Ctx& c) { return std::string(BooleanText(ref(c))); };
    r.read = [ref](Ctx& c, const std::string& line) {
        const auto v = ReadBooleanField(line);
        if (v) ref(c) = *v;
        return v.has_value();
    };
    return r;
}

template <class F>
Row Text(F ref, std::size_t maxLength) {
    Row r;
    r.write = [ref, maxLength](Ctx& c) { return SafeLine(CutText(ref(c), maxLength)); };
    r.read = [ref, maxLength](Ctx& c, const std::string& line) {
        ref(c) = CutText(line, maxLength);
        return true;
    };
    return r;
}

template <class F>
Row Group(F countRef, int capacity, std::string afterCount, std::vector<Row> rows) {
    Row r;
    r.count = [countRef](Ctx& c) { return static_cast<int>(countRef(c)); };
    r.setCount = [countRef](Ctx& c, int n) {
        countRef(c) = static_cast<std::remove_reference_t<decltype(countRef(c))>>(n);
    };
    r.capacity = capacity;
    r.countLine = true;
    r.afterCount = std::move(afterCount);
    r.group = std::move(rows);
    return r;
}

const std::string kSep8(8, '-');
const std::string kSep14(14, '-');
const std::string kSep20(20, '-');

std::vector<Row> Banner() {
    return {
        Lit(std::string(65, '-')),
        Info([](Ctx&) { return "BXR  -  Trägerberechnung"_oem; }),
        Info([](Ctx&) { return std::string("Version ") + BXR_VERSION; }),
        Info([](Ctx&) { return std::string("Linux"); }),
        Lit(std::string(65, '-')),
        Text(
            [](Ctx & c) -> auto& { return c.m->headerLines[1]; }, kHeaderLineLength),
        Text(
            [](Ctx & c) -> auto& { return c.m->headerLines[2]; }, kHeaderLineLength),
        Text(
            [](Ctx & c) -> auto& { return c.m->headerLines[3]; }, kHeaderLineLength),
    };
}

Row ContourGroup() {
    Row number = Info([](Ctx& c) { return std::to_string(c.i) + ". Punkt"; });
    return Group(
        [](Ctx & c) -> auto& { return c.m->contourCount; }, kMaxContourPoints, std::string(22, '-'),
        {number, ContourRow([](Ctx & c) -> auto& { return c.m->contour[c.i].y; }),
         ContourRow([](Ctx & c) -> auto& { return c.m->contour[c.i].z; }),
         ContourRow([](Ctx & c) -> auto& { return c.m->contour[c.i].arcAngle; }), Lit("------")});
}

// "a|b|c|" fields of the sign-off line and the free texts.
std::vector<std::string> SplitFields(const std::string& line, std::size_t fields) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (out.size() + 1 < fields) {
        const auto bar = line.find('|', at);
        if (bar == std::string::npos) break;
        out.push_back(line.substr(at, bar - at));
        at = bar + 1;
    }
    out.push_back(at <= line.size() ? line.substr(at) : std::string());
    out.resize(fields);
    return out;
}

bool EndsWithBars(const std::string& line) {
    return line.size() >= 2 && line.compare(line.size() - 2, 2, "||") == 0;
}

Row SignOffLine() {
    Row r;
    r.write = [](Ctx& c) {
        const DrawingData& dd = c.d->drawing;
        std::string line;
        for (const SignOff* so : {&dd.checked, &dd.standardsCheck, &dd.release}) {
            line += SafeLine(CutText(so->date, kSignOffLength)) + "|";
            line += SafeLine(CutText(so->name, kSignOffLength)) + "|";
        }
        const int n = std::clamp<int>(dd.freeTextCount, 0, kMaxFreeTexts);
        return line + std::to_string(n) + "|" + "|";
    };
    r.read = [](Ctx& c, const std::string& line) {
        // "date|name|" three times, the free-text count, "|" and the empty last field.
        if (!EndsWithBars(line) || std::count(line.begin(), line.end(), '|') < 8) return false;
        const std::string body = line.substr(0, line.size() - 2);
        const auto bar = body.rfind('|');
        const auto n = ReadIntegerField(body.substr(bar + 1), 0, kMaxFreeTexts);
        if (!n) return false;
        DrawingData& dd = c.d->drawing;
        const auto f = SplitFields(body.substr(0, bar), 6);
        int k = 0;
        for (SignOff* so : {&dd.checked, &dd.standardsCheck, &dd.release}) {
            so->date = CutText(f[k++], kSignOffLength);
            so->name = CutText(f[k++], kSignOffLength);
        }
        c.fileFreeTexts = static_cast<int>(*n);
        dd.freeTextCount = static_cast<std::uint16_t>(*n);
        return true;
    };
    return r;
}

Row FreeTextLine() {
    Row r;
    r.write = [](Ctx& c) {
        const FreeText& t = c.d->drawing.freeTexts[c.i];
        return FormatFree(*c.s, t.x) + "|" + FormatFree(*c.s, t.y) + "|" + FormatFree(*c.s, t.h) +
               "|" + FormatFree(*c.s, t.phi) + "|" + SafeLine(CutText(t.text, kFreeTextLength)) +
               "|" + "|";
    };
    r.read = [](Ctx& c, const std::string& line) {
        if (!EndsWithBars(line) || std::count(line.begin(), line.end(), '|') < 6) return false;
        FreeText& t = c.d->drawing.freeTexts[c.i];
        auto f = SplitFields(line, 5);
        Real* const values[] = {&t.x, &t.y, &t.h, &t.phi};
        for (std::size_t k = 0; k < 4; ++k)
            if (!Store(*values[k], f[k])) return false;
        // The text may hold "|" itself: only the closing "||" is the line's own.
        std::string text = f[4];
        text.resize(text.size() - 2);
        t.text = CutText(text, kFreeTextLength);
        return true;
    };
    return r;
}

Row DescriptionLine() {
    Row r;
    r.write = [](Ctx& c) {
        std::string text = CutText(c.d->changes[c.i].description, kChangeDescriptionLength);
        for (auto& ch : text) {
            if (ch == '\r') ch = '|';
            if (ch == kEndOfFile) ch = ' ';
        }
        return text;
    };
    r.read = [](Ctx& c, const std::string& line) {
        std::string text = CutText(line, kChangeDescriptionLength);
        for (auto& ch : text)
            if (ch == '|') ch = '\r';
        c.d->changes[c.i].description = std::move(text);
        return true;
    };
    return r;
}

std::vector<Row> ChangeDocumentation() {
    auto change = [](Ctx& c) -> ChangeRecord& { return c.d->changes[c.i]; };
    Row freeTexts;
    freeTexts.count = [](Ctx& c) { return static_cast<int>(c.d->drawing.freeTextCount); };
    freeTexts.setCount = [](Ctx& c, int n) {
        c.d->drawing.freeTextCount = static_cast<std::uint16_t>(n);
    };
    freeTexts.capacity = kMaxFreeTexts;
    freeTexts.group = {FreeTextLine()};
    return {
        Lit("ÄNDERUNGEN"_oem),
        Group([](Ctx & c) -> auto& { return c.d->changeCount; }, kMaxChanges, kSep20,
              {Text(
                   [change](Ctx & c) -> auto& { return change(c).text; }, kChangeTextLength),
               Text(
                   [change](Ctx & c) -> auto& { return change(c).date; }, kChangeDateLength),
               Text(
                   [change](Ctx & c) -> auto& { return change(c).editor; }, kChangeEditorLength),
               DescriptionLine(), Lit(kSep14)}),
        SignOffLine(),
        Text(
            [](Ctx & c) -> auto& { return c.d->drawing.drawn.date; }, kSignOffLength),
        Text(
            [](Ctx & c) -> auto& { return c.d->drawing.replacementFor; }, kReplacementLength),
        Text(
            [](Ctx & c) -> auto& { return c.d->drawing.replacedBy; }, kReplacementLength),
        Text(
            [](Ctx & c) -> auto& { return c.d->drawing.drawn.name; }, kSignOffLength),
        freeTexts,
    };
}

std::vector<Row> Documents() {
    return {
        Lit("Dokumente"),
        Group([](Ctx & c) -> auto& { return c.linkCount; }, kDocumentLinks, kSep20,
              {Text(
                   [](Ctx & c) -> auto& { return c.d->links[c.i].program; }, kLinkLength),
               Text(
                   [](Ctx & c) -> auto& { return c.d->links[c.i].file; }, kLinkLength),
               Lit(kSep14)}),
    };
}

void Append(std::vector<Row>& to, std::vector<Row> rows) {
    for (auto& r : rows) to.push_back(std::move(r));
}

#define FIELD(expr)        \
    [](Ctx & c) -> auto& { \
        return expr;       \
    }

// The shaft sections, after the last line of the older files.
Row ShaftSectionBlock() {
    Row r;
    r.optionalTail = true;
    r.count = [](Ctx& c) { return static_cast<int>(c.m->shaftSectionCount); };
    r.setCount = [](Ctx& c, int n) {
        if (n == 0) c.m->shaftSectionCount = 0;
    };
    r.group = {Lit(kSep8), Lit("Wellenabschnitte"),
               Group(FIELD(c.m->shaftSectionCount), kMaxShaftSections, "",
                     {Lit(kSep8), FixedRealRow(FIELD(c.m->shaftSections[c.i].x1)),
                      FixedRealRow(FIELD(c.m->shaftSections[c.i].x2)),
                      FixedRealRow(FIELD(c.m->shaftSections[c.i].D)),
                      FixedRealRow(FIELD(c.m->shaftSections[c.i].d))})};
    return r;
}


std::vector<Row> ProjectRows() {
    std::vector<Row> rows = Banner();
    Append(rows, {Lit("----------------- "), Lit("QUERSCHNITT"), Lit("----------------- "),
                  Lit("Anz. Konturelemente"), ContourGroup()});
    Append(rows, {Lit("Länge"_oem), RealRow(FIELD(c.m->length)), Lit(kSep8), Lit("Fq"),
                  Group(FIELD(c.m->pointLoadCount), kMaxPointLoads, "",
                        {Lit(kSep8), RealRow(FIELD(c.m->pointLoads[c.i].f)),
                         RealRow(FIELD(c.m->pointLoads[c.i].x)),
                         RealRow(FIELD(c.m->pointLoads[c.i].angle)),
                         Text(FIELD(c.m->pointLoads[c.i].label), kLabelLength)}),
                  Lit(kSep8), Lit("q"),
                  Group(FIELD(c.m->distributedLoadCount), kMaxDistributedLoads, "",
                        {Lit(kSep8), RealRow(FIELD(c.m->distributedLoads[c.i].q)),
                         RealRow(FIELD(c.m->distributedLoads[c.i].x1)),
                         RealRow(FIELD(c.m->distributedLoads[c.i].x2)),
                         RealRow(FIELD(c.m->distributedLoads[c.i].angle)),
                         Text(FIELD(c.m->distributedLoads[c.i].label), kLabelLength)}),
                  Lit(kSep8), Lit("Mb"),
                  Group(FIELD(c.m->momentLoadCount), kMaxMomentLoads, "",
                        {Lit(kSep8), RealRow(FIELD(c.m->momentLoads[c.i].mb)),
                         RealRow(FIELD(c.m->momentLoads[c.i].x)),
                         RealRow(FIELD(c.m->momentLoads[c.i].angle)),
                         Text(FIELD(c.m->momentLoads[c.i].label), kLabelLength)}),
                  Lit(kSep8), Lit("Fx"),
                  Group(FIELD(c.m->axialLoadCount), kMaxAxialLoads, "",
                        {Lit(kSep8), RealRow(FIELD(c.m->axialLoads[c.i].fx)),
                         RealRow(FIELD(c.m->axialLoads[c.i].x)),
                         Text(FIELD(c.m->axialLoads[c.i].label), kLabelLength)})});
    Append(rows,
           {Lit(kSep8), Lit("Lagerung"), Lit(kSep8), Int(FIELD(c.m->supportType)),
            RealRow(FIELD(c.m->supportX[kSupportA])), RealRow(FIELD(c.m->supportX[kSupportB])),
            RealRow(FIELD(c.m->supportX[kSupportC])), RealRow(FIELD(c.m->supportX[kSupportD])),
            RealRow(FIELD(c.m->supportX[kSupportE])), RealRow(FIELD(c.m->clampX)),
            Int(FIELD(c.m->bearingArrangement)), RealRow(FIELD(c.m->contactAngleA)),
            RealRow(FIELD(c.m->racewayDiameterA)), RealRow(FIELD(c.m->contactAngleB)),
            RealRow(FIELD(c.m->racewayDiameterB))});
    Append(rows,
           {Lit(kSep8), Lit("Material"), Lit(std::string(9, '-')),
            Text(FIELD(c.m->material.name), kMaterialNameLength), RealRow(FIELD(c.m->material.e)),
            RealRow(FIELD(c.m->material.surfaceFactor)),
            RealRow(FIELD(c.m->material.notchSensitivity)), RealRow(FIELD(c.m->material.density)),
            RealRow(FIELD(c.m->material.g)), Int(FIELD(c.m->material.tableRecord))});
    Append(rows,
           {Lit(kSep8), Lit("Kerbzonen"),
            Group(FIELD(c.m->notchZoneCount), kMaxNotchZones, "",
                  {Lit(kSep8), RealRow(FIELD(c.m->notchZones[c.i].betaK)),
                   RealRow(FIELD(c.m->notchZones[c.i].betaKb)),
                   RealRow(FIELD(c.m->notchZones[c.i].betaKt)),
                   RealRow(FIELD(c.m->notchZones[c.i].x1)), RealRow(FIELD(c.m->notchZones[c.i].x2)),
                   Text(FIELD(c.m->notchZones[c.i].label), kLabelLength)})});
    Append(rows, {Lit(kSep8), RealRow(FIELD(c.m->loadAngleOffset)),
                  Text(FIELD(c.m->drawingName), kDrawingNameLength),
                  Text(FIELD(c.m->drawingNumber), kDrawingNumberLength), Int(FIELD(c.m->notchMode)),
                  RealRow(FIELD(c.m->iterationEps)), Bool(FIELD(c.m->selfWeightAsLoad)),
                  Bool(FIELD(c.m->showValues)), Int(FIELD(c.m->segmentCount)),
                  Int(FIELD(c.m->profileFamily)), Int(FIELD(c.m->profileRecord)),
                  RealRow(FIELD(c.m->arcDivision))});
    Append(rows, ChangeDocumentation());
    Append(rows, Documents());
    Append(rows,
           {Text(FIELD(c.m->drawingName2), kDrawingName2Length), Int(FIELD(c.m->materialSource)),
            Bool(FIELD(c.m->bucklingOn)), Bool(FIELD(c.m->dunkerleyOn)), Bool(FIELD(c.m->hatching)),
            Bool(FIELD(c.m->principalAxes))});
    rows.push_back(ShaftSectionBlock());
    return rows;
}

std::vector<Row> KormRows() {
    const std::string sep15(15, '-');
    std::vector<Row> rows = Banner();
    Append(rows,
           {Lit(sep15), Lit("1. KONTUR"), Lit(sep15), Lit("Anz. Konturelemente"), ContourGroup(),
            RealRow(FIELD(c.section->density)), RealRow(FIELD(c.section->massLength)),
            RealRow(FIELD(c.m->arcDivision)), Text(FIELD(c.m->drawingName), kDrawingNameLength),
            Text(FIELD(c.m->drawingNumber), kDrawingNumberLength),
            Text(FIELD(c.m->drawingName2), kDrawingName2Length)});
    Append(rows, ChangeDocumentation());
    Append(rows, Documents());
    Append(rows, {Bool(FIELD(c.m->hatching)), Bool(FIELD(c.m->principalAxes))});
    return rows;
}

#undef FIELD

const std::vector<Row>& ProjectTable() {
    static const std::vector<Row> table = ProjectRows();
    return table;
}

const std::vector<Row>& KormTable() {
    static const std::vector<Row> table = KormRows();
    return table;
}

void WriteRows(const std::vector<Row>& rows, Ctx& c, std::string& out) {
    for (const Row& r : rows) {
        if (r.optionalTail) {
            if (r.count(c) > 0) WriteRows(r.group, c, out);
            continue;
        }
        if (!r.IsGroup()) {
            out += r.write(c);
            out += kLineEnd;
            continue;
        }
        const int n = std::clamp(r.count(c), 0, r.capacity);
        if (r.countLine) out += std::to_string(n) + kLineEnd;
        if (!r.afterCount.empty()) out += r.afterCount + kLineEnd;
        for (int i = 1; i <= n; ++i) {
            c.i = i;
            WriteRows(r.group, c, out);
        }
    }
}

// False when the file ended before the sequence did or a line is not what the writer puts
// there (then c.damaged is set); the reader stops at the first such line.
bool ReadRows(const std::vector<Row>& rows, Ctx& c, LineReader& in) {
    auto damaged = [&c] { return !(c.damaged = true); };
    for (const Row& r : rows) {
        if (r.optionalTail) {
            if (in.AtEnd()) {
                r.setCount(c, 0);
                continue;
            }
            if (!ReadRows(r.group, c, in)) return false;
            continue;
        }
        if (!r.IsGroup()) {
            auto line = in.Next();
            if (!line) return false;
            if (r.read && !r.read(c, *line)) return damaged();
            continue;
        }
        int inFile = c.fileFreeTexts;
        if (r.countLine) {
            auto line = in.Next();
            if (!line) return false;
            const auto n = ReadIntegerField(*line, 0, r.capacity);
            if (!n) return damaged();
            inFile = static_cast<int>(*n);
        }
        r.setCount(c, inFile);
        if (!r.afterCount.empty()) {
            auto line = in.Next();
            if (!line) return false;
            if (WithoutTrailingBlanks(*line) != r.afterCount) return damaged();
        }
        for (int i = 1; i <= inFile; ++i) {
            c.i = i;
            if (!ReadRows(r.group, c, in)) return false;
        }
    }
    return true;
}

ReadReport ReadWith(const std::vector<Row>& table, Ctx& c, std::string_view data) {
    LineReader in(data);
    ReadReport report;
    const bool read = ReadRows(table, c, in);
    report.damaged = c.damaged;
    report.complete = read || c.damaged;
    report.linesRead = in.LinesRead();
    // Only an optional Ctrl-Z may follow the last line (the reader stops at it).
    if (read && !in.AtEnd()) {
        report.damaged = true;
        report.linesRead = in.LinesRead() + 1;
    }
    // The line named in a message: the one that does not fit, or the one that is missing.
    report.line = report.damaged ? report.linesRead : report.linesRead + 1;
    return report;
}

}  // namespace

std::string ProjectFileText(const BeamModel& model, const ProjectDocumentation& doc,
                            const OutputSettings& s) {
    Ctx c;
    c.m = const_cast<BeamModel*>(&model);  // the write side of the rows only reads
    c.d = const_cast<ProjectDocumentation*>(&doc);
    c.s = &s;
    std::string out;
    WriteRows(ProjectTable(), c, out);
    return out;
}

ReadReport ReadProjectText(std::string_view data, BeamModel& model, ProjectDocumentation& doc) {
    // Read into copies: a damaged file leaves the model as it was.
    auto readModel = std::make_unique<BeamModel>(model);
    auto readDoc = std::make_unique<ProjectDocumentation>(doc);
    Ctx c;
    c.m = readModel.get();
    c.d = readDoc.get();
    ReadReport report = ReadWith(ProjectTable(), c, data);
    if (!report.Ok()) return report;
    model = *readModel;
    doc = *readDoc;
    model.auxLoadsAppended = false;
    model.material.code.clear();
    return report;
}

std::string KormFileText(const BeamModel& model, const ProjectDocumentation& doc,
                         const SectionState& section, const OutputSettings& s) {
    Ctx c;
    c.m = const_cast<BeamModel*>(&model);
    c.d = const_cast<ProjectDocumentation*>(&doc);
    c.section = const_cast<SectionState*>(&section);
    c.s = &s;
    std::string out;
    WriteRows(KormTable(), c, out);
    return out;
}

ReadReport ReadKormText(std::string_view data, BeamModel& model, ProjectDocumentation& doc,
                        SectionState& section) {
    auto readModel = std::make_unique<BeamModel>(model);
    auto readDoc = std::make_unique<ProjectDocumentation>(doc);
    SectionState readSection = section;
    Ctx c;
    c.m = readModel.get();
    c.d = readDoc.get();
    c.section = &readSection;
    ReadReport report = ReadWith(KormTable(), c, data);
    if (!report.Ok()) return report;
    model = *readModel;
    doc = *readDoc;
    section = readSection;
    return report;
}

}  // namespace bxr
