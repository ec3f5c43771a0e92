#include "platform/null_ui.h"

#include "platform/form_model.h"

namespace bxr {

NullUi& NullUi::Shared() {
    static NullUi shared;
    return shared;
}

void NullUi::RunForm(FormModel& form) {
    form.Reject();
}

}  // namespace bxr
