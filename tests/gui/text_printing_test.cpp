#include "gui/text_printing.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

namespace bxr::gui {
namespace {

int PagesOnA4(const QString& text, const PrintFont& font) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("p.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    return PaintTextPages(printer, text, PrintoutFont(font));
}

// A4 holds about 250 mm of lines: at 10 points (about 4.2 mm a line with the font's
// spacing) some 55 to 65 lines, at 20 points half as many. A form feed starts a new page.
TEST(text_printing, pages_follow_the_configured_size_and_the_form_feeds) {
    QString hundred;
    for (int i = 0; i < 100; ++i) hundred += QString("Zeile %1\n").arg(i);
    PrintFont ten;
    ten.pointSize = 10;
    PrintFont twenty = ten;
    twenty.pointSize = 20;
    EXPECT_EQ(PagesOnA4(hundred, ten), 2);
    EXPECT_GE(PagesOnA4(hundred, twenty), 3);
    EXPECT_LE(PagesOnA4(hundred, twenty), 4);
    EXPECT_EQ(PagesOnA4("a\n\fb\n\fc\n", ten), 3);
    EXPECT_EQ(PagesOnA4("\fa\n", ten), 1);  // no empty first page

    PrintFont styled;
    styled.family = "Liberation Mono";
    styled.style = 1 | 2 | 8;
    const QFont f = PrintoutFont(styled);
    EXPECT_EQ(f.family(), "Liberation Mono");
    EXPECT_TRUE(f.bold() && f.italic() && f.strikeOut() && !f.underline());
}

}  // namespace
}  // namespace bxr::gui
