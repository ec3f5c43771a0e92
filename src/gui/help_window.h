// The help window: the help pages in a browser with Back, Forward, Contents and find in page.
// One window serves the whole session. Opened over a modal dialog or prompt it is modal
// itself, so that it can be used there, and gives the focus back to the dialog when it
// closes; opened from the menu it stands beside the main window.
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/help_pages.h"

class QAction;
class QLineEdit;

namespace bxr::gui {

// Where the pages are and what the generated messages page lists.
struct HelpSource {
    std::string folder;           // the help folder with de/ and en/
    std::string language;         // "de" or "en"
    std::string descriptionFile;  // the message descriptions, bxr.err
    std::vector<std::string> messages;  // the last calculation's messages, code page 850
};

// A browser that makes the pages that are no files: the messages page and the page of a topic
// without help. A page only in the other language's folder is shown from there.
class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
    QVariant loadResource(int type, const QUrl& url) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // What the window reads its pages from; the main window sets it. Without one the help of
    // the program's data folder in German.
    static void SetSource(std::function<HelpSource()> source, QWidget* owner);
    // The page of a help topic, or its picture.
    static void ShowTopic(QWidget* from, int topic, bool picture);
    // A page by name, with an anchor: "index.html", "messages.html#m4".
    static void ShowPage(QWidget* from, const std::string& page);
    // The window when one is open, for tests.
    static HelpWindow* Current();

    HelpBrowser* browser() const { return browser_; }
    QLineEdit* findField() const { return find_; }
    // Finds the text of the find field after (or before) the cursor, from the top again at
    // the end; false when the page does not hold it.
    bool FindNext(bool backwards = false);

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    explicit HelpWindow(QWidget* parent);
    static HelpWindow& Open(QWidget* from);
    // Opens the window (see Open) on the page and brings it to the front.
    static void Present(QWidget* from, const HelpLocation& at);
    void Show(const std::string& path, const std::string& anchor);
    void UpdateTexts();

    HelpBrowser* browser_;
    QLineEdit* find_;
    QAction *back_, *forward_, *contents_, *next_, *previous_;
    QPointer<QWidget> returnTo_;
    std::string language_ = "de";
};

}  // namespace bxr::gui
