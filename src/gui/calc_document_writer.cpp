#include "gui/calc_document_writer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/cad_batch.h"
#include "format/code_page.h"
#include "graphics/cad_settings.h"
#include "graphics/drawing_output.h"
#include "gui/calc_document_pages.h"
#include "report/pdf_outline.h"

namespace bxr::gui {

namespace {

// The batch form has no window: the application object lives for this call only, on the
// offscreen platform, whatever display there may be.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    static int argc = 1;
    static char name[] = "wbxr";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The toolkit's notes on the environment (no runtime folder, ...) are no business of a
    // batch run, whose standard error carries the program's own messages only.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteCalcDocumentPdf(Workspace& ws, const CalcDocument& doc, const std::string& path,
                          FileSystem& files, std::string& message) {
    auto app = OffscreenApplication();
    QByteArray bytes;
    std::vector<PdfBookmark> bookmarks;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        SetUpDocumentDevice(writer);
        writer.setResolution(kDocumentResolution);
        writer.setTitle(QString::fromStdString(DocumentTitle(doc)));
        writer.setCreator(QString::fromStdString(DocumentCreator()));
        CalcDocumentPages pages(ws, doc);
        if (!pages.Paint(writer, &bookmarks)) {
            message = "Das Dokument kann nicht gesetzt werden.";
            return false;
        }
    }
    const PdfInfo info{DocumentTitle(doc), doc.drawnBy, "BXR", DocumentCreator()};
    auto finished = AppendPdfOutline(std::string_view(bytes.constData(), bytes.size()), bookmarks,
                                     info);
    if (!finished) {
        message = "Die Lesezeichen des Dokuments können nicht angelegt werden.";
        return false;
    }
    if (!WriteFileSafely(files, path, *finished)) {
        message = path + " kann nicht geschrieben werden.";
        return false;
    }
    return true;
}

}  // namespace bxr::gui
