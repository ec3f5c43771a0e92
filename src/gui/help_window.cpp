#include "gui/help_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/calc_message_display.h"
#include "app/help_pages.h"

namespace bxr::gui {

namespace {

QPointer<HelpWindow> g_window;
std::function<HelpSource()> g_source;
QPointer<QWidget> g_owner;

// Without a main window: the program's own help, German.
HelpSource DefaultSource() {
    Configuration c;
    c.programFolder = QCoreApplication::applicationDirPath().toStdString();
    return {HelpFolder(DiskFileSystem(), c), "de", DescriptionFilePath(c), {}};
}

HelpSource CurrentSource() {
    return g_source ? g_source() : DefaultSource();
}

bool IsLanguageFolder(const QString& name) {
    return name == "de" || name == "en";
}

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& url) {
    if (type != QTextDocument::HtmlResource || !url.isLocalFile())
        return QTextBrowser::loadResource(type, url);
    const QFileInfo page(url.toLocalFile());
    if (page.isFile()) return QTextBrowser::loadResource(type, url);
    // A link to a page that only the other language has: that one; else the page made here.
    const QString language = page.dir().dirName();
    const HelpSource s = CurrentSource();
    const std::string folder =
        IsLanguageFolder(language) ? QFileInfo(page.dir().path()).path().toStdString() : s.folder;
    const HelpPages pages(DiskFileSystem(), folder,
                          IsLanguageFolder(language) ? language.toStdString() : s.language);
    const HelpLocation at = pages.Page(page.fileName().toStdString());
    QFile other(QString::fromStdString(at.path));
    if (other.open(QIODevice::ReadOnly)) return QString::fromUtf8(other.readAll());
    const bool messages = page.fileName() == kMessagesPage;
    const ErrorDescriptions descriptions = messages
                                               ? ErrorDescriptions::Load(DiskFileSystem(),
                                                                         s.descriptionFile)
                                               : ErrorDescriptions{};
    return QString::fromStdString(
        pages.MissingPage(page.filePath().toStdString(), descriptions, s.messages));
}

void HelpWindow::SetSource(std::function<HelpSource()> source, QWidget* owner) {
    g_source = std::move(source);
    g_owner = owner;
}

HelpWindow* HelpWindow::Current() {
    return g_window.data();
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    browser_ = new HelpBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "");
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "");
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    contents_ = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "");
    bar->addSeparator();
    find_ = new QLineEdit(bar);
    find_->setObjectName("HelpFind");
    find_->setClearButtonEnabled(true);
    find_->setMaximumWidth(220);
    bar->addWidget(find_);
    previous_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), "");
    previous_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    next_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowDown), "");
    next_->setShortcut(QKeySequence(Qt::Key_F3));
    // The find buttons show only their arrows, so that the bar fits a narrow window.
    for (QAction* a : {previous_, next_})
        if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(contents_, &QAction::triggered, this, [this] {
        const HelpSource s = CurrentSource();
        const HelpLocation at = HelpPages(DiskFileSystem(), s.folder, language_).Page(kIndexPage);
        Show(at.path, at.anchor);
    });
    connect(next_, &QAction::triggered, this, [this] { FindNext(false); });
    connect(previous_, &QAction::triggered, this, [this] { FindNext(true); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
    connect(find_, &QLineEdit::textChanged, this, [this] { find_->setStyleSheet(""); });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTexts(); });
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] {
        find_->setFocus();
        find_->selectAll();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    UpdateTexts();
    resize(860, 680);
}

void HelpWindow::UpdateTexts() {
    // The tool bar speaks the language of the page shown.
    const QString folder = QFileInfo(browser_->source().toLocalFile()).dir().dirName();
    if (IsLanguageFolder(folder)) language_ = folder.toStdString();
    const bool german = language_ == "de";
    back_->setText(german ? "Zurück" : "Back");
    forward_->setText(german ? "Vor" : "Forward");
    contents_->setText(german ? "Inhalt" : "Contents");
    find_->setPlaceholderText(german ? "Suchen (Strg+F)" : "Find (Ctrl+F)");
    previous_->setText(german ? "Zurück suchen (Umschalt+F3)" : "Previous (Shift+F3)");
    next_->setText(german ? "Weitersuchen (F3)" : "Next (F3)");
    const QString title = browser_->documentTitle();
    setWindowTitle(QString(german ? "BXR - Hilfe" : "BXR - Help") +
                   (title.isEmpty() ? QString() : " - " + title));
}

