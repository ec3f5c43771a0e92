// The beam input through the real dialogs: each input runs as in the window (QtUi, modal
// dialogs), the keys are typed into whatever dialog is open, and the model is read afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <numbers>

#include "app/beam_input.h"
#include "app/edit_session.h"
#include "gui/help_window.h"
#include "gui/qt_ui.h"
#include "platform/null_ui.h"
#include "support/memory_file_system.h"
#include "workspace/workspace.h"

namespace bxr::gui {
namespace {

using Step = std::function<void(QWidget& dialog)>;

// Plays one step on each modal dialog as it opens, in order; a dialog left open after its
// step (or more dialogs than steps) is closed with Escape and counted as unexpected.
class DialogDriver {
  public:
    explicit DialogDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    std::size_t played() const { return next_; }
    int unexpected() const { return unexpected_; }

  private:
    void Poll() {
        QWidget* d = QApplication::activeModalWidget();
        if (d == nullptr || !d->isVisible()) return;
        if (d->property("driven").toBool()) {
            // Still open after its step: a step that meant to close it did not.
            if (++stale_ > 200) {
                ++unexpected_;
                QTest::keyClick(d, Qt::Key_Escape);
                stale_ = 0;
            }
            return;
        }
        d->setProperty("driven", true);
        stale_ = 0;
        if (next_ >= steps_.size()) {
            ++unexpected_;
            QTest::keyClick(d, Qt::Key_Escape);
            return;
        }
        d->activateWindow();
        // The dialog takes the keyboard first, as it does for a user: its first field has the
        // focus (and its text selected) before a key is typed.
        if (!QTest::qWaitForWindowActive(d, 2000)) ADD_FAILURE() << "the dialog never became active";
        QApplication::processEvents();
        // The step runs on its own, so that a dialog it opens is driven while it waits.
        QPointer<QWidget> dialog(d);
        QTimer::singleShot(0, d, [this, dialog, step = next_++] {
            if (dialog) steps_[step](*dialog);
        });
    }
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int unexpected_ = 0;
    int stale_ = 0;
    QTimer timer_;
};

QWidget* Focused(QWidget& d) {
    QWidget* f = d.focusWidget();
    return f != nullptr ? f : &d;
}

// Keys as a user types them: into the field that has the focus (its text selected when the
// keyboard got there, so typing replaces it), Tab to the next one.
void Type(QWidget& d, const QString& text) {
    QApplication::processEvents();
    QTest::keyClicks(Focused(d), text);
}
void Key(QWidget& d, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused(d), key, mods);
}
// Each text in its field down the dialog, then Enter.
void FillAndConfirm(QWidget& d, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        if (i > 0) Key(d, Qt::Key_Tab);
        Type(d, texts[i]);
    }
    Key(d, Qt::Key_Return);
}
QListWidget* ListOf(QWidget& d) {
    auto* list = d.findChild<QListWidget*>();
    if (list == nullptr) ADD_FAILURE() << "a list dialog was expected, not " << d.metaObject()->className();
    return list;
}
QString FocusedName(QWidget& d) {
    return Focused(d)->objectName();
}

struct InputFixture : ::testing::Test {
    InputFixture() : ui(nullptr) { ws.ui = &ui; }
    ~InputFixture() override { ws.ui = &NullUi::Shared(); }
    Workspace ws;
    QtUi ui;
    test::MemoryFileSystem fs;
    ListSelections last;
};

