// The help window on pages of a fixture help folder: F1 and the picture button of a form
// dialog open the topic's page over the modal dialog, and the pages that are no files.
#include "gui/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "format/code_page.h"
#include "gui/form_dialog.h"
#include "gui/qt_ui.h"
#include "support/output_test_support.h"

namespace bxr::gui {
namespace {

class NotchForm : public FormModel {
  public:
    NotchForm() {
        caption = "Kerbzone 1";
        help = 9600;
        fields.push_back(TextField("Edit_betak", "Kerbfaktor Zug/Druck ßk"_oem, "1"));
        buttons = {OkButton(), CancelButton(), HelpButton("Button_help", "&Hilfetext", 9600),
                   HelpButton("Button_helpPicture", "Hilfe&bild", 9600)};
    }
    bool Press(const std::string& name) override {
        return name == "Button_ok" ? Close(true) : name == "Button_cancel" ? Close(false) : false;
    }
};

struct HelpFixture : ::testing::Test {
    std::string folder = test::MakeTempFolder();
    HelpFixture() {
        std::filesystem::create_directories(folder + "help/de");
        std::filesystem::create_directories(folder + "help/pictures");
        test::WriteFile(folder + "help/de/9600.html",
                        "<html><head><meta charset=\"utf-8\"><title>Kerbzone</title></head><body>"
                        "<h1>Kerbzone</h1><p>Kerbfaktor</p><a name=\"picture\"></a>"
                        "<img src=\"../pictures/notch-zone.svg\"></body></html>");
        test::WriteFile(folder + "help/pictures/notch-zone.svg",
                        *DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) +
                                                   "/help/pictures/notch-zone.svg",
                                               1 << 20));
        test::WriteFile(folder + "bxr.err", "Fatal  : A = 0 !\r\nUrsache A\r\nAbhilfe A\r\n");
        HelpWindow::SetSource(
            [this] {
                return HelpSource{folder + "help", "de", folder + "bxr.err", {"Fatal  : A = 0 !"}};
            },
            nullptr);
    }
    ~HelpFixture() override {
        delete HelpWindow::Current();  // no owner would delete it
        HelpWindow::SetSource(nullptr, nullptr);
        std::filesystem::remove_all(folder);
    }
};

QString ShownFile(HelpWindow* w) {
    return QFileInfo(w->browser()->source().toLocalFile()).fileName();
}

TEST_F(HelpFixture, f1_and_the_picture_button_of_a_form_dialog_open_its_topic_over_the_dialog) {
    NotchForm form;
    QtUi ui(nullptr);
    struct Seen {
        QString file, fragment, title;
        bool modal = false, returned = false;
    } f1, picture;
    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; });
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        dialog->activateWindow();
        (void)QTest::qWaitForWindowActive(dialog, 2000);
        auto look = [&](Seen& seen) {
            HelpWindow* w = HelpWindow::Current();
            if (w == nullptr || !w->isVisible()) return;
            seen = {ShownFile(w), w->browser()->source().fragment(), w->windowTitle(),
                    w->windowModality() == Qt::ApplicationModal, false};
            w->close();
            seen.returned = QApplication::activeModalWidget() == dialog;
        };
        QTest::keyClick(dialog, Qt::Key_F1);
        look(f1);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == "Hilfe&bild") b->click();
        look(picture);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ui.RunForm(form);
    EXPECT_EQ(f1.file, "9600.html");
    EXPECT_EQ(f1.fragment, "");
    EXPECT_EQ(f1.title, "BXR - Hilfe - Kerbzone");
    EXPECT_TRUE(f1.modal);
    EXPECT_TRUE(f1.returned);
    EXPECT_EQ(picture.file, "9600.html");
    EXPECT_EQ(picture.fragment, "picture");
}

TEST_F(HelpFixture, pictures_load_and_pages_that_are_no_files_are_made_and_searchable) {
    HelpWindow::ShowTopic(nullptr, 9600, true);
    HelpWindow* w = HelpWindow::Current();
    ASSERT_NE(w, nullptr);
    const QVariant svg =
        w->browser()->loadResource(QTextDocument::ImageResource, QUrl("../pictures/notch-zone.svg"));
    EXPECT_FALSE(QImage::fromData(svg.toByteArray(), "SVG").isNull());

    struct Case {
        std::string page;
        QString text;  // on the page
    };
    const Case cases[] = {
        {"messages.html#m1", "Ursache A"},
        {"4242.html", "Zu Hilfenummer 4242 gibt es keine Hilfeseite."},
    };
    for (const Case& c : cases) {
        HelpWindow::ShowPage(nullptr, c.page);
        EXPECT_TRUE(w->browser()->toPlainText().contains(c.text)) << c.page;
    }
    w->findField()->setText("Hilfeseite");
    EXPECT_TRUE(w->FindNext());
    EXPECT_TRUE(w->FindNext());  // round again from the top
    w->findField()->setText("Ursache A");
    EXPECT_FALSE(w->FindNext());
}

}  // namespace
}  // namespace bxr::gui
