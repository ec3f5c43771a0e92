#include "gui/window_entry.h"

#include <QApplication>
#include <QIcon>
#include <cstdlib>

#include "gui/focus_keeper.h"
#include "gui/main_window.h"
#include "platform/user_folders.h"

namespace bxr::gui {

namespace {
bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}
}  // namespace

bool DisplayAvailable() {
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

std::string NoDisplayMessage() {
    return "wbxr: kein Bildschirm gefunden (DISPLAY ist nicht gesetzt), das Programmfenster "
           "kann nicht starten; ohne Fenster läuft der Bericht: wbxr Projekt.bxr /I /NOGUI";
}

void EnsureOffscreenApplication() {
    static int argc = 1;
    static char name[] = "bxr";
    static char* argv[] = {name, nullptr};
    if (!Set("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(argc, argv);
}

int RunWindow(int argc, char** argv, const CommandLine& cl, const std::string& workingFolder,
              const std::string& programFolder) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("BXR");
    // The icon of the installed desktop entry; a build tree has none and keeps the default.
    QApplication::setWindowIcon(QIcon::fromTheme("bxr"));
    MainWindow window;
    new FocusKeeper(window);
    window.session().userFolders = CurrentUserFolders(DiskFileSystem());
    const StartupResult start = StartSession(window.session(), cl, workingFolder, programFolder);
    if (!start.run) return start.exitCode;
    window.show();
    // Take the keyboard at once: without a window manager (a bare X server) nobody else
    // gives the window the focus, and the menu keys would go nowhere.
    window.raise();
    window.activateWindow();
    QApplication::processEvents();
    if (!window.session().ws.currentName.empty() || !window.session().ws.model.modified) {
        window.graphics()->PrepareForDrawing();
        if (cl.form == CommandLine::Form::Plain) RedrawCurrentView(window.session());
        window.graphics()->update();
    }
    const int code = QApplication::exec();
    EndSession(window.session());
    return code;
}

}  // namespace bxr::gui
