#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/command_table.h"
#include "support/memory_file_system.h"
#include "support/scripted_ui.h"

namespace bxr::gui {
namespace {
using namespace bxr::test;

// Whether the action sits in the menu bar's tree of menus.
bool InMenuBar(QMainWindow& w, QAction* a) {
    std::vector<QMenu*> open;
    for (QAction* top : w.menuBar()->actions())
        if (top->menu()) open.push_back(top->menu());
    while (!open.empty()) {
        QMenu* m = open.back();
        open.pop_back();
        for (QAction* x : m->actions()) {
            if (x == a) return true;
            if (x->menu()) open.push_back(x->menu());
        }
    }
    return false;
}

TEST(main_window, every_item_of_the_command_table_is_in_the_menu_with_its_shortcut) {
    MainWindow w;
    int items = 0;
    for (const CommandItem& item : CommandTable()) {
        if (IsSeparator(item)) {
            EXPECT_TRUE(w.Action(item.name)->isSeparator()) << item.name;
            continue;
        }
        if (item.run == nullptr) {
            EXPECT_NE(w.Menu(item.name), nullptr) << item.name;
            continue;
        }
        QAction* a = w.Action(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_TRUE(InMenuBar(w, a)) << item.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString(item.shortcut))) << item.name;
        ++items;
    }
    // The menu items the program is described with, by name, with the shortcuts it promises.
    const std::vector<std::pair<std::string, QString>> described = {
        {"mi_fileNew", "Ctrl+N"},
        {"mi_fileOpen", "Ctrl+O"},
        {"mi_FileSave", "Ctrl+S"},
        {"mi_fileprint", "Ctrl+P"},
        {"mi_file1", "Shift+F1"},
        {"mi_file4", "Shift+F4"},
        {"mi_editUndo", "Ctrl+Z"},
        {"mi_editRedo", "Ctrl+Y"},
        {"mi_fileOpenTable", ""},
        {"mi_FileSaveAs", ""},
        {"mi_fileimportKORM", ""},
        {"mi_fileExportKORM", ""},
        {"mi_fileimportdxf", ""},
        {"mi_fileexportdxf", ""},
        {"mi_fileConfig", ""},
        {"mi_fileexit", ""},
        {"mi_edittext", ""},
        {"mi_editgeometrie", ""},
        {"mi_editlaenge", ""},
        {"mi_editwerkstoff", ""},
        {"mi_editlagerung", ""},
        {"mi_editeinzelkraft", ""},
        {"mi_editstreckenlast", ""},
        {"mi_editbiegemoment", ""},
        {"mi_editaxialkraft", ""},
        {"mi_editkerbzone", ""},
        {"mi_editProfile", ""},
        {"mi_editberechnung", ""},
        {"mi_editinfo", ""},
        {"mi_editruecksetzen", ""},
        {"mi_ViewStandard", ""},
        {"mi_viewschema", ""},
        {"mi_viewquick", ""},
        {"mi_viewposition", ""},
        {"mi_viewProfil", ""},
        {"mi_viewTabelleProfildaten", ""},
        {"mi_viewfertigungszeichnung", ""},
        {"mi_viewProfilmitSpannungBiegung", ""},
        {"mi_view3d", ""},
        {"mi_viewErrorMessages", ""},
        {"mi_diagFqxy", ""},
        {"mi_diaggvxyz", ""},
        {"mi_diagexport", ""},
        {"mi_caddiagramme", ""},
        {"mi_cadProfil", ""},
        {"mi_cadProfilmitSpannungBiegung", ""},
        {"mi_cadquick", ""},
        {"mi_cadschema", ""},
        {"mi_cad3d", ""},
        {"mi_cadeinstellung", ""},
        {"mi_dbprofile", ""},
        {"mi_dbwqzwst", ""},
        {"mi_dbwst1dyn", ""},
        {"mi_dbwst1base", ""},
        {"mi_docdrawinginfo", ""},
        {"mi_docuShowChanges1", ""},
        {"mi_docuPrintChanges", ""},
        {"mi_docuNewChange", ""},
        {"mi_docuModifyChanges", ""},
        {"mi_docudeleteChange", ""},
        {"mi_Document1", ""},
        {"mi_Document5", ""},
        {"mi_DocumentSetup", ""},
        {"mi_oleStartExcel", ""},
        {"mi_oleExportExcel", ""},
        {"mi_oleImportExcel", ""},
        {"mi_olePrintoutExcel", ""},
        {"mi_HelpHilfetext", ""},
        {"mi_HelpHilfebild", ""},
        {"mi_helpErrorMessages", ""},
        {"mi_helplanguageDeutsch", ""},
        {"mi_helplanguageEnglish", ""},
        {"mi_helplanguageRoman", ""},
        {"mi_helplanguageKorea", ""},
        {"mi_HelpAbout", ""}};
    for (const auto& [name, keys] : described) {
        QAction* a = w.Action(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->shortcut(), QKeySequence(keys)) << name;
    }
    // 24 diagram items: five quantities in four planes, tension in x-y, equivalent stress in three.
    int diagrams = 0;
    for (const CommandItem& item : CommandTable())
        if (std::string(item.name).rfind("mi_diag", 0) == 0 && item.arg >= 10) ++diagrams;
    EXPECT_EQ(diagrams, 24);
    EXPECT_TRUE(w.Action("mi_editinfo")->isVisible());  // the information page
    EXPECT_GT(items, 100);
}

TEST(main_window, composite_and_korean_captions_arrive_as_written) {
    MainWindow w;
    auto text = [&](const char* name) { return w.Action(name)->text(); };
    EXPECT_EQ(text("mi_fileOpenTable"), QString("Ö&ffnen... (&Tabelle)"));
    EXPECT_EQ(text("mi_viewfertigungszeichnung"), QString("&Fertigungszeichnung &Profil"));
    EXPECT_EQ(text("mi_fileExportKORM"), QString("Ex&port K&ORM"));
    EXPECT_EQ(text("mi_cadProfil"), QString("&Profile..."));
    EXPECT_EQ(text("mi_Document3"), QString("D&okument &3"));
    EXPECT_EQ(w.Menu("mi_helplanguage")->title(), QString("Menü &Sprache"));
    EXPECT_EQ(text("mi_editUndo"), QString("&Rückgängig"));
    ApplyLanguage(w.session(), kLanguageRomanian);
    EXPECT_EQ(text("mi_viewfertigungszeichnung"), QString("&Desen de productie &Profil(sectiune)"));
    EXPECT_EQ(text("mi_caddiagramme"), QString("&Diagrame..."));
    ApplyLanguage(w.session(), kLanguageKorean);
    const QString table = text("mi_fileOpenTable");
    EXPECT_EQ(table, QString("열기(&O) (테이블(&b))"));
    // Hangul syllables, not the bytes of another code page.
    EXPECT_EQ(table.at(0).unicode(), 0xC5F4);
    for (QChar c : table) EXPECT_FALSE(c.unicode() >= 0x80 && c.unicode() <= 0xFF);
    EXPECT_EQ(w.Menu("mi_helplanguage")->title(), QString("메뉴 언어(&L)"));
    EXPECT_EQ(w.Menu("mi_file")->title(), QString("파일(&F)"));
    EXPECT_EQ(text("mi_fileimportKORM"), QString("받아들이기(&I) &KORM"));
    // The language stays in the configuration for the next start.
    EXPECT_EQ(StoredLanguage(w.session().ws.config), kLanguageKorean);
}

TEST(main_window, messages_item_counts_and_is_enabled_only_with_messages) {
    MainWindow w;
    QAction* a = w.Action("mi_viewErrorMessages");
    EXPECT_FALSE(a->isEnabled());
    EXPECT_EQ(a->text(), QString("&Fehlermeldungen (0)"));
    w.session().ws.messages.entries = {"eins", "zwei"};
    w.Refresh();
    EXPECT_TRUE(a->isEnabled());
    EXPECT_EQ(a->text(), QString("&Fehlermeldungen (2)"));
    // The help menu's item carries no count.
    EXPECT_EQ(w.Action("mi_helpErrorMessages")->text(), QString("&Fehlermeldungen"));
    EXPECT_FALSE(w.Action("mi_oleExportExcel")->isEnabled());
    EXPECT_FALSE(w.Action("mi_oleImportExcel")->isEnabled());
    EXPECT_TRUE(w.Action("mi_oleStartExcel")->isEnabled());
}

TEST(main_window, undo_and_redo_are_enabled_only_with_something_to_take_back) {
    MainWindow w;
    ScriptedUi ui({std::string("500")});
    w.session().ws.ui = &ui;
    QAction* undo = w.Action("mi_editUndo");
    QAction* redo = w.Action("mi_editRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    w.Run("mi_editlaenge");  // the length typed as 500
    EXPECT_EQ(w.session().ws.model.length, 500);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    w.Run("mi_editUndo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    w.session().ws.ui = &NullUi::Shared();
}

TEST(main_window, recent_file_items_and_their_separator_follow_the_list) {
    MainWindow w;
    for (const char* n : {"mi_file1", "mi_file2", "mi_file3", "mi_file4", "sep_recent"})
        EXPECT_FALSE(w.Action(n)->isVisible()) << n;
    w.session().ws.recentFiles = {"/home/anna/wellen/a.bxr"};
    w.Refresh();
    EXPECT_TRUE(w.Action("mi_file1")->isVisible());
    EXPECT_TRUE(w.Action("sep_recent")->isVisible());
    EXPECT_FALSE(w.Action("mi_file2")->isVisible());
    EXPECT_EQ(w.Action("mi_file1")->text(), QString("&1 /home/anna/wellen/a.bxr"));
    // The items stand right above the exit item, below their separator.
    const QList<QAction*> file = w.Menu("mi_file")->actions();
    const auto exit = file.indexOf(w.Action("mi_fileexit"));
    EXPECT_EQ(file[exit - 5], w.Action("mi_file1"));
    EXPECT_EQ(file[exit - 6], w.Action("sep_recent"));
}

TEST(main_window, title_names_the_project) {
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), QString("BXR  -  Trägerberechnung"));
    w.session().ws.currentName = "welle";
    w.Refresh();
    EXPECT_EQ(w.windowTitle(), QString("BXR  -  Trägerberechnung  -  welle.bxr"));
}

TEST(main_window, closes_without_changes_and_asks_with_changes) {
    MemoryFileSystem fs;
    fs.files["/tmp/bxrtest/$a.dx$"] = "x";
    fs.files["/tmp/bxrtest/keep.txt"] = "x";
    {
        MainWindow w;
        w.session().files = &fs;
        w.session().ws.config.tempFolder = "/tmp/bxrtest";
        w.show();
        EXPECT_TRUE(w.close());
        EXPECT_EQ(fs.files.count("/tmp/bxrtest/$a.dx$"), 0u);
        EXPECT_EQ(fs.files.count("/tmp/bxrtest/keep.txt"), 1u);
    }
    MainWindow w;
    ScriptedUi ui({Cancel{}, false});
    w.session().files = &fs;
    w.session().ws.ui = &ui;
    w.session().ws.currentName = "welle";
    w.session().ws.model.modified = true;
    w.show();
    EXPECT_FALSE(w.close());  // cancelled: the window stays
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.close());  // "No": the changes are dropped
    EXPECT_EQ(ui.shown.size(), 2u);
    w.session().ws.ui = &NullUi::Shared();
}