bool HelpWindow::FindNext(bool backwards) {
    const QString text = find_->text();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser_->find(text, flags);
    if (!found) {
        // Round again from the other end of the page.
        QTextCursor c = browser_->textCursor();
        c.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(c);
        found = browser_->find(text, flags);
    }
    find_->setStyleSheet(found ? "" : "QLineEdit { background-color: #ffd6d6; }");
    return found;
}

void HelpWindow::Show(const std::string& path, const std::string& anchor) {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    // The messages page is read again: it changes with every calculation.
    if (browser_->source().matches(url, QUrl::RemoveFragment) &&
        QFileInfo(url.toLocalFile()).fileName() == kMessagesPage)
        browser_->reload();
    browser_->setSource(url, QTextDocument::HtmlResource);
    if (!anchor.empty()) browser_->scrollToAnchor(QString::fromStdString(anchor));
    UpdateTexts();
}

HelpWindow& HelpWindow::Open(QWidget* from) {
    if (!g_window) {
        g_window = new HelpWindow(g_owner.data());
        // Without an owner nothing else would delete it.
        if (!g_owner) g_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    HelpWindow& w = *g_window;
    // A modal dialog blocks every other window: over one the help is modal itself.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != &w ? Qt::ApplicationModal : Qt::NonModal;
    if (w.windowModality() != wanted) {
        if (w.isVisible()) w.hide();
        w.setWindowModality(wanted);
    }
    QWidget* asking = from != nullptr ? from->window() : QApplication::activeWindow();
    if (asking != nullptr && asking != &w) w.returnTo_ = asking;
    // Beside the window that asks, on its side with more room, so that it stays in sight as far
    // as the screen allows; a window already open stays where the user put it.
    if (!w.isVisible() && asking != nullptr && asking != &w && asking->screen() != nullptr) {
        constexpr int kFrame = 40;  // title bar and border the window manager adds
        const QRect free = asking->screen()->availableGeometry();
        const QRect at = asking->frameGeometry();
        const int rightRoom = free.right() - at.right() - 12, leftRoom = at.left() - free.left() - 12;
        const bool right = rightRoom >= leftRoom;
        // Beside the main window it is a reading window of its own and may cover part of it.
        const int room = wanted == Qt::NonModal ? free.width() * 3 / 5 : std::max(rightRoom, leftRoom);
        const int width = std::clamp(room, std::min(520, free.width()), std::min(860, free.width()));
        const int height = std::min(680, free.height() - kFrame);
        w.resize(width, height);
        const int x = right ? at.right() + 12 : at.left() - 12 - width;
        w.move(std::clamp(x, free.left(), std::max(free.left(), free.right() - width)),
               std::clamp(at.top() - 120, free.top(),
                          std::max(free.top(), free.bottom() - height - kFrame)));
    }
    return w;
}

void HelpWindow::ShowTopic(QWidget* from, int topic, bool picture) {
    const HelpSource s = CurrentSource();
    Present(from, HelpPages(DiskFileSystem(), s.folder, s.language).Topic(topic, picture));
}

void HelpWindow::ShowPage(QWidget* from, const std::string& page) {
    const HelpSource s = CurrentSource();
    Present(from, HelpPages(DiskFileSystem(), s.folder, s.language).Page(page));
}

void HelpWindow::Present(QWidget* from, const HelpLocation& at) {
    HelpWindow& w = Open(from);
    w.Show(at.path, at.anchor);
    w.show();
    w.raise();
    w.activateWindow();
}

void HelpWindow::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    if (returnTo_ != nullptr && returnTo_->isVisible()) {
        returnTo_->raise();
        returnTo_->activateWindow();
    }
    returnTo_ = nullptr;
}

}  // namespace bxr::gui
