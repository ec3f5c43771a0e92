#include "report/change_list.h"

#include <algorithm>

#include "format/code_page.h"
#include "format/text_helpers.h"

namespace bxr {

namespace {

// A description keeps its line breaks: each of its lines is a line of the list.
std::vector<std::string> DescriptionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    return lines;
}

}  // namespace

std::string ChangeIndexText(int style, int i) {
    if (style == 1) return IntText(i);
    return std::string(1, static_cast<char>('a' + (i - 1) % 26));
}

bool WriteChangeList(const Workspace& ws, OutputChannel& out, int destination) {
    const ProjectDocumentation& doc = ws.documentation;
    const DrawingData& d = doc.drawing;
    const std::string subtitle = "Änderungsprotokoll"_oem;
    out.SetDocumentHead("BXR V" + ProgramVersion(), subtitle, "", {subtitle, "", ""});
    out.SetDocumentData({});
    const std::string name =
        (ws.currentName.empty() ? std::string("bxr") : ws.currentName) + ".TXT";
    if (!out.OpenOutput(destination, name)) return false;
    out.WritePageHeader(true);
    out.WriteLine("");
    out.WriteLine("Erstellungsdatum: " + d.drawn.date + "     " + "Erstellt von" + ": " +
                  d.drawn.name);
    if (!d.replacementFor.empty()) {
        out.WriteLine("");
        out.WriteLine("Ersatz für: "_oem + TextLeftInField(d.replacementFor, 15));
    }
    if (!d.replacedBy.empty()) {
        out.WriteLine("");
        out.WriteLine("Ersetzt durch: " + TextLeftInField(d.replacedBy, 15));
    }
    out.WriteLine("");
    out.WriteLine(TextLeftInField("Index", 6) + "  " + TextLeftInField("Datum", 10) + "   " +
                  TextLeftInField("Bearb.", 6) + "   " + TextLeftInField("Änderung"_oem, 20));
    out.WriteRule();
    const int count = std::min<int>(doc.changeCount, kMaxChanges);
    for (int i = 1; i <= count; ++i) {
        const ChangeRecord& c = doc.changes[static_cast<std::size_t>(i)];
        out.WriteLine("  " + ChangeIndexText(ws.config.changeIndexStyle, i) + "     " +
                      TextLeftInField(c.date, 10) + "   " + TextLeftInField(c.editor, 6) + "   " +
                      TextLeftInField(c.text, 20));
        for (const auto& line : DescriptionLines(c.description)) out.WriteLine(" " + line);
        out.WriteRule();
    }
    out.EndPage();
    if (out.Failed()) {
        out.CloseOutput();
        return false;
    }
    return out.CloseOutput();
}

}  // namespace bxr
