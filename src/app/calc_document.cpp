#include "app/calc_document.h"

#include <cmath>
#include <map>

#include "analysis/extreme_values.h"
#include "analysis/run_analysis.h"
#include "app/cad_batch.h"
#include "app/calc_message_display.h"
#include "app/unasked_report.h"
#include "format/code_page.h"
#include "format/date_text.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "format/units.h"
#include "report/output_channel.h"
#include "report/results_report.h"

namespace bxr {

namespace {

// The tab-separated report is written to a file system in memory: the document takes its
// lines, and nothing is left on the disk.
class MemoryFiles : public FileSystem {
  public:
    std::map<std::string, std::string> files;

    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.substr(0, maxBytes);
    }
    std::unique_ptr<WriteHandle> Create(const std::string& path) override {
        files[path].clear();
        return std::make_unique<Handle>(files[path]);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end()) return false;
        files[to] = std::move(it->second);
        files.erase(from);
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) > 0; }
    bool IsFile(const std::string& path) override { return files.count(path) > 0; }
    bool IsFolder(const std::string& path) override { return path == kFolder; }
    std::optional<std::vector<std::string>> List(const std::string&) override { return {}; }
    std::optional<FileDate> ModificationDate(const std::string&) override { return {}; }

    static constexpr const char* kFolder = "/report";

  private:
    struct Handle : WriteHandle {
        explicit Handle(std::string& target) : text(target) {}
        bool Write(std::string_view bytes) override {
            text.append(bytes);
            return true;
        }
        bool Close() override { return true; }
        std::string& text;
    };
};

std::string Utf8(const Workspace& ws, const std::string& oem) {
    return OemToDisplayLong(ws.output(), oem);
}

// A heading of the report: capitals (umlauts included) of at least four letters up to the
// first blank, colon, comma or parenthesis.
bool IsHeadingLine(const std::string& line) {
    if (line.find('\t') != std::string::npos) return false;
    std::size_t letters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c == ' ' || c == ':' || c == '(' || c == ',') break;
        if (c >= 'A' && c <= 'Z') {
            ++letters;
        } else if (c == 0xC3 && i + 1 < line.size()) {
            // Ä, Ö, Ü in UTF-8; their small letters are C3 A4, C3 B6, C3 BC.
            const unsigned char n = static_cast<unsigned char>(line[i + 1]);
            if (n != 0x84 && n != 0x96 && n != 0x9C) return false;
            ++letters;
            ++i;
        } else if (c != '.' && c != '-') {
            return false;
        }
    }
    return letters >= 4;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
}

// The report of "/I" as its lines (UTF-8), or the outcome that stopped it.
ReportOutcome CaptureReport(Workspace& ws, FileSystem& files, std::vector<std::string>& lines,
                            std::string& notice) {
    MemoryFiles memory;
    OutputChannel out(UnaskedReportChannel(ws, memory, MemoryFiles::kFolder, MemoryFiles::kFolder));
    const ReportOutcome outcome = WriteUnaskedReport(ws, files, out);
    if (!out.notices().empty()) notice = out.notices().back();
    if (outcome != ReportOutcome::Written) return outcome;
    auto text = memory.Read(out.resultPath(), std::string::npos);
    if (!text) return ReportOutcome::Aborted;
    lines.clear();
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return outcome;
}

void AddSafety(const Workspace& ws, CalcDocument& doc, const std::string& label, Real factor) {
    if (!(factor > 0)) return;
    SummaryLine line;
    line.label = label;
    line.value = Utf8(ws, FormatNumber(ws.output(), factor, 4, 2));
    line.value = TrimBlanks(line.value);
    line.verdict = ReachesRequiredSafety(factor, doc.requiredSafety)
                       ? SummaryLine::Verdict::Reached
                       : SummaryLine::Verdict::Missed;
    doc.summary.push_back(line);
}

void BuildSummary(const Workspace& ws, CalcDocument& doc) {
    const OutputSettings& s = ws.output();
    const QuickSummary quick = BuildQuickSummary(ws);
    for (const ExtremeRow& row : quick.extremes) {
        SummaryLine line;
        line.label = Utf8(ws, row.title);
        line.value = Utf8(ws, TrimBlanks(row.valueText) +
                                  (row.unitText.empty() ? "" : " " + row.unitText));
        if (row.hasPoint) {
            line.where = "x = " + Utf8(ws, row.positionText + " " + UnitText(s, Quantity::Length));
            if (row.hasAngle) line.where += ", phi = " + Utf8(ws, row.angleText);
        }
        doc.summary.push_back(line);
    }
    for (const SupportRow& row : quick.supports) {
        SummaryLine line;
        line.label = "Lager " + Utf8(ws, row.label);
        line.value = Utf8(ws, TrimBlanks(row.valueText) + " " + row.unitText);
        doc.summary.push_back(line);
    }
    if (ws.model.bucklingOn && ws.results.buckling.eulerLoad > 0) {
        const Real fk = ws.results.buckling.eulerLoad;
        doc.summary.push_back({"Eulersche Knickkraft FK",
                               Utf8(ws, FormatQuantityFree(s, Quantity::Force, fk) + " " +
                                            UnitText(s, Quantity::Force)),
                               "", SummaryLine::Verdict::None});
    }
    const SafetyResults& f = ws.results.safety;
    const std::size_t before = doc.summary.size();
    AddSafety(ws, doc, "Sicherheit Zug/Druck wechselnd S W", f.Sw);
    AddSafety(ws, doc, "Sicherheit Biegung wechselnd S bW", f.Sbw);
    const Real sigB = ws.results.stations[ws.results.extremes.pointSigB].sigB;
    if (ws.materials.dynamic.sigBF > 0 && sigB != 0)
        AddSafety(ws, doc, "Sicherheit Biegung ruhend S bF", ws.materials.dynamic.sigBF / sigB);
    AddSafety(ws, doc, "Sicherheit Vergleichsspannung wechselnd S vbw", f.Svbw);
    if (doc.summary.size() == before)
        doc.summary.push_back({"Sicherheiten", "nicht berechnet", "keine Dauerfestigkeit bekannt",
                               SummaryLine::Verdict::None});
}

