#include "gui/calc_document_pages.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <algorithm>
#include <ctime>
#include <functional>

#include "app/cad_batch.h"
#include "graphics/cad_settings.h"
#include "graphics/display_list.h"
#include "graphics/display_replay.h"
#include "graphics/drawing_output.h"
#include "gui/graphics_widget.h"
#include "format/number_format.h"
#include "gui/qt_text.h"

namespace bxr::gui {

namespace {

// The page in millimetres: A4, the text area between the header and the footer.
constexpr double kPageHeight = 297;
constexpr double kLeft = 20, kRight = 190;
constexpr double kHeaderBaseline = 13, kHeaderRule = 15.5;
constexpr double kTop = 22, kBottom = 279;
constexpr double kFooterRule = 283, kFooterBaseline = 288;
constexpr double kColumnGap = 3;
// The drawings are made for a 4:3 window of this many pixels and scaled onto the page.
constexpr int kDrawingWidthPx = 1600, kDrawingHeightPx = 1200;
constexpr const char* kFamily = "DejaVu Sans";

QFont Font(double points, bool bold = false) {
    QFont f(kFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

std::string Trim(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// A cell that holds a figure: a sign, then a digit or a decimal point before one.
bool IsFigure(const std::string& cell) {
    const std::string t = Trim(cell);
    // A date reads as text.
    if (t.size() == 10 && t[2] == '.' && t[5] == '.') return false;
    std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
    if (i >= t.size()) return false;
    if (t[i] >= '0' && t[i] <= '9') return true;
    return (t[i] == '.' || t[i] == ',') && i + 1 < t.size() && t[i + 1] >= '0' && t[i + 1] <= '9';
}

using Rows = std::vector<std::vector<std::string>>;
// The colour of a cell, by row and column; black when not given.
using CellColour = std::function<QColor(std::size_t, std::size_t)>;

class Setter {
  public:
    Setter(QPagedPaintDevice& device, QPainter* painter, Workspace& ws, const CalcDocument& doc,
           int totalPages, std::vector<PdfBookmark>* marks)
        : dev_(device),
          p_(painter),
          ws_(ws),
          doc_(doc),
          total_(totalPages),
          marks_(marks),
          dpmm_(device.logicalDpiY() / 25.4) {}

    int pageCount() const { return page_ + 1; }

    void TitlePage();
    void Report();
    void DrawingPage(const DocumentDrawing& drawing);

  private:
    double Mm(double v) const { return v * dpmm_; }
    QFontMetricsF Metrics(const QFont& f) const { return QFontMetricsF(f, &dev_); }
    void NewPage();
    void StartPage();
    void Ensure(double height) {
        if (y_ + height > Mm(kBottom) && y_ > Mm(kTop)) NewPage();
    }
    void Mark(const std::string& title, int level) {
        if (marks_) marks_->push_back({title, level, page_, (kPageHeight - y_ / dpmm_) * 72 / 25.4});
    }
    void Heading(const std::string& text, double points, int level);
    void Paragraph(const std::string& text, const QFont& f, double indent = 0);
    void Table(const Rows& rows, const QFont& f, const CellColour& colour = {});
    double TextHeight(const QFont& f, double width, const QString& text) const {
        return Metrics(f).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }
    void Draw(const QFont& f, const QRectF& box, int flags, const QString& text,
              const QColor& colour = Qt::black) {
        if (!p_) return;
        p_->setFont(f);
        p_->setPen(colour);
        p_->drawText(box, flags | Qt::TextWordWrap, text);
    }
    void HeaderAndFooter();

    QPagedPaintDevice& dev_;
    QPainter* p_;  // null while the pages are only counted
    Workspace& ws_;
    const CalcDocument& doc_;
    int total_;
    std::vector<PdfBookmark>* marks_;
    double dpmm_;
    int page_ = 0;
    double y_ = 0;
    bool started_ = false;
};

void Setter::StartPage() {
    y_ = Mm(kTop);
    HeaderAndFooter();
}

void Setter::NewPage() {
    if (!started_) {
        started_ = true;
    } else {
        if (p_) dev_.newPage();
        ++page_;
    }
    StartPage();
}

void Setter::HeaderAndFooter() {
    if (!p_) return;
    const QFont f = Font(8);
    const QFontMetricsF fm = Metrics(f);
    const double width = Mm(kRight - kLeft);
    std::string left = doc_.projectName;
    if (!doc_.drawingNumber.empty()) left += "   Nr. " + doc_.drawingNumber;
    if (!doc_.drawingName.empty()) left += "   " + doc_.drawingName;
    const QString date = FromUtf8(doc_.date);
    const QString page = QString("Seite %1 von %2").arg(page_ + 1).arg(total_);
    const QString creator = FromUtf8(DocumentCreator() + "  \u00b7  Berechnungsdokument");
    const double dateWidth = fm.horizontalAdvance(date);
    const QString shown =
        fm.elidedText(FromUtf8(left), Qt::ElideRight, width - dateWidth - Mm(6));
    p_->setFont(f);
    p_->setPen(Qt::black);
    p_->drawText(QPointF(Mm(kLeft), Mm(kHeaderBaseline)), shown);
    p_->drawText(QPointF(Mm(kRight) - dateWidth, Mm(kHeaderBaseline)), date);
    p_->drawText(QPointF(Mm(kLeft), Mm(kFooterBaseline)), creator);
    p_->drawText(QPointF(Mm(kRight) - fm.horizontalAdvance(page), Mm(kFooterBaseline)), page);
    p_->setPen(QPen(Qt::black, Mm(0.2)));
    p_->drawLine(QPointF(Mm(kLeft), Mm(kHeaderRule)), QPointF(Mm(kRight), Mm(kHeaderRule)));
    p_->drawLine(QPointF(Mm(kLeft), Mm(kFooterRule)), QPointF(Mm(kRight), Mm(kFooterRule)));
}

void Setter::Heading(const std::string& text, double points, int level) {
    const QFont f = Font(points, true);
    const double h = TextHeight(f, Mm(kRight - kLeft), FromUtf8(text));
    // A heading never stands alone at the foot of a page.
    Ensure(h + Mm(12));
    if (y_ > Mm(kTop)) y_ += Mm(points > 10 ? 4 : 2.5);
    if (level >= 0) Mark(text, level);
    Draw(f, QRectF(Mm(kLeft), y_, Mm(kRight - kLeft), h), Qt::AlignLeft, FromUtf8(text));
    y_ += h + Mm(1.5);
}

void Setter::Paragraph(const std::string& text, const QFont& f, double indent) {
    const double width = Mm(kRight - kLeft) - indent;
    const double h = TextHeight(f, width, FromUtf8(text));
    Ensure(h);
    Draw(f, QRectF(Mm(kLeft) + indent, y_, width, h), Qt::AlignLeft, FromUtf8(text));
    y_ += h + Mm(0.4);
}

void Setter::Table(const Rows& rows, const QFont& f, const CellColour& colour) {
    const QFontMetricsF fm = Metrics(f);
    // The columns: the widest cell of each, right-aligned where most cells hold figures.
    std::vector<double> natural;
    std::vector<int> figures, texts;
    for (const auto& row : rows) {
        if (row.size() < 2) continue;
        if (natural.size() < row.size()) {
            natural.resize(row.size(), 0);
            figures.resize(row.size(), 0);
            texts.resize(row.size(), 0);
        }
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string t = Trim(row[c]);
            if (t.empty()) continue;
            natural[c] = std::max(natural[c], fm.horizontalAdvance(FromUtf8(t)) + Mm(0.5));
            ++(IsFigure(t) ? figures[c] : texts[c]);
        }
    }
    // Empty last columns (the report's rows end with a tab) take no room.
    while (!natural.empty() && natural.back() == 0) {
        natural.pop_back();
        figures.pop_back();
        texts.pop_back();
    }
    const double available = Mm(kRight - kLeft);
    std::vector<double> width = natural;
    double total = 0;
    for (double w : natural) total += w;
    total += Mm(kColumnGap) * (natural.empty() ? 0 : natural.size() - 1);
    auto rightAligned = [&](std::size_t c) { return figures[c] > 0 && figures[c] >= texts[c]; };
    if (total > available) {
        // Too wide: the columns share the width, the narrow ones keep theirs, the wide ones
        // get equal parts of the rest and wrap.
        std::vector<std::size_t> order(width.size());
        for (std::size_t c = 0; c < order.size(); ++c) order[c] = c;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return natural[a] < natural[b]; });
        double rest = available - Mm(kColumnGap) * static_cast<double>(natural.size() - 1);
        for (std::size_t i = 0; i < order.size(); ++i) {
            const double share = std::max(Mm(12), rest / static_cast<double>(order.size() - i));
            width[order[i]] = std::min(natural[order[i]], share);
            rest -= width[order[i]];
        }
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        std::size_t used = row.size();
        while (used > 0 && Trim(row[used - 1]).empty()) --used;
        if (used == 0) {
            y_ += fm.lineSpacing() * 0.5;
            continue;
        }
        const QColor ink = colour ? colour(r, 0) : QColor(Qt::black);
        if (row.size() == 1 || used == 1) {
            // A line of its own: its leading blanks indent it.
            const std::string& t = row[0];
            const std::size_t blanks = std::min<std::size_t>(t.find_first_not_of(' '), 8);
            const double indent = static_cast<double>(blanks) * fm.horizontalAdvance(' ') * 1.5;
            const QString text = FromUtf8(Trim(t));
            const double w = available - indent;
            const double h = TextHeight(f, w, text);
            Ensure(h);
            Draw(f, QRectF(Mm(kLeft) + indent, y_, w, h), Qt::AlignLeft, text, ink);
            y_ += h + Mm(0.3);
            continue;
        }
        double h = 0;
        for (std::size_t c = 0; c < used && c < width.size(); ++c)
            h = std::max(h, TextHeight(f, width[c], FromUtf8(Trim(row[c]))));
        Ensure(h);
        double x = Mm(kLeft);
        for (std::size_t c = 0; c < used && c < width.size(); ++c) {
            const int align = rightAligned(c) ? Qt::AlignRight : Qt::AlignLeft;
            const QColor cellInk = colour ? colour(r, c) : QColor(Qt::black);
            Draw(f, QRectF(x, y_, width[c], h), align, FromUtf8(Trim(row[c])), cellInk);
            x += width[c] + Mm(kColumnGap);
        }
        y_ += h + Mm(0.3);
    }
}

void Setter::TitlePage() {
    NewPage();
    Mark("Titelblatt und Zusammenfassung", 0);
    Heading("Berechnungsdokument", 20, -1);
    if (!doc_.drawingName.empty()) Heading(doc_.drawingName, 14, -1);
    y_ += Mm(2);
    const QFont body = Font(9.5);
    Rows data;
    auto add = [&](const std::string& label, const std::string& value) {
        if (!value.empty()) data.push_back({label, value});
    };
    add("Projekt", doc_.projectName);
    add("Zeichnung", doc_.drawingName);
    add("Zeichnungsnummer", doc_.drawingNumber);
    for (std::size_t i = 0; i < doc_.headerLines.size(); ++i)
        add("Titelzeile " + std::to_string(i + 1), doc_.headerLines[i]);
    add("Bearbeitet", Trim(doc_.drawnDate + "  " + doc_.drawnBy));
    add("Geprüft", Trim(doc_.checkedDate + "  " + doc_.checkedBy));
    add("Erstellt", doc_.date);
    Table(data, body);
    if (!doc_.changes.empty()) {
        Heading("Änderungen", 11, -1);
        Rows changes{{"Nr.", "Änderung", "Datum", "Bearbeiter", "Beschreibung"}};
        for (std::size_t i = 0; i < doc_.changes.size(); ++i) {
            const auto& c = doc_.changes[i];
            std::string description = c.description;
            std::replace(description.begin(), description.end(), '\r', ' ');
            std::replace(description.begin(), description.end(), '\n', ' ');
            changes.push_back({std::to_string(i + 1), c.text, c.date, c.editor, description});
        }
        Table(changes, Font(8.5));
    }
    Heading("Zusammenfassung der Ergebnisse", 12, -1);
    OutputSettings plain;
    Paragraph("Erforderliche Sicherheit: S min = " + FormatFree(plain, doc_.requiredSafety), body);
    y_ += Mm(1.5);
    Rows summary{{"", "Wert", "Stelle", "Sicherheit"}};
    for (const SummaryLine& s : doc_.summary)
        summary.push_back({s.label, s.value, s.where, VerdictText(doc_, s.verdict)});
    const auto& lines = doc_.summary;
    Table(summary, body, [&lines](std::size_t r, std::size_t c) {
        if (r == 0 || c != 3) return QColor(Qt::black);
        return lines[r - 1].verdict == SummaryLine::Verdict::Missed ? QColor(190, 0, 0)
                                                                     : QColor(0, 110, 0);
    });
}

void Setter::Report() {
    NewPage();
    Heading("Ergebnisbericht", 14, 0);
    const QFont body = Font(8.5);
    for (const ReportBlock& block : doc_.report) {
        if (!block.heading.empty()) Heading(block.heading, 10, 1);
        Table(block.rows, body);
    }
}

void Setter::DrawingPage(const DocumentDrawing& drawing) {
    NewPage();
    Heading(drawing.title, 12, 0);
    // The drawing is made for a 4:3 window; turned a quarter it fills the portrait page
    // far better, so it lies along the page when that gives it the larger size.
    const double areaW = Mm(kRight - kLeft), areaH = Mm(kBottom) - y_;
    const double uprightW = std::min(areaW, areaH * 4 / 3);
    const double turnedW = std::min(areaH, areaW * 4 / 3);
    const bool turned = turnedW > uprightW;
    const double w = turned ? turnedW : uprightW;  // the drawing's own width
    const double h = w * 3 / 4;
    if (!p_) return;

    DisplayList list;
    list.SetClientSize(kDrawingWidthPx, kDrawingHeightPx);
    DrawingTarget target;
    target.kind = CadOutput::Window;
    target.window = &list;
    const CadSettings cad = CadSettingsFrom(ws_.config);
    bool abort = false;
    auto d = OpenDrawing(target, ws_.output(), cad, abort);
    std::string message = "keine Ausgabe";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const FrameContext frame{doc_.projectName, local.tm_year + 1900, local.tm_mon + 1,
                             local.tm_mday,    local.tm_hour,        local.tm_min};
    if (!d || !DrawJob(*d, ws_, drawing.job, frame, message) || !d->Close()) {
        Paragraph("Die Zeichnung ist nicht verfügbar: " + FromOem(message).toStdString(),
                  Font(9.5));
        return;
    }
    p_->save();
    if (turned) {
        // Its top edge towards the page's left edge, as a landscape page is bound.
        const double x0 = Mm(kLeft) + (areaW - h) / 2;
        p_->translate(x0, y_ + (areaH + w) / 2);
        p_->rotate(-90);
    } else {
        p_->translate(Mm(kLeft) + (areaW - w) / 2, y_);
    }
    const double s = w / kDrawingWidthPx;
    p_->scale(s, s);
    p_->setRenderHint(QPainter::Antialiasing, true);
    p_->fillRect(QRect(0, 0, kDrawingWidthPx, kDrawingHeightPx), Qt::white);
    const PixelRect v = list.viewport();
    p_->setClipRect(QRect(QPoint(v.left, v.top), QPoint(v.right, v.bottom)).normalized());
    QtReplayPainter painter(*p_, FromOem(ws_.config.graphicsFont));
    // White paper whatever the window's background, the light pens darker on it.
    ReplayDisplayList(list, painter, PaperReplayOptions(ws_.config));
    p_->setClipping(false);
    p_->restore();
}

}  // namespace

void SetUpDocumentDevice(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
}

std::string DocumentTitle(const CalcDocument& doc) {
    return doc.drawingName.empty() ? doc.projectName : doc.drawingName;
}

std::string DocumentCreator() {
    return std::string("BXR ") + BXR_VERSION;
}

bool CalcDocumentPages::Paint(QPagedPaintDevice& device, std::vector<PdfBookmark>* bookmarks) {
    auto layOut = [&](Setter& s) {
        s.TitlePage();
        s.Report();
        for (const DocumentDrawing& d : doc_.drawings) s.DrawingPage(d);
    };
    Setter counting(device, nullptr, ws_, doc_, 0, nullptr);
    layOut(counting);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    if (bookmarks) bookmarks->clear();
    Setter setter(device, &painter, ws_, doc_, counting.pageCount(), bookmarks);
    layOut(setter);
    return painter.end();
}

}  // namespace bxr::gui
