// The program's main window: the menu bar built from the command table, the graphics window
// in the middle, the status line, the text window, and the calculation on a worker thread.
#pragma once

#include <QMainWindow>
#include <map>

#include "app/command_table.h"
#include "app/session.h"
#include "gui/graphics_widget.h"
#include "gui/qt_ui.h"
#include "gui/text_printing.h"
#include "gui/text_view.h"

class QAction;
class QMenu;

namespace bxr::gui {

class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    GraphicsWidget* graphics() { return graphics_; }
    QtTextWindow& textWindow() { return text_; }
    QAction* Action(const std::string& name) const;
    QMenu* Menu(const std::string& name) const;

    // Shell
    void Refresh() override;
    void CloseWindow() override { close(); }
    void PrintDrawing() override { graphics_->Print(); }

    // Runs an item as its menu entry does.
    void Run(const std::string& name);
    // The calculation on a worker thread; the window keeps painting, and after 100 ms the
    // status text shows with a button that sets the abort flag.
    void CalculateResponsively(CalcState& ws, const AnalysisRunner& run = nullptr);
    bool busy() const { return busy_; }

    void ExportDrawing() override;
    void PreviewCalcDocument(const CalcDocument& doc) override;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void BuildMenus();
    bool Progress(const std::string& status);

    Session session_;
    QtUi ui_;
    QtTextWindow text_;
    QtTextPrinter printer_;
    GraphicsWidget* graphics_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    bool busy_ = false;
    bool calculating_ = false;
};

}  // namespace bxr::gui
