#include "gui/form_dialog.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/table_window.h"
#include "gui/help_key.h"
#include "gui/qt_text.h"

namespace bxr::gui {

namespace {

using Press = std::function<void(const std::string&)>;

// A field reached by the keyboard (the dialog opening, Tab, a mnemonic) shows its text
// selected, so that typing replaces the value shown, as in every number field of the program.
class SelectOnFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        return false;
    }
};

class TextWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press& press) override {
        edit_ = new QLineEdit;
        if (f.pressOnLeave) {
            const std::string name = f.name;
            QObject::connect(edit_, &QLineEdit::editingFinished, edit_,
                             [press, name] { press(name); });
        }
        edit_->installEventFilter(new SelectOnFocus(edit_));
        if (f.maxLength > 0) edit_->setMaxLength(static_cast<int>(f.maxLength));
        const int chars = f.maxLength > 0 ? std::min<int>(static_cast<int>(f.maxLength), 40) : 24;
        edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance('0') * std::max(chars, 8) +
                               12);
        return edit_;
    }
    void SetFrom(const FormField& f) override {
        const QString t = FromOem(f.text);
        if (edit_->text() != t) edit_->setText(t);
    }
    void ReadInto(FormField& f) const override { f.text = ToOem(edit_->text()); }

  private:
    QLineEdit* edit_ = nullptr;
};

class ScrollBarWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press& press) override {
        bar_ = new QScrollBar(Qt::Horizontal);
        bar_->setRange(f.minimum, f.maximum);
        bar_->setPageStep(std::max(1, f.pageStep));
        bar_->setMinimumWidth(240);
        bar_->setValue(f.index);
        const std::string name = f.name;
        QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this, press, name] {
            if (!setting_) press(name);
        });
        return bar_;
    }
    void SetFrom(const FormField& f) override {
        setting_ = true;
        bar_->setValue(f.index);
        setting_ = false;
    }
    void ReadInto(FormField& f) const override { f.index = bar_->value(); }

  private:
    QScrollBar* bar_ = nullptr;
    bool setting_ = false;  // a value set from the form is no move of the user's
};

class MultiLineWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField&, const Press&) override {
        edit_ = new QPlainTextEdit;
        edit_->setMinimumSize(360, 90);
        return edit_;
    }
    void SetFrom(const FormField& f) override {
        const QString t = FromOem(f.text);
        if (edit_->toPlainText() != t) edit_->setPlainText(t);
    }
    void ReadInto(FormField& f) const override { f.text = ToOem(edit_->toPlainText()); }

  private:
    QPlainTextEdit* edit_ = nullptr;
};

class CheckWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press&) override {
        box_ = new QCheckBox(FromOem(f.label));
        return box_;
    }
    void SetFrom(const FormField& f) override { box_->setChecked(f.checked); }
    void ReadInto(FormField& f) const override { f.checked = box_->isChecked(); }
    bool OwnLabel() const override { return true; }

  private:
    QCheckBox* box_ = nullptr;
};

// Up to seven items as buttons in a group box, more as a list.
class RadioWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press&) override {
        auto* box = new QGroupBox(FromOem(f.label));
        auto* layout = new QVBoxLayout(box);
        if (f.items.size() > 7) {
            list_ = new QListWidget;
            for (const auto& item : f.items) list_->addItem(FromOem(item));
            list_->setMinimumHeight(120);
            layout->addWidget(list_);
            return box;
        }
        group_ = new QButtonGroup(box);
        for (std::size_t i = 0; i < f.items.size(); ++i) {
            auto* b = new QRadioButton(FromOem(f.items[i]));
            group_->addButton(b, static_cast<int>(i));
            layout->addWidget(b);
        }
        return box;
    }
    void SetFrom(const FormField& f) override {
        if (list_ != nullptr) {
            list_->setCurrentRow(f.index);
        } else if (auto* b = group_->button(f.index)) {
            b->setChecked(true);
        }
    }
    void ReadInto(FormField& f) const override {
        const int i = list_ != nullptr ? list_->currentRow() : group_->checkedId();
        if (i >= 0) f.index = i;
    }
    bool OwnLabel() const override { return true; }

  private:
    QButtonGroup* group_ = nullptr;
    QListWidget* list_ = nullptr;
};

class ChoiceWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press&) override {
        combo_ = new QComboBox;
        for (const auto& item : f.items) combo_->addItem(FromOem(item));
        return combo_;
    }
    void SetFrom(const FormField& f) override {
        if (combo_->count() != static_cast<int>(f.items.size())) {
            combo_->clear();
            for (const auto& item : f.items) combo_->addItem(FromOem(item));
        }
        combo_->setCurrentIndex(f.index);
    }
    void ReadInto(FormField& f) const override {
        if (combo_->currentIndex() >= 0) f.index = combo_->currentIndex();
    }

  private:
    QComboBox* combo_ = nullptr;
};

class LabelWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField&, const Press&) override {
        label_ = new QLabel;
        label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label_->setWordWrap(true);
        return label_;
    }
    void SetFrom(const FormField& f) override {
        label_->setText(FromOem(f.text.empty() ? f.label : f.text));
    }
    void ReadInto(FormField&) const override {}
    bool OwnLabel() const override { return true; }

  private:
    QLabel* label_ = nullptr;
};

class ListWrapper : public FieldWrapper {
  public:
    QWidget* Create(const FormField& f, const Press& press) override {
        list_ = new QListWidget;
        // Wide enough for a whole line of the list editors (65 characters).
        list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(66, '0')) + 24, 200);
        const std::string activate = f.activate;
        // Only the double click: Enter in the list is the dialog's OK, as everywhere else.
        if (!activate.empty())
            QObject::connect(list_, &QListWidget::itemDoubleClicked, list_,
                             [press, activate](QListWidgetItem*) { press(activate); });
        return list_;
    }
    void SetFrom(const FormField& f) override {
        bool same = list_->count() == static_cast<int>(f.items.size());
        for (int i = 0; same && i < list_->count(); ++i)
            same = list_->item(i)->text() == FromOem(f.items[static_cast<std::size_t>(i)]);
        if (!same) {
            list_->clear();
            for (const auto& item : f.items) list_->addItem(FromOem(item));
        }
        list_->setCurrentRow(f.index);
    }
    void ReadInto(FormField& f) const override { f.index = list_->currentRow(); }

  private:
    QListWidget* list_ = nullptr;
};

// A table form's rows over its grid (rows and columns from 1 there, from 0 here).
class GridModel : public QAbstractTableModel {
  public:
    GridModel(FormModel& form, QObject* parent) : QAbstractTableModel(parent), form_(form) {}
    int rowCount(const QModelIndex& = {}) const override {
        return form_.Grid() ? form_.Grid()->RowCount() : 0;
    }
    int columnCount(const QModelIndex& = {}) const override {
        return form_.Grid() ? form_.Grid()->ColumnCount() : 0;
    }
    QVariant data(const QModelIndex& i, int role) const override {
        FormGrid* g = form_.Grid();
        if (g == nullptr) return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return FromOem(g->Cell(i.row() + 1, i.column() + 1));
        if (role == Qt::ForegroundRole && g->RowDeleted(i.row() + 1)) return QColor(Qt::gray);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole || o != Qt::Horizontal || form_.Grid() == nullptr)
            return QAbstractTableModel::headerData(section, o, role);
        return FromOem(form_.Grid()->ColumnTitle(section + 1));
    }
    bool setData(const QModelIndex& i, const QVariant& v, int role) override {
        FormGrid* g = form_.Grid();
        if (g == nullptr || role != Qt::EditRole) return false;
        const bool ok = g->EditCell(i.row() + 1, i.column() + 1, ToOem(v.toString()));
        emit dataChanged(i, i);
        return ok;
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(i);
        auto* t = dynamic_cast<TableWindow*>(&form_);
        const bool editable = form_.Grid() == nullptr || form_.Grid()->Editable();
        if (editable && (t == nullptr || !t->PickMode())) f |= Qt::ItemIsEditable;
        return f;
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

  private:
    FormModel& form_;
};

