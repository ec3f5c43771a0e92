#include "gui/qt_ui.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/form_dialog.h"
#include "gui/help_key.h"
#include "gui/qt_text.h"
#include "platform/form_model.h"

namespace bxr::gui {

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << parts[i] + " (" + patterns + ")";
    }
    if (parts.size() == 1) out << parts[0] + " (" + parts[0] + ")";
    return out.join(";;");
}

std::optional<int> QtUi::Choose(const std::string& title, const std::vector<std::string>& items,
                                int preselected) {
    QDialog d(parent_);
    Prompting(d);
    d.setWindowTitle("BXR");
    auto* layout = new QVBoxLayout(&d);
    QString heading = FromOem(title);
    const bool table = heading.contains('\t');
    auto* label = new QLabel(table ? QString() : heading);
    label->setWordWrap(true);
    if (!table) layout->addWidget(label);
    const int count = static_cast<int>(items.size());
    // A preselection outside the items means the first one.
    const int current = preselected >= 1 && preselected <= count ? preselected - 1 : 0;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    // Up to seven choices stand as radio buttons; more, and the rows of a table, as a list.
    if (!table && count <= kMaxRadioChoices) {
        auto* group = new QButtonGroup(&d);
        for (int i = 0; i < count; ++i) {
            auto* radio = new QRadioButton(FromOem(items[static_cast<std::size_t>(i)]));
            group->addButton(radio, i);
            layout->addWidget(radio);
        }
        layout->addWidget(buttons);
        if (QAbstractButton* b = group->button(current)) {
            b->setChecked(true);
            b->setFocus();
        }
        if (d.exec() != QDialog::Accepted || group->checkedId() < 0) return std::nullopt;
        return group->checkedId() + 1;
    }
    auto* list = new QListWidget;
    if (table) {
        QFont fixed("Monospace");
        fixed.setStyleHint(QFont::TypeWriter);
        list->setFont(fixed);
        layout->addWidget(new QLabel(heading.replace('\t', "  |  ")));
    }
    for (const auto& item : items) list->addItem(FromOem(item).replace('\t', "  |  "));
    if (count > 0) list->setCurrentRow(current);
    list->setMinimumWidth(std::min(900, list->sizeHintForColumn(0) + 40));
    list->setFixedHeight(std::min(480, list->sizeHintForRow(0) * (count + 1) + 8));
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    QObject::connect(list, &QListWidget::itemActivated, &d, &QDialog::accept);
    if (d.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return list->currentRow() + 1;
}

std::optional<std::string> QtUi::AskText(const std::string& prompt, const std::string& current) {
    QInputDialog d(parent_);
    Prompting(d);
    d.setWindowTitle("BXR");
    d.setInputMode(QInputDialog::TextInput);
    d.setLabelText(FromOem(prompt));
    d.setTextValue(FromOem(current));
    d.setCancelButtonText("Abbrechen");
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return ToOem(d.textValue());
}

std::optional<bool> QtUi::AskYesNo(const std::string& question) {
    QMessageBox box(QMessageBox::Question, "BXR", FromOem(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    Prompting(box);
    box.button(QMessageBox::Yes)->setText("&Ja");
    box.button(QMessageBox::No)->setText("&Nein");
    box.button(QMessageBox::Cancel)->setText("Abbrechen");
    const int r = box.exec();
    if (r == QMessageBox::Yes) return true;
    if (r == QMessageBox::No) return false;
    return std::nullopt;
}

std::optional<std::string> QtUi::ChooseFileToOpen(const std::string& filter,
                                                  const std::string& folder) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, "Öffnen", FromOem(folder), QtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return ToOem(path);
}

std::optional<std::string> QtUi::ChooseFileToSave(const std::string& filter,
                                                  const std::string& folder,
                                                  const std::string& proposedName) {
    QString start = FromOem(folder);
    if (!proposedName.empty())
        start = start.isEmpty() ? FromOem(proposedName) : start + "/" + FromOem(proposedName);
    // The program asks about overwriting itself.
    const QString path =
        QFileDialog::getSaveFileName(parent_, "Speichern unter", start, QtFileFilter(filter),
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return ToOem(path);
}

void QtUi::ShowMessage(const std::string& text) {
    if (beforePrompt) beforePrompt();
    QMessageBox::information(parent_, "BXR", FromOem(text));
}

bool QtUi::ShowHelp(const std::string& page) {
    ShowHelpPage(parent_, page);
    return true;
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::RunForm(FormModel& form) {
    FormDialog dialog(form, parent_);
    Prompting(dialog, form.help);
    dialog.exec();
    if (!form.Closed()) form.Reject();
}

}  // namespace bxr::gui
