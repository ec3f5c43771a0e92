#include "gui/text_view.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/text_printing.h"

namespace bxr::gui {

TextView::TextView(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm_showtextfile");
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    find_ = new QLineEdit;
    find_->setPlaceholderText("Suchen ...");
    auto* findButton = new QPushButton("&Suchen");
    auto* printButton = new QPushButton("&Drucken...");
    auto* saveButton = new QPushButton("Speichern &unter...");
    auto* closeButton = new QPushButton("&Schließen");
    bar->addWidget(find_, 1);
    bar->addWidget(findButton);
    bar->addSpacing(12);
    bar->addWidget(printButton);
    bar->addWidget(saveButton);
    bar->addWidget(closeButton);
    edit_ = new QPlainTextEdit;
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    edit_->setFont(fixed);
    layout->addLayout(bar);
    layout->addWidget(edit_, 1);
    connect(findButton, &QPushButton::clicked, this, [this] {
        if (!FindNext(find_->text())) QApplication::beep();
    });
    connect(find_, &QLineEdit::returnPressed, findButton, &QPushButton::click);
    connect(printButton, &QPushButton::clicked, this, &TextView::Print);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Speichern unter", "bericht.txt",
                                                          "Text (*.txt);;Alle Dateien (*)");
        if (!path.isEmpty() && !SaveTo(path))
            QMessageBox::warning(this, "BXR", "Datei " + path + " kann nicht geschrieben werden.");
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, find_, [this] { find_->setFocus(); });
    auto* nextKey = new QShortcut(QKeySequence::FindNext, this);
    connect(nextKey, &QShortcut::activated, findButton, &QPushButton::click);
    resize(820, 640);
}

void TextView::SetText(const QString& title, const QString& text) {
    setWindowTitle(title);
    edit_->setPlainText(text);
}

QString TextView::Text() const {
    return edit_->toPlainText();
}

bool TextView::FindNext(const QString& what) {
    if (what.isEmpty()) return false;
    if (edit_->find(what)) return true;
    // Once more from the top.
    QTextCursor c = edit_->textCursor();
    c.movePosition(QTextCursor::Start);
    edit_->setTextCursor(c);
    return edit_->find(what);
}

bool TextView::SaveTo(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = edit_->toPlainText().toUtf8();
    return f.write(bytes) == bytes.size() && f.flush();
}

void TextView::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PaintTextPages(printer, edit_->toPlainText(), PrintoutFont(printFont));
}

void QtTextWindow::ShowText(const std::string& title, const std::string& text) {
    if (view_ == nullptr) view_ = new TextView(parent_);
    if (printFont) view_->printFont = printFont();
    view_->SetText(QString::fromStdString(title), QString::fromStdString(text));
    view_->show();
    view_->raise();
    view_->activateWindow();
}

}  // namespace bxr::gui
