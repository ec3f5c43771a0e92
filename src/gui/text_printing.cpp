#include "gui/text_printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace bxr::gui {

QFont PrintoutFont(const PrintFont& font) {
    QFont f(QString::fromStdString(font.family));
    f.setStyleHint(QFont::TypeWriter);  // a missing family falls back to a fixed-pitch one
    f.setPointSize(font.pointSize > 0 ? font.pointSize : 10);
    f.setBold(font.style & 1);
    f.setItalic(font.style & 2);
    f.setUnderline(font.style & 4);
    f.setStrikeOut(font.style & 8);
    return f;
}

int PaintTextPages(QPagedPaintDevice& device, const QString& text, const QFont& font) {
    QPainter p;
    if (!p.begin(&device)) return 0;
    // The painter sizes the points by the device's resolution, so the size holds on paper.
    p.setFont(font);
    const QFontMetrics m = p.fontMetrics();
    const int pageHeight = device.height();
    int pages = 1;
    int y = m.ascent();
    QString rest = text;
    if (rest.endsWith('\n')) rest.chop(1);
    const QStringList lines = rest.split('\n');
    for (QString line : lines) {
        // A form feed ends the page there (the report writes one ahead of a new page's lines).
        while (line.startsWith('\f')) {
            line.remove(0, 1);
            if (y > m.ascent()) {
                device.newPage();
                ++pages;
                y = m.ascent();
            }
        }
        line.remove('\f');
        if (y + m.descent() > pageHeight) {
            device.newPage();
            ++pages;
            y = m.ascent();
        }
        p.drawText(0, y, line);
        y += m.lineSpacing();
    }
    p.end();
    return pages;
}

bool QtTextPrinter::PrintText(const std::string& title, const std::string& text,
                              const PrintFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(title));
    if (choosePrinter) {
        if (!choosePrinter(printer)) return false;
    } else {
        QPrintDialog dialog(&printer, parent_);
        if (dialog.exec() != QDialog::Accepted) return false;
    }
    return PaintTextPages(printer, QString::fromStdString(text), PrintoutFont(font)) > 0;
}

}  // namespace bxr::gui
