// The interactive input of the beam: the texts, the length, the supports, the four load
// lists, the cross-section contour point by point and the notch zones. Every input works in
// the display unit system and stores model units. Each returns true when it ended without
// the abort flag; what was entered before a Cancel stays.
#pragma once

#include <string>

#include "format/output_settings.h"
#include "model/beam_model.h"
#include "platform/form_model.h"

namespace bxr {

struct Workspace;
struct ListSelections;
class FileSystem;

// The text dialog (TEingabetext1): drawing name, second name line, drawing number and the
// two free header lines. OK stores them cut to their lengths and composes header line 1.
class TextDialog : public FormModel {
  public:
    TextDialog(BeamModel& model, bool& abortFlag);
    bool Press(const std::string& buttonName) override;

  private:
    BeamModel& model_;
    bool& abortFlag_;
};

bool InputTexts(Workspace& ws);
// "Länge des Trägers", 0 to 1000000 mm, in inches while the inch system is active.
bool InputLength(Workspace& ws);
// The support type, its positions and, for the bearing pair, arrangement, contact angles and
// raceway diameters; then the input check.
bool InputSupports(Workspace& ws);

enum LoadKind { kChooseLoadKind = 0, kPointForces = 1, kDistributedLoads, kMoments, kAxialForces };
// Kind 1 to 4 opens that list editor; kind 0 asks "Belastungsart eingeben" first and again
// after each editor, until "zurück .." or Cancel.
bool InputLoads(Workspace& ws, FileSystem& fs, ListSelections& last, int kind);
// The contour editor "Eingabe der Positionen" with "Transform.".
bool InputContour(Workspace& ws, FileSystem& fs, int& lastSelected);
// The notch-zone list; each zone in the notch-zone dialog.
bool InputNotchZones(Workspace& ws, FileSystem& fs, int& lastSelected);
// The shaft sections, each in the entry dialog, with "Lücken füllen".
bool InputShaftSections(Workspace& ws, FileSystem& fs, int& lastSelected);
// "Transform.": rotation, shifts, scales, mirror and reversal asked and applied to the
// contour, then the section recomputed and shown (its messages when it failed).
bool TransformContourInput(Workspace& ws, FileSystem& fs);

// The display lines of the list editors (before they are cut to 65 characters).
std::string PointLoadLine(const OutputSettings& s, int i, const PointLoad& p);
std::string DistributedLoadLine(const OutputSettings& s, int i, const DistributedLoad& q);
std::string MomentLoadLine(const OutputSettings& s, int i, const MomentLoad& m);
std::string AxialLoadLine(const OutputSettings& s, int i, const AxialLoad& a);
std::string ContourPointLine(const OutputSettings& s, int i, const ContourPoint& p);
std::string NotchZoneLine(const OutputSettings& s, int i, const NotchZone& z);

}  // namespace bxr
