// The notch-zone dialog (TForm_wqzKerb): one zone of the model at a time, its three notch
// factors, its limits x1 and x2 in the current length unit and its label. Proposal buttons
// fill the factors for common shaft-hub connections from the material's tensile strength Rm.
// OK stores the shown zone; the spin buttons store it and move to the neighbouring zone;
// Cancel stores nothing (zones stored by the spin buttons stay) and sets the stop flag.
#pragma once

#include <string>

#include "format/output_settings.h"
#include "model/beam_model.h"
#include "app/record_form.h"

namespace bxr {

struct Workspace;

// Proposed notch factors as the dialog writes them into its three fields.
struct NotchFactorTexts {
    std::string betaK, betaKb, betaKt;
};

enum class NotchProposal {
    FeatherKey,      // "Paßfeder"
    WoodruffKey,     // "Scheibenfeder"
    PressFit,        // "Preßverband"
    InvoluteSpline,  // "Evolventenverzahnung"
    SerratedSpline,  // "Kerbverzahnung"
};

// The factors proposed for a connection at tensile strength rm [N/mm²]; the key and press-fit
// rules need rm > 0 (the caller reports "No material data !" otherwise), the two spline
// tables do not. Numbers use the decimal separator of the settings.
NotchFactorTexts ProposeNotchFactors(NotchProposal kind, Real rm, const OutputSettings& s);
// True when the proposal depends on the material's strength.
bool ProposalNeedsRm(NotchProposal kind);

class NotchZoneDialog : public RecordForm {
  public:
    // zone: 1-based number of the zone shown first (limited to the list's capacity).
    NotchZoneDialog(Workspace& ws, int zone);

    int Zone() const { return zone_; }

    static constexpr int kHelpNumber = 9600;

  private:
    void Show() override;
    bool ReadShown() override;
    void PutShown() override;
    void Step(int delta) override { MoveTo(zone_ + delta); }
    std::string ProposedLabel() const override;
    // The proposal buttons of the notch factors.
    bool PressOwn(const std::string& buttonName) override;
    // The typed fields into `into`, in model units; false with the message set when a number
    // does not parse. A field left as shown keeps the stored value exactly.
    bool ReadFields(NotchZone& into);
    void MoveTo(int zone);
    int LastZone() const;

    int zone_;
    NotchZone shown_;
    // The texts as last shown, to tell typed fields from untouched ones.
    std::string shownBetaK_, shownBetaKb_, shownBetaKt_, shownX1_, shownX2_;
};

// Opens the dialog for zone `zone` through the workspace's Ui. True when it closed with OK;
// otherwise the stop flag is set (the notch-zone input then ends).
bool EditNotchZone(Workspace& ws, int zone);

}  // namespace bxr
