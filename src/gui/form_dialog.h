// One dialog for every form model. Each field kind has a small wrapper that creates its
// widget, sets it from the field and reads the field back; a registry picks the wrapper by
// kind, so a new kind is one class and one registration. Tabs come from the fields' groups,
// units stand after their fields, "<" proposal and spin buttons beside the field they fill,
// OK, Cancel and help from the button roles. Enter presses OK, Escape and the close button
// reject the form; a validation message is shown and the dialog stays open.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/form_model.h"

class QAbstractButton;
class QTableView;

namespace bxr::gui {

class FieldWrapper {
  public:
    virtual ~FieldWrapper() = default;
    // press: what a widget calls to press a button of the form (a list's double click).
    virtual QWidget* Create(const FormField& field,
                            const std::function<void(const std::string&)>& press) = 0;
    virtual void SetFrom(const FormField& field) = 0;
    virtual void ReadInto(FormField& field) const = 0;
    // Whether the dialog shows the field's label in front of the widget (a check box and a
    // group box carry their own).
    virtual bool OwnLabel() const { return false; }
};

class WrapperRegistry {
  public:
    using Factory = std::function<std::unique_ptr<FieldWrapper>()>;
    void Register(FieldKind kind, Factory f) { factories_[kind] = std::move(f); }
    std::unique_ptr<FieldWrapper> Make(FieldKind kind) const;
    // Every kind of form_model.h.
    static const WrapperRegistry& Standard();

  private:
    std::map<FieldKind, Factory> factories_;
};

class FormDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FormDialog(FormModel& form, QWidget* parent = nullptr,
                        const WrapperRegistry& registry = WrapperRegistry::Standard());

    // What a click on the button does: fields read back, Press, message, close or refresh.
    void PressButton(const std::string& name);
    QWidget* FieldWidget(const std::string& name) const;
    QAbstractButton* ButtonWidget(const std::string& name) const;
    // The grid of a table form, or null.
    QTableView* Table() const { return table_; }

    void reject() override;

    // How a validation message is shown; a message box unless replaced (tests record it).
    std::function<void(const QString&)> showMessage;

  private:
    void ReadAll();
    void SyncAll();
    void SyncFields();
    void ShowMessageIfAny();
    void BuildMenus();

    FormModel& form_;
    std::vector<std::unique_ptr<FieldWrapper>> wrappers_;  // parallel to form_.fields
    std::vector<QWidget*> fieldWidgets_, labelWidgets_, unitWidgets_;
    std::map<std::string, QAbstractButton*> buttons_;
    QTableView* table_ = nullptr;
    bool closing_ = false;
    bool pressing_ = false;
};

}  // namespace bxr::gui
