#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>
#include <atomic>
#include <cstring>
#include <thread>

#include "analysis/run_analysis.h"
#include "app/calc_message_display.h"
#include "app/help_pages.h"
#include "gui/calc_document_preview.h"
#include "gui/help_key.h"
#include "gui/help_window.h"
#include "gui/qt_text.h"
#include "platform/null_ui.h"

namespace bxr::gui {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui_(this), text_(this), printer_(this), graphics_(nullptr) {
    setObjectName("Thh");
    session_.ws.ui = &ui_;
    session_.textWindow = &text_;
    session_.textPrinter = &printer_;
    text_.printFont = [this] { return PrintFontFrom(session_.ws.config); };
    session_.shell = this;
    session_.calculate = [this](CalcState& cs) { CalculateResponsively(cs); };
    ui_.redraw = [this] {
        graphics_->PrepareForDrawing();
        RedrawCurrentView(session_);
        graphics_->update();
    };
    static_assert(kViewSection == static_cast<int>(View::kSection) &&
                  kViewQuick == static_cast<int>(View::kQuickResults));
    ui_.showView = [this](View view) {
        session_.currentView = static_cast<int>(view);
        ui_.redraw();
    };
    ui_.beforePrompt = [this] { graphics_->repaint(); };
    ui_.progress = [this](const std::string& status) { return Progress(status); };
    ui_.caption = [this](const std::string& caption) {
        setWindowTitle(caption.empty() ? FromUtf8(WindowTitle(session_.ws)) : FromOem(caption));
    };
    graphics_ = new GraphicsWidget(session_.window, session_.ws.config, this);
    setCentralWidget(graphics_);
    statusBar()->showMessage("");
    BuildMenus();
    // The help speaks the menu's language and lists the messages of the last calculation.
    HelpWindow::SetSource(
        [this] {
            const Configuration& c = session_.ws.config;
            return HelpSource{HelpFolder(session_.fs(), c),
                              HelpLanguage(session_.vocabulary.language()),
                              DescriptionFilePath(c), session_.ws.messages.entries};
        },
        this);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { ShowHelpPage(this, kIndexPage); });
    resize(1024, 720);
}

MainWindow::~MainWindow() {
    HelpWindow::SetSource(nullptr, nullptr);
    session_.ws.ui = &NullUi::Shared();
}

void MainWindow::BuildMenus() {
    for (const CommandItem& item : CommandTable()) {
        const std::string name = item.name;
        if (item.parent == nullptr) {
            QMenu* m = menuBar()->addMenu("");
            m->setObjectName(QString::fromStdString(name));
            menus_[name] = m;
            continue;
        }
        QMenu* parent = menus_.at(item.parent);
        if (IsSeparator(item)) {
            QAction* sep = parent->addSeparator();
            sep->setObjectName(QString::fromStdString(name));
            actions_[name] = sep;
            continue;
        }
        if (item.run == nullptr) {
            QMenu* sub = parent->addMenu("");
            sub->setObjectName(QString::fromStdString(name));
            menus_[name] = sub;
            continue;
        }
        QAction* a = parent->addAction("");
        a->setObjectName(QString::fromStdString(name));
        if (*item.shortcut != '\0') a->setShortcut(QKeySequence(QString(item.shortcut)));
        connect(a, &QAction::triggered, this, [this, name] { Run(name); });
        actions_[name] = a;
    }
    Refresh();
}

QAction* MainWindow::Action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::Menu(const std::string& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::Refresh() {
    for (const CommandItem& item : CommandTable()) {
        const QString caption = FromUtf8(ItemCaption(item, session_));
        if (auto m = menus_.find(item.name); m != menus_.end()) {
            m->second->setTitle(caption);
            continue;
        }
        QAction* a = Action(item.name);
        if (a == nullptr) continue;
        if (!a->isSeparator()) a->setText(caption);
        a->setEnabled(ItemEnabled(item, session_));
        a->setVisible(ItemVisible(item, session_));
    }
    setWindowTitle(FromUtf8(WindowTitle(session_.ws)));
    QPalette pal = graphics_->palette();
    pal.setColor(QPalette::Window, BackgroundColour(session_.ws.config));
    graphics_->setPalette(pal);
    graphics_->update();
    QApplication::restoreOverrideCursor();
}

void MainWindow::Run(const std::string& name) {
    if (busy_) return;  // one command at a time, also while a calculation runs
    const CommandItem* item = FindCommand(name);
    if (item == nullptr) return;
    graphics_->PrepareForDrawing();
    busy_ = true;
    RunCommand(session_, *item);
    busy_ = false;
    // Captions and enabled items follow what the command changed (the undo history, say).
    Refresh();
}

bool MainWindow::Progress(const std::string& status) {
    statusBar()->showMessage(FromOem(status));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return false;
}

void MainWindow::CalculateResponsively(CalcState& ws, const AnalysisRunner& run) {
    // The calculation shows nothing itself, so nothing on the worker touches a widget.
    std::atomic<bool> done{false};
    std::thread worker([&] {
        if (run)
            run(ws);
        else
            RunAnalysis(ws);
        done.store(true);
    });
    QElapsedTimer clock;
    clock.start();
    QProgressDialog* dialog = nullptr;
    const bool wasBusy = busy_;
    busy_ = true;
    calculating_ = true;
    while (!done.load()) {
        // Until the status text shows, the window paints but takes no input; afterwards the
        // status dialog is modal, so no second command can start on the same workspace.
        QApplication::processEvents(
            dialog == nullptr ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents, 20);
        if (dialog == nullptr && clock.elapsed() > 100) {
            statusBar()->showMessage("Berechnung läuft ...");
            dialog = new QProgressDialog("Berechnung läuft ...", "Abbrechen", 0, 0, this);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            connect(dialog, &QProgressDialog::canceled, this,
                    [&ws] { std::atomic_ref<bool>(ws.abortFlag).store(true); });
            dialog->show();
        }
        if (dialog != nullptr && dialog->wasCanceled())
            std::atomic_ref<bool>(ws.abortFlag).store(true);
        if (!done.load()) QThread::msleep(5);
    }
    worker.join();
    busy_ = wasBusy;
    calculating_ = false;
    if (dialog != nullptr) {
        dialog->hide();
        dialog->deleteLater();
        statusBar()->showMessage(ws.abortFlag ? "Berechnung abgebrochen" : "", 3000);
    }
}

void MainWindow::ExportDrawing() {
    QString selected;
    const QString path = QFileDialog::getSaveFileName(
        this, "Zeichnung als Bild",
        FromOem(session_.ws.currentName.empty() ? "zeichnung" : session_.ws.currentName) + ".png",
        "PNG (*.png);;SVG (*.svg);;PDF (*.pdf)", &selected);
    if (path.isEmpty()) return;
    if (!graphics_->Export(path))
        QMessageBox::warning(this, "BXR", "Die Datei " + path + " kann nicht geschrieben werden.");
}

void MainWindow::PreviewCalcDocument(const CalcDocument& doc) {
    gui::PreviewCalcDocument(this, session_, doc);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (calculating_ || !ConfirmClose(session_)) {
        e->ignore();
        return;
    }
    statusBar()->showMessage("Lösche temporäre Dateien ...");
    e->accept();
}

}  // namespace bxr::gui