// A button without a caption: the navigator's symbols, else the end of its name.
QString CaptionOf(const FormButton& b) {
    if (!b.caption.empty()) return FromOem(b.caption);
    static const std::map<std::string, QString> symbols = {
        {"nav_first", "|◀"}, {"nav_prior", "◀"},  {"nav_next", "▶"}, {"nav_last", "▶|"},
        {"nav_insert", "+"}, {"nav_delete", "−"}, {"nav_edit", "✎"}, {"nav_post", "✓"},
        {"nav_cancel", "✗"}, {"nav_refresh", "⟳"}};
    if (auto it = symbols.find(b.name); it != symbols.end()) return it->second;
    const auto cut = b.name.rfind('_');
    return QString::fromStdString(cut == std::string::npos ? b.name : b.name.substr(cut + 1));
}

bool IsNavigator(const FormButton& b) {
    return b.kind == ButtonKind::kNavigator || b.name.rfind("nav_", 0) == 0;
}

bool IsDialogRole(const FormButton& b) {
    return b.role == ButtonRole::kOk || b.role == ButtonRole::kCancel ||
           b.role == ButtonRole::kHelp;
}

}  // namespace

std::unique_ptr<FieldWrapper> WrapperRegistry::Make(FieldKind kind) const {
    auto f = factories_.find(kind);
    if (f == factories_.end()) return std::make_unique<TextWrapper>();
    return f->second();
}

const WrapperRegistry& WrapperRegistry::Standard() {
    static const WrapperRegistry registry = [] {
        WrapperRegistry r;
        r.Register(FieldKind::kText, [] { return std::make_unique<TextWrapper>(); });
        r.Register(FieldKind::kMultiLine, [] { return std::make_unique<MultiLineWrapper>(); });
        r.Register(FieldKind::kCheckBox, [] { return std::make_unique<CheckWrapper>(); });
        r.Register(FieldKind::kRadioGroup, [] { return std::make_unique<RadioWrapper>(); });
        r.Register(FieldKind::kChoice, [] { return std::make_unique<ChoiceWrapper>(); });
        r.Register(FieldKind::kLabel, [] { return std::make_unique<LabelWrapper>(); });
        r.Register(FieldKind::kList, [] { return std::make_unique<ListWrapper>(); });
        r.Register(FieldKind::kScrollBar, [] { return std::make_unique<ScrollBarWrapper>(); });
        return r;
    }();
    return registry;
}