TEST_F(InputFixture, text_dialog_takes_the_five_lines_down_the_fields_and_enter_confirms) {
    QStringList order;
    DialogDriver driver({[&](QWidget& d) {
        for (int i = 0; i < 5; ++i) {
            order << FocusedName(d);
            Type(d, QString("Zeile %1 ").arg(i + 1) + QString(40, 'x'));
            Key(d, Qt::Key_Tab);
        }
        Key(d, Qt::Key_Return);
    }});
    ASSERT_TRUE(InputTexts(ws));
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_EQ(order, (QStringList{"Edit_zeichname", "Edit_zeichname2", "Edit_zeichnr",
                                  "Edit_bemerk1", "Edit_bemerk2"}));
    // Each field takes no more than its model text holds.
    EXPECT_EQ(ws.model.drawingName, ("Zeile 1 " + std::string(40, 'x')).substr(0, kDrawingNameLength));
    EXPECT_EQ(ws.model.drawingNumber.size(), kDrawingNumberLength);
    EXPECT_EQ(ws.model.headerLines[3].substr(0, 8), "Zeile 5 ");
    EXPECT_FALSE(ws.abortFlag);
}

TEST_F(InputFixture, escape_in_the_text_dialog_keeps_the_texts_and_stops_the_input) {
    ws.model.drawingName = "Welle";
    DialogDriver driver({[&](QWidget& d) {
        Type(d, "anders");
        Key(d, Qt::Key_Escape);
    }});
    EXPECT_FALSE(InputTexts(ws));
    EXPECT_EQ(ws.model.drawingName, "Welle");
    EXPECT_TRUE(ws.abortFlag);
}

// F1 in the length prompt opens its help page over it; the typed length is then stored.
TEST_F(InputFixture, length_prompt_shows_its_help_topic_on_f1_and_takes_the_typed_length) {
    QString help;
    DialogDriver driver({
        [](QWidget& prompt) {
            Key(prompt, Qt::Key_F1);
            // The help window is modal over the prompt until it is closed.
            (void)QTest::qWaitFor([] { return !HelpWindow::Current() || !HelpWindow::Current()->isVisible(); });
            Type(prompt, "400");
            Key(prompt, Qt::Key_Return);
        },
        [&](QWidget& window) {
            if (auto* w = qobject_cast<HelpWindow*>(&window))
                help = QFileInfo(w->browser()->source().toLocalFile()).fileName();
            Key(window, Qt::Key_Escape);
        },
    });
    EXPECT_TRUE(InputLength(ws));
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_EQ(help, "5270.html");
    delete HelpWindow::Current();  // closed, but its deletion may still wait in the queue
    EXPECT_EQ(ws.model.length, 400);
}