// The value line after the project file's "Länge" caption.
std::string StoredLength(const std::string& file) {
    const std::string caption = "L\x84nge\r\n";
    const auto at = file.find(caption);
    if (at == std::string::npos) return {};
    const auto from = at + caption.size();
    return file.substr(from, file.find('\r', from) - from);
}

TEST(main_window, edits_of_a_project_opened_by_name_are_saved_or_kept_as_answered_at_close) {
    std::ifstream in(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr", std::ios::binary);
    std::stringstream example;
    example << in.rdbuf();
    // Started with the project on its command line and a configuration without archive
    // mode: Save writes the file; the window manager's close request after a further edit
    // asks, and only Cancel keeps the window.
    struct Case {
        Answer answer;
        bool closes;
        const char* stored;
    };
    const Case cases[] = {
        {true, true, "1600.0000000"},
        {false, true, "1500.0000000"},
        {Cancel{}, false, "1500.0000000"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.files["/work/welle.bxr"] = example.str();
        MainWindow w;
        ScriptedUi ui({std::string("1500"), std::string("1600"), c.answer});
        w.session().files = &fs;
        w.session().ws.ui = &ui;
        CommandLine cl;
        cl.form = CommandLine::Form::Plain;
        cl.file = "welle.bxr";
        ASSERT_TRUE(StartSession(w.session(), cl, "/work", "/prog").run);
        w.show();
        w.Run("mi_editlaenge");
        w.Action("mi_FileSave")->trigger();
        EXPECT_EQ(StoredLength(fs.files["/work/welle.bxr"]), "1500.0000000");
        EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
        w.Run("mi_editlaenge");
        QCloseEvent e;
        QApplication::sendEvent(&w, &e);
        EXPECT_EQ(e.isAccepted(), c.closes);
        EXPECT_EQ(StoredLength(fs.files["/work/welle.bxr"]), c.stored);
        EXPECT_EQ(ui.shown.back(), "Datei speichern (/work/welle.bxr) ?");
        EXPECT_TRUE(ui.Exhausted());
        w.session().ws.ui = &NullUi::Shared();
    }
}

TEST(main_window, help_text_and_help_picture_open_the_index_and_the_picture_index) {
    MainWindow w;
    ScriptedUi ui(std::vector<Answer>{});
    w.session().ws.ui = &ui;
    w.Run("mi_HelpHilfetext");
    w.Run("mi_HelpHilfebild");
    EXPECT_EQ(ui.helpShown, (std::vector<std::string>{"index.html", "pictures.html"}));
    EXPECT_TRUE(ui.messages.empty());
    w.session().ws.ui = &NullUi::Shared();
}

}  // namespace
}  // namespace bxr::gui

namespace bxr::gui {
namespace {

TEST(main_window, a_long_calculation_keeps_the_window_painting_and_can_be_cancelled) {
    MainWindow w;
    w.show();
    bool painted = false;
    QTimer::singleShot(30, &w, [&] { painted = true; });
    // After the status text appeared, its cancel button is pressed.
    QTimer::singleShot(250, &w, [&] {
        if (auto* p = w.findChild<QProgressDialog*>()) p->cancel();
    });
    QElapsedTimer clock;
    clock.start();
    bool sawAbort = false;
    w.CalculateResponsively(w.session().ws, [&](CalcState& ws) {
        // A calculation of up to 5 s that looks at the abort flag as the core does.
        for (int i = 0; i < 500; ++i) {
            if (std::atomic_ref<bool>(ws.abortFlag).load()) {
                sawAbort = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    EXPECT_TRUE(painted);
    EXPECT_TRUE(sawAbort);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_FALSE(w.busy());
}

}  // namespace
}  // namespace bxr::gui
