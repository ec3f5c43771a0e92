#include "gui/calc_document_preview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/document_command.h"
#include "gui/calc_document_pages.h"
#include "gui/calc_document_writer.h"

namespace bxr::gui {

void PreviewCalcDocument(QWidget* parent, Session& s, const CalcDocument& doc) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Berechnungsdokument \u2013 Vorschau");
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    SetUpDocumentDevice(printer);
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&s, &doc](QPrinter* p) {
                         p->setFullPage(true);
                         SetUpDocumentDevice(*p);
                         CalcDocumentPages(s.ws, doc).Paint(*p, nullptr);
                     });
    preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview->fitToWidth();
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* save = buttons->addButton("&Speichern...", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    save->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        const bool saved = SaveCalcDocument(s, [&](const std::string& path, std::string& message) {
            return WriteCalcDocumentPdf(s.ws, doc, path, s.fs(), message);
        });
        if (saved) dialog.accept();
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview, 1);
    layout->addWidget(buttons);
    // A page of A4 at a readable size, within the screen.
    QSize size(820, 1000);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    dialog.resize(size);
    dialog.exec();
}

}  // namespace bxr::gui