// The point-force list: the entry chosen last comes preselected, Alt+N opens a new entry, its
// fields are typed in order, Enter stores it; Alt+Ä changes the selected line;
// Escape in the entry dialog ends the editor and keeps what was stored.
TEST_F(InputFixture, choice_shows_up_to_seven_radio_buttons_and_a_bad_preselection_means_one) {
    struct Case {
        int count, preselected;
        int radios;  // 0: a list
        int chosen;  // by Enter alone
    };
    const Case cases[] = {
        {3, 2, 3, 2}, {3, 0, 3, 1}, {7, 9, 7, 1}, {8, 8, 0, 8}, {8, 12, 0, 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> items;
        for (int i = 1; i <= c.count; ++i) items.push_back("Wahl " + std::to_string(i));
        int radios = -1;
        DialogDriver driver({[&](QWidget& d) {
            radios = static_cast<int>(d.findChildren<QRadioButton*>().size());
            Key(d, Qt::Key_Return);
        }});
        EXPECT_EQ(ui.Choose("Lagerungsart", items, c.preselected), c.chosen) << c.count;
        EXPECT_EQ(radios, c.radios) << c.count;
        EXPECT_EQ(driver.unexpected(), 0);
    }
}

TEST_F(InputFixture, point_force_list_new_and_change_by_keyboard) {
    ws.model.pointLoads[1] = {1000, 100, 0, "F 1"};
    ws.model.pointLoads[2] = {2000, 200, 90, "F 2"};
    ws.model.pointLoadCount = 2;
    last.pointLoads = 2;
    int preselected = -1, linesAfterNew = 0;
    QStringList fieldOrder;
    DialogDriver driver({
        [&](QWidget& list) {
            auto* box = ListOf(list);
            if (box == nullptr) return;
            preselected = box->currentRow();
            QTest::keyClick(&list, Qt::Key_N, Qt::AltModifier);
        },
        [&](QWidget& entry) {
            for (int i = 0; i < 4; ++i) {
                fieldOrder << FocusedName(entry);
                Type(entry, QStringList{"-3500", "275.5", "45", "Zahnrad"}[i]);
                Key(entry, Qt::Key_Tab);
            }
            Key(entry, Qt::Key_Return);
        },
        [&](QWidget& list) {
            auto* box = ListOf(list);
            if (box == nullptr) return;
            linesAfterNew = box->count();
            box->setCurrentRow(0);
            QTest::keyClick(&list, Qt::Key_Adiaeresis, Qt::AltModifier);  // "&Ändern" of line 1
        },
        [&](QWidget& entry) { FillAndConfirm(entry, {"1500"}); },
        [&](QWidget& list) { QTest::keyClick(&list, Qt::Key_N, Qt::AltModifier); },
        [&](QWidget& entry) {
            Type(entry, "9999");
            Key(entry, Qt::Key_Escape);
        },
    });
    EXPECT_FALSE(InputLoads(ws, fs, last, kPointForces));  // ended by Escape
    EXPECT_EQ(driver.played(), 6u);
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_EQ(preselected, 1);
    EXPECT_EQ(linesAfterNew, 3);
    EXPECT_EQ(fieldOrder, (QStringList{"Edit_f", "Edit_x", "Edit_w", "Edit_label"}));
    EXPECT_EQ(ws.model.pointLoadCount, 3);
    EXPECT_EQ(ws.model.pointLoads[1].f, 1500);
    EXPECT_EQ(ws.model.pointLoads[1].x, 100);
    const PointLoad& added = ws.model.pointLoads[3];
    EXPECT_EQ(added.f, -3500);
    EXPECT_EQ(added.x, 275.5L);
    EXPECT_EQ(added.angle, 45);
    EXPECT_EQ(added.label, "Zahnrad");
}

// A round bar of radius 22.5 typed as two half circles: the arc angles typed in degrees are
// stored in radians, and the list's OK computes the section from them.
TEST_F(InputFixture, contour_points_typed_as_arcs_give_the_round_section) {
    ws.model.contour[1] = {0, 22.5L, std::numbers::pi_v<Real>};
    ws.model.contourCount = 1;
    const auto newPoint = [](QWidget& list) {
        QTest::keyClick(&list, Qt::Key_N, Qt::AltModifier);
    };
    DialogDriver driver({
        newPoint,
        [](QWidget& point) { FillAndConfirm(point, {"0", "-22.5", "180"}); },
        newPoint,
        [](QWidget& point) { FillAndConfirm(point, {"0", "22.5", "0"}); },
        [](QWidget& list) { Key(list, Qt::Key_Return); },  // Enter in the list is OK
    });
    int lastContour = 0;
    EXPECT_TRUE(InputContour(ws, fs, lastContour));
    EXPECT_EQ(driver.unexpected(), 0);
    ASSERT_EQ(ws.model.contourCount, 3);
    EXPECT_EQ(ws.model.contour[2].z, -22.5L);
    EXPECT_NEAR(static_cast<double>(ws.model.contour[2].arcAngle), std::numbers::pi, 1e-15);
    EXPECT_EQ(ws.model.contour[3].arcAngle, 0);
    // The arcs become chords of 5°: the regular 72-gon inscribed in the circle.
    const double r = 22.5, n = 72, t = 2 * std::numbers::pi / n;
    EXPECT_NEAR(static_cast<double>(ws.section.props.A), n / 2 * r * r * std::sin(t), 1e-6);
    EXPECT_NEAR(static_cast<double>(ws.section.props.Iy),
                n / 24 * r * r * r * r * std::sin(t) * (2 + std::cos(t)), 1e-3);
}

}  // namespace
}  // namespace bxr::gui
