#include "model/documentation.h"

namespace bxr {

void InitialiseDocumentation(ProjectDocumentation& doc, const OemString& today) {
    doc = ProjectDocumentation{};
    const OemString date = CutText(today, kSignOffLength);
    doc.drawing.drawn.date = date;
    doc.drawing.checked.date = date;
    doc.drawing.standardsCheck.date = date;
}

void ResetDocumentationForNew(ProjectDocumentation& doc, const OemString& today) {
    doc.changeCount = 0;
    DrawingData& d = doc.drawing;
    d.replacementFor.clear();
    d.replacedBy.clear();
    d.drawn = SignOff{CutText(today, kSignOffLength), ""};
    d.checked = SignOff{};
    d.standardsCheck = SignOff{};
    d.release = SignOff{};
}

}  // namespace bxr