FormDialog::FormDialog(FormModel& form, QWidget* parent, const WrapperRegistry& registry)
    : QDialog(parent), form_(form) {
    setWindowTitle(FromOem(form.caption));
    auto* outer = new QVBoxLayout(this);
    const Press press = [this](const std::string& name) { PressButton(name); };

    // Pages: one per group in order of appearance; fields without a group above them.
    std::vector<std::string> groups;
    for (const auto& f : form.fields)
        if (!f.group.empty() && std::find(groups.begin(), groups.end(), f.group) == groups.end())
            groups.push_back(f.group);
    auto* top = new QGridLayout;
    // A long form without pages scrolls instead of growing past the screen.
    std::size_t ungrouped = 0;
    for (const auto& f : form.fields) ungrouped += f.group.empty() ? 1 : 0;
    if (ungrouped > 16) {
        auto* scroll = new QScrollArea;
        auto* inner = new QWidget;
        inner->setLayout(top);
        scroll->setWidget(inner);
        scroll->setWidgetResizable(true);
        scroll->setMinimumSize(560, 420);
        outer->addWidget(scroll, 1);
    } else {
        outer->addLayout(top);
    }
    std::map<std::string, QGridLayout*> pages;
    if (groups.size() == 1) {
        auto* box = new QGroupBox(FromOem(groups[0]));
        pages[groups[0]] = new QGridLayout(box);
        outer->addWidget(box);
    } else if (groups.size() > 1) {
        auto* tabs = new QTabWidget;
        for (const auto& g : groups) {
            // A long page scrolls, so that the dialog's buttons stay on the screen.
            auto* page = new QWidget;
            auto* v = new QVBoxLayout(page);
            auto* grid = new QGridLayout;
            v->addLayout(grid);
            v->addStretch(1);
            pages[g] = grid;
            auto* scroll = new QScrollArea;
            scroll->setWidget(page);
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setMinimumSize(620, 440);
            tabs->addTab(scroll, FromOem(g));
        }
        outer->addWidget(tabs, 1);
    }

    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        const FormField& f = form.fields[i];
        auto wrapper = registry.Make(f.kind);
        QWidget* w = wrapper->Create(f, press);
        w->setObjectName(QString::fromStdString(f.name));
        QGridLayout* grid = f.group.empty() ? top : pages[f.group];
        const int row = grid->rowCount();
        QLabel* label = nullptr;
        if (!wrapper->OwnLabel() && !f.label.empty()) {
            label = new QLabel(FromOem(f.label));
            label->setBuddy(w);
            grid->addWidget(label, row, 0);
            grid->addWidget(w, row, 1);
        } else {
            grid->addWidget(w, row, 0, 1, 2);
        }
        QLabel* unit = nullptr;
        auto* extras = new QHBoxLayout;
        if (!f.unit.empty()) {
            unit = new QLabel(FromOem(f.unit));
            extras->addWidget(unit);
        }
        for (const auto& b : form.buttons) {
            if (b.target != f.name) continue;
            if (b.kind != ButtonKind::kProposal && b.kind != ButtonKind::kSpinUp &&
                b.kind != ButtonKind::kSpinDown)
                continue;
            auto* tb = new QToolButton;
            tb->setText(b.kind == ButtonKind::kSpinUp     ? QString("▲")
                        : b.kind == ButtonKind::kSpinDown ? QString("▼")
                                                          : FromOem(b.caption));
            tb->setObjectName(QString::fromStdString(b.name));
            // Tab goes down the fields; the buttons beside a field are for the mouse.
            tb->setFocusPolicy(Qt::ClickFocus);
            const std::string name = b.name;
            connect(tb, &QToolButton::clicked, this, [this, name] { PressButton(name); });
            buttons_[b.name] = tb;
            extras->addWidget(tb);
        }
        extras->addStretch(1);
        grid->addLayout(extras, row, 2);
        fieldWidgets_.push_back(w);
        labelWidgets_.push_back(label);
        unitWidgets_.push_back(unit);
        wrappers_.push_back(std::move(wrapper));
    }

    if (form.Grid() != nullptr) {
        table_ = new QTableView;
        table_->setObjectName("grid");
        auto* model = new GridModel(form, table_);
        table_->setModel(model);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->horizontalHeader()->setSectionsClickable(true);
        table_->setMinimumSize(640, 320);
        table_->setWordWrap(false);
        table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
        const int charWidth = table_->fontMetrics().horizontalAdvance('0');
        for (int c = 1; c <= form.Grid()->ColumnCount(); ++c)
            table_->setColumnWidth(c - 1,
                                   std::clamp(form.Grid()->ColumnWidth(c), 4, 30) * charWidth + 16);
        connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& i) {
                    if (auto* g = form_.Grid()) g->ClickCell(i.row() + 1, i.column() + 1);
                    SyncFields();
                });
        if (!form.Grid()->Editable())
            if (const FormButton* ok = form.ButtonWithRole(ButtonRole::kOk))
                connect(table_, &QTableView::doubleClicked, this,
                        [this, name = ok->name](const QModelIndex&) { PressButton(name); });
        connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, model](int c) {
                    if (auto* g = form_.Grid()) g->ClickColumnTitle(c + 1);
                    model->Reset();
                    ShowMessageIfAny();
                });
        outer->addWidget(table_, 1);
    }

    // Navigator, push and spin buttons without a field, then the dialog's own buttons.
    auto* nav = new QHBoxLayout;
    // Many plain buttons wrap into rows of eight.
    auto* row = new QGridLayout;
    int plain = 0;
    auto* roles = new QHBoxLayout;
    roles->addStretch(1);
    for (const auto& b : form.buttons) {
        if (buttons_.count(b.name) != 0 || b.kind == ButtonKind::kMenuItem) continue;
        auto* pb = new QPushButton(b.kind == ButtonKind::kSpinUp     ? QString("▲")
                                   : b.kind == ButtonKind::kSpinDown ? QString("▼")
                                                                     : CaptionOf(b));
        pb->setObjectName(QString::fromStdString(b.name));
        pb->setAutoDefault(false);
        const std::string name = b.name;
        connect(pb, &QPushButton::clicked, this, [this, name] { PressButton(name); });
        buttons_[b.name] = pb;
        if (IsNavigator(b))
            nav->addWidget(pb);
        else if (IsDialogRole(b))
            roles->addWidget(pb);
        else {
            row->addWidget(pb, plain / 8, plain % 8);
            ++plain;
        }
        if (b.role == ButtonRole::kOk) pb->setDefault(true);
    }
    nav->addStretch(1);
    outer->addLayout(nav);
    outer->addLayout(row);
    outer->addLayout(roles);
    BuildMenus();
    SyncAll();
}

