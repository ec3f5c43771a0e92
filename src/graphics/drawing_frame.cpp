#include "graphics/drawing_frame.h"

#include <algorithm>
#include <cstdio>

#include "format/code_page.h"
#include "format/date_text.h"
#include "graphics/text_box.h"

namespace bxr {

std::string TitleBlockIndex(int style, int i) {
    if (i < 1) return "";
    switch (style) {
        case 0:
            return i <= 26 ? std::string(1, static_cast<char>('a' + i - 1)) : std::to_string(i);
        case 1:
            return std::to_string(i);
        case 2:
            return i <= 26 ? std::string(1, static_cast<char>('A' + i - 1)) : std::to_string(i);
        default:
            return "";
    }
}

std::pair<int, int> ShownChanges(int changeCount) {
    return {std::max(1, changeCount - 7), changeCount};
}

namespace {

void FrameLines(Drawing& d) {
    d.Pen(5);
    d.Rectangle(18, 5, 205, 292);
    d.Line(18, 43, 205, 43);
    d.Pen(4);
    d.Line(73, 5, 73, 43);
    d.Line(116, 5, 116, 43);
    d.Line(73, 22, 205, 22);
    d.Line(192, 9.4L, 192, 22);
    d.Pen(3);
    d.Line(0, 0, 210, 0);
    d.Line(210, 0, 210, 297);
    d.Line(210, 297, 0, 297);
    d.Line(0, 297, 0, 0);
    // Two centring marks on the long edges.
    d.Line(105, 292, 105, 297);
    d.Line(105, 0, 105, 5);
    for (Real x : {26.0L, 52.0L, 65.0L}) d.Line(x, 5, x, 43);
    for (Real x : {82.0L, 98.0L}) d.Line(x, 22, x, 43);
    d.Line(73, 9.4L, 205, 9.4L);
    d.Line(160, 5, 160, 9.4L);
    d.Line(192, 14, 205, 14);
    d.Line(0, 148.5L, 15, 148.5L);
}

void ProtectionNotice(Drawing& d) {
    static const char* const kEnglish[5] = {
        "Copying of this document and giving it to other and the use",
        "or communication of the contents therof, are forbidden with-",
        "out express authority. Offenders are liable to the payment",
        "of damages. All rights are reserved in the event of the grant",
        "of a patent or the registration of a utility model or design."};
    static const char* const kGerman[5] = {
        "Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-",
        "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
        "nicht ausdrücklich zugestanden. Zuwiderhandlungen verpflich-",
        "ten zu Schadensersatz. Alle Rechte für den Fall der Patent-",
        "erteilung oder Gebrauchsmuster-Eintragung vorbehalten."};
    static constexpr Real kColumns[5] = {4, 6.7L, 9.4L, 12.1L, 14.8L};
    d.TextSize(1.5, 1.8, 90);
    for (int i = 0; i < 5; ++i) {
        d.Text(kColumns[i], 10, kEnglish[i]);
        d.Text(kColumns[i], 200, Utf8ToOem(kGerman[i]));
    }
    d.TextSize(1.5, 1.8, 0);
}

}  // namespace

void DrawFrame(Drawing& d, const BeamModel& model, const ProjectDocumentation& doc,
               const FrameContext& context) {
    if (d.failed()) return;
    const CadSettings& cad = d.cad();
    const DrawingData& data = doc.drawing;
    d.BlockBegin("FRAME_1");
    d.TextAlign(0, 0);
    FrameLines(d);

    d.Pen(3);
    d.TextSize(1.3L, 1.6L);
    d.Text(19, 6, "Zust.");
    d.Text(30, 6, "Änderung"_oem);
    d.Text(54, 6, "Datum");
    d.Text(65.6L, 6, "Name");

    d.TextSize(1.5L, 1.8L);
    d.Text(85, 39.8L, "Datum");
    d.Text(100, 39.8L, "Name");
    d.Text(74, 35.6L, "Bearb.");
    d.Text(74, 31.4L, "Gepr.");
    d.Text(74, 27.2L, "Norm");
    d.Text(74, 23.2L, cad.releaseText);

    ProtectionNotice(d);

    const SignOff* rows[4] = {&data.drawn, &data.checked, &data.standardsCheck, &data.release};
    const Real rowY[4] = {35.6L, 31.2L, 27, 23};
    for (int i = 0; i < 4; ++i) {
        d.Text(83.5L, rowY[i], rows[i]->date);
        d.Text(100, rowY[i], rows[i]->name);
    }
    d.Text(194, 18, "Blatt");
    d.Text(200, 10.4L, "Bl.");
    if (!data.replacementFor.empty())
        d.Text(118, 6.5L, ("Ersatz für "_oem + data.replacementFor).substr(0, 26));
    if (!data.replacedBy.empty())
        d.Text(162, 6.5L, ("Ersetzt durch " + data.replacedBy).substr(0, 29));

    d.Pen(3);
    d.TextSize(1.3L, 1.7L);
    const int count = std::min<int>(doc.changeCount, kMaxChanges);
    const auto [first, last] = ShownChanges(count);
    for (int c = first; c <= last && c >= 1; ++c) {
        const Real y = 4.2L * (c - first + 1) + 6.5L;
        const ChangeRecord& ch = doc.changes[static_cast<std::size_t>(c)];
        const std::string index = TitleBlockIndex(cad.changeIndexStyle, c);
        if (!index.empty()) d.Text(21, y, index);
        d.Text(27, y, ch.text);
        d.Text(52.5L, y, ch.date);
        d.Text(66, y, ch.editor);
    }

    for (int i = 1; i <= std::min<int>(data.freeTextCount, kMaxFreeTexts); ++i) {
        const FreeText& t = data.freeTexts[static_cast<std::size_t>(i)];
        if (t.h > 0) d.TextSize(0.8L * t.h, t.h, t.phi);
        d.Text(t.x, t.y, t.text);
    }

    d.Pen(5);
    d.TextSize(4, 5);
    d.Text(120, 32.5L, model.drawingName);
    // The second name stands in the cell left of the sheet box (x = 192): a long one is
    // narrowed to end a millimetre before the line, clear of "Bl." beyond it.
    const Real room = 192 - 120 - 1;
    const std::size_t chars = model.drawingName2.size();
    if (chars > 0 && kShownWidthShare * 4 * static_cast<Real>(chars) > room)
        d.TextSize(room / (kShownWidthShare * static_cast<Real>(chars)), 5);
    d.Text(120, 12, model.drawingName2);
    d.TextSize(2.8L, 3.5L);
    d.Text(120, 25, model.drawingNumber);
    d.TextSize(1.2L, 1.5L);
    d.Text(75, 6.5L, model.headerLines[2]);

    d.TextSize(1.2L, 1.5L);
    if (!cad.omitFileName) d.Text(18, 1, context.projectPath.substr(0, 150));
    if (!cad.omitDate) {
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", context.hour, context.minute);
        d.Text(186, 1, DateText(d.output(), context.year, context.month, context.day) + " " + time);
    }
    if (!cad.omitMakerTitle) {
        d.TextSize(3, 3.5L);
        d.Text(20, 286, std::string("VORTANE GMBH  BXR V") + BXR_VERSION);
    }
    d.BlockEnd();
    d.Insert("FRAME_1", 0, 0);
    // The maker's logo beside the title line, where its block file is there.
    if (!cad.omitLogo && d.showsLogos()) d.InsertBlockFile("logo_1", 170, 275, 1);
}

}  // namespace bxr