std::vector<DocumentDrawing> DrawingPages() {
    return {{3, "Schema"},
            {14, "Querkraft"},
            {24, "Biegemoment"},
            {34, "Durchbiegung"},
            {44, "Biegewinkel"},
            {84, "Vergleichsspannung"},
            {1, "Querschnitt"},
            {2, "Spannungen im Querschnitt beim größten Biegemoment"},
            {5, "3D-Ansicht"}};
}

}  // namespace

std::vector<ReportBlock> SplitReportBlocks(const std::vector<std::string>& lines) {
    // The tab-separated head: heading, date and time, file name, three title lines, a blank.
    constexpr std::size_t kHeadLines = 7;
    std::vector<ReportBlock> blocks(1);
    bool afterEmpty = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (i >= kHeadLines && afterEmpty && IsHeadingLine(line)) {
            blocks.push_back({line, {}});
        } else {
            blocks.back().rows.push_back(SplitTabs(line));
        }
        afterEmpty = TrimBlanks(line).empty();
    }
    // Empty lines at the end of a block only part it from the next heading.
    for (ReportBlock& b : blocks)
        while (!b.rows.empty() && b.rows.back().size() == 1 && TrimBlanks(b.rows.back()[0]).empty())
            b.rows.pop_back();
    return blocks;
}

std::optional<Real> ParseRequiredSafety(const std::string& text) {
    std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 12) return std::nullopt;
    bool point = false;
    for (char& c : t) {
        if (c == ',') c = '.';
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    if (t == ".") return std::nullopt;
    const Real v = ParseFloat(t);
    if (!(v > 0) || v > 100) return std::nullopt;
    return v;
}

bool ReachesRequiredSafety(Real factor, Real required) {
    // Both as two-decimal numbers, in hundredths, so that rounding noise cannot tip it.
    return std::llround(factor * 100) >= std::llround(required * 100);
}

std::string VerdictText(const CalcDocument& doc, SummaryLine::Verdict verdict) {
    OutputSettings plain;
    const std::string required = FormatFree(plain, doc.requiredSafety);
    switch (verdict) {
        case SummaryLine::Verdict::Reached:
            return "erreicht (S \u2265 " + required + ")";
        case SummaryLine::Verdict::Missed:
            return "NICHT erreicht (S < " + required + ")";
        case SummaryLine::Verdict::None:
            break;
    }
    return {};
}

bool BuildCalcDocument(Workspace& ws, FileSystem& files, Real requiredSafety, CalcDocument& doc,
                       std::string& message) {
    doc = CalcDocument{};
    doc.requiredSafety = requiredSafety;
    std::vector<std::string> lines;
    std::string notice;
    const ReportOutcome outcome = CaptureReport(ws, files, lines, notice);
    if (outcome == ReportOutcome::FatalMessages) {
        message = "Berechnung nicht möglich: "_oem + CalculationStopCause(ws);
        return false;
    }
    if (outcome != ReportOutcome::Written) {
        const std::string cause = CalculationStopCause(ws);
        const std::string why = cause.empty() ? notice : cause;
        message = "Berechnung abgebrochen" + (why.empty() ? std::string() : ": " + why);
        return false;
    }
    const BeamModel& m = ws.model;
    // The window keeps the project's folder in its name; the document names the project.
    doc.projectName = ws.currentName.empty() ? std::string("bxr") : FileNameOf(ws.currentName);
    doc.drawingName = Utf8(ws, TrimBlanks(m.drawingName));
    doc.drawingNumber = Utf8(ws, TrimBlanks(m.drawingNumber));
    for (std::size_t i = 0; i < 3; ++i) doc.headerLines[i] = Utf8(ws, TrimBlanks(m.headerLines[i + 1]));
    const DrawingData& d = ws.documentation.drawing;
    doc.drawnDate = Utf8(ws, TrimBlanks(d.drawn.date));
    doc.drawnBy = Utf8(ws, TrimBlanks(d.drawn.name));
    doc.checkedDate = Utf8(ws, TrimBlanks(d.checked.date));
    doc.checkedBy = Utf8(ws, TrimBlanks(d.checked.name));
    for (int i = 1; i <= ws.documentation.changeCount && i <= kMaxChanges; ++i) {
        const ChangeRecord& c = ws.documentation.changes[static_cast<std::size_t>(i)];
        doc.changes.push_back({Utf8(ws, TrimBlanks(c.text)), Utf8(ws, TrimBlanks(c.date)),
                               Utf8(ws, TrimBlanks(c.editor)), Utf8(ws, c.description)});
    }
    doc.date = Utf8(ws, TodayText(ws.output()));
    BuildSummary(ws, doc);
    doc.report = SplitReportBlocks(lines);
    doc.drawings = DrawingPages();
    return true;
}

}  // namespace bxr