void FormDialog::BuildMenus() {
    QMenuBar* bar = nullptr;
    std::map<std::string, QMenu*> menus;
    for (const auto& b : form_.buttons) {
        if (b.kind != ButtonKind::kMenuItem) continue;
        if (bar == nullptr) {
            bar = new QMenuBar(this);
            layout()->setMenuBar(bar);
        }
        QMenu*& m = menus[b.menu];
        if (m == nullptr) m = bar->addMenu(FromOem(b.menu));
        QAction* a = m->addAction(FromOem(b.caption));
        a->setObjectName(QString::fromStdString(b.name));
        const std::string name = b.name;
        connect(a, &QAction::triggered, this, [this, name] { PressButton(name); });
    }
}

void FormDialog::ReadAll() {
    for (std::size_t i = 0; i < wrappers_.size(); ++i) wrappers_[i]->ReadInto(form_.fields[i]);
}

void FormDialog::SyncFields() {
    for (std::size_t i = 0; i < wrappers_.size(); ++i) {
        const FormField& f = form_.fields[i];
        wrappers_[i]->SetFrom(f);
        fieldWidgets_[i]->setEnabled(f.enabled);
        fieldWidgets_[i]->setVisible(f.visible);
        if (labelWidgets_[i]) labelWidgets_[i]->setVisible(f.visible);
        if (unitWidgets_[i]) unitWidgets_[i]->setVisible(f.visible);
    }
    for (const auto& b : form_.buttons) {
        auto it = buttons_.find(b.name);
        if (it == buttons_.end()) continue;
        it->second->setEnabled(b.enabled);
        it->second->setVisible(b.visible);
    }
}

void FormDialog::SyncAll() {
    SyncFields();
    if (table_ != nullptr) {
        static_cast<GridModel*>(table_->model())->Reset();
        const int current = form_.Grid() ? form_.Grid()->CurrentRow() - 1 : -1;
        if (current >= 0) table_->selectRow(current);
    }
}

void FormDialog::ShowMessageIfAny() {
    if (form_.message.empty()) return;
    if (showMessage)
        showMessage(FromOem(form_.message));
    else
        QMessageBox::warning(this, windowTitle(), FromOem(form_.message));
    form_.message.clear();
}

void FormDialog::PressButton(const std::string& name) {
    if (closing_ || pressing_) return;  // a press that calculates lets events through
    ReadAll();
    pressing_ = true;
    const bool closes = form_.Press(name);
    pressing_ = false;
    // A help button shows its topic unless the form answered with a message of its own.
    const FormButton* b = form_.HasButton(name) ? form_.Button(name) : nullptr;
    if (!closes && b != nullptr && b->role == ButtonRole::kHelp && form_.message.empty()) {
        if (!b->helpPage.empty())
            ShowHelpPage(this, b->helpPage);
        else
            ShowHelpTopic(this, b->help != 0 ? b->help : form_.help, b->picture);
    }
    ShowMessageIfAny();
    if (closes || form_.Closed()) {
        closing_ = true;
        done(form_.Accepted() ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    SyncAll();
}

void FormDialog::reject() {
    if (closing_) {
        QDialog::reject();
        return;
    }
    closing_ = true;
    form_.Reject();
    QDialog::reject();
}

QWidget* FormDialog::FieldWidget(const std::string& name) const {
    for (std::size_t i = 0; i < form_.fields.size(); ++i)
        if (form_.fields[i].name == name) return fieldWidgets_[i];
    return nullptr;
}

QAbstractButton* FormDialog::ButtonWidget(const std::string& name) const {
    auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace bxr::gui
