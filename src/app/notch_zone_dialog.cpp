#include "app/notch_zone_dialog.h"

#include <algorithm>
#include <cmath>

#include "app/real_prompt.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "format/units.h"
#include "platform/ui.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

Real Limited(Real v, Real lo, Real hi) {
    return std::min(std::max(v, lo), hi);
}

// Hundredths, halves up. The nudge keeps a decimal half such as 1.755 (held a little below
// in binary) from rounding down.
long Hundredths(Real v) {
    return static_cast<long>(std::floor(v * 100 + 0.5L + 1e-9L));
}

std::string TwoDecimals(const OutputSettings& s, long hundredths) {
    return FormatNumber(s, static_cast<Real>(hundredths) / 100, 1, 2);
}

// Formats as the dialog shows them; the decimal-places setting stays neutral so that a
// value read back is the value shown.
OutputSettings DialogSettings(const OutputSettings& s) {
    OutputSettings d = s;
    d.decimalPlaces = 3;
    return d;
}

struct ProposalButton {
    const char* name;
    const char* caption;  // UTF-8
    NotchProposal kind;
};

const ProposalButton kProposals[] = {
    {"Button_featherKey", "Paßfeder", NotchProposal::FeatherKey},
    {"Button_woodruffKey", "Scheibenfeder", NotchProposal::WoodruffKey},
    {"Button_pressFit", "Preßverband", NotchProposal::PressFit},
    {"Button_involuteSpline", "Evolventenverzahnung", NotchProposal::InvoluteSpline},
    {"Button_serratedSpline", "Kerbverzahnung", NotchProposal::SerratedSpline},
};

}  // namespace

bool ProposalNeedsRm(NotchProposal kind) {
    return kind == NotchProposal::FeatherKey || kind == NotchProposal::WoodruffKey ||
           kind == NotchProposal::PressFit;
}

NotchFactorTexts ProposeNotchFactors(NotchProposal kind, Real rm, const OutputSettings& settings) {
    const OutputSettings s = DialogSettings(settings);
    const Real d = rm - 400;
    switch (kind) {
        case NotchProposal::FeatherKey:
            return {FormatNumber(s, 1.05L, 1, 2),
                    FormatFree(s, Limited(1.7L + 0.001L * d, 1.7L, 2.1L)),
                    FormatFree(s, Limited(1.5L + 0.00125L * d, 1.5L, 2.0L))};
        case NotchProposal::WoodruffKey:
            return {FormatNumber(s, 1.05L, 1, 2),
                    TwoDecimals(s, Hundredths(Limited(1.45L + 0.00042L * d, 1.45L, 1.62L))),
                    TwoDecimals(s, Hundredths(Limited(1.3L + 0.00075L * d, 1.3L, 1.6L)))};
        case NotchProposal::PressFit: {
            // The torsion factor follows from the bending factor as shown, in whole hundredths.
            const long kb = Hundredths(Limited(2.1L + 0.003L * d, 2.1L, 4.1L));
            return {FormatNumber(s, 1.0L, 1, 1), TwoDecimals(s, kb),
                    TwoDecimals(s, (kb * 65 + 50) / 100)};
        }
        case NotchProposal::InvoluteSpline:
            return {FormatNumber(s, 1.0L, 1, 1), FormatNumber(s, 1.2L, 1, 1),
                    FormatNumber(s, 1.7L, 1, 1)};
        case NotchProposal::SerratedSpline:
            return {FormatNumber(s, 1.0L, 1, 1), FormatNumber(s, 1.4L, 1, 1),
                    FormatNumber(s, 3.0L, 1, 1)};
    }
    return {};
}

NotchZoneDialog::NotchZoneDialog(Workspace& ws, int zone)
    : RecordForm(ws), zone_(std::clamp(zone, 1, kMaxNotchZones)) {
    shown_ = ws_.model.notchZones[static_cast<std::size_t>(zone_)];
    help = kHelpNumber;
    fields = {
        TextField("Edit_betak", "Kerbfaktor Zug/Druck ßk"_oem),
        TextField("Edit_betakb", "Kerbfaktor Biegung ßkb"_oem),
        TextField("Edit_betakt", "Kerbfaktor Torsion ßkt"_oem),
        TextField("Edit_x1", "Wirkbeginn der Kerbzone x1"),
        TextField("Edit_x2", "Ende der Kerbzone x2"),
        TextField("Edit_label", "Bezeichnung").Max(kLabelLength),
        LabelField("Label_method", ""),
    };
    buttons = {
        OkButton(),
        CancelButton(),
        HelpButton("Button_help", "&Hilfetext", kHelpNumber),
        HelpButton("Button_helpPicture", "Hilfe&bild", kHelpNumber),
        HelpButton("Button_helpPictures", "Hilfe&bild...", kHelpNumber),
        PushButton("Button_unit", "mm <--> inch"),
        ProposalFor("Edit_label", "Button_label"),
        SpinButton("Button_up", true),
        SpinButton("Button_down", false),
    };
    // Each proposal fills the three notch factors, starting with the first.
    for (const ProposalButton& p : kProposals)
        buttons.push_back(ProposalFor("Edit_betak", p.name, Utf8ToOem(p.caption)));
    buttons.push_back(PushButton("Button_twoFeatherKeys", "2 Paßfedern"_oem).Disabled());
    buttons.push_back(PushButton("Button_splinedShaft", "Keilwelle").Disabled());
    Show();
}

int NotchZoneDialog::LastZone() const {
    return std::clamp(std::max(ws_.model.notchZoneCount, zone_), 1, kMaxNotchZones);
}

void NotchZoneDialog::Show() {
    const OutputSettings s = DialogSettings(ws_.output());
    caption = "Kerbzone " + IntText(zone_);
    shownBetaK_ = FormatFree(s, shown_.betaK);
    shownBetaKb_ = FormatFree(s, shown_.betaKb);
    shownBetaKt_ = FormatFree(s, shown_.betaKt);
    shownX1_ = FormatLengthEcho(s, shown_.x1);
    shownX2_ = FormatLengthEcho(s, shown_.x2);
    Field("Edit_betak")->text = shownBetaK_;
    Field("Edit_betakb")->text = shownBetaKb_;
    Field("Edit_betakt")->text = shownBetaKt_;
    Field("Edit_x1")->text = shownX1_;
    Field("Edit_x2")->text = shownX2_;
    Field("Edit_x1")->unit = UnitText(s, Quantity::Length);
    Field("Edit_x2")->unit = UnitText(s, Quantity::Length);
    Field("Edit_label")->text = shown_.label;
    const int mode = ws_.model.notchMode;
    Field("Label_method")->text = mode >= 1 && mode <= 3 ? "Kerbfaktoren nach Zammert" : "";
}

bool NotchZoneDialog::ReadFields(NotchZone& into) {
    struct Number {
        const char* field;
        const std::string* shownText;
        Real NotchZone::*member;
        bool length;
    };
    const Number numbers[] = {{"Edit_betak", &shownBetaK_, &NotchZone::betaK, false},
                              {"Edit_betakb", &shownBetaKb_, &NotchZone::betaKb, false},
                              {"Edit_betakt", &shownBetaKt_, &NotchZone::betaKt, false},
                              {"Edit_x1", &shownX1_, &NotchZone::x1, true},
                              {"Edit_x2", &shownX2_, &NotchZone::x2, true}};
    NotchZone typed = into;
    for (const Number& n : numbers) {
        const std::string& text = Field(n.field)->text;
        if (text == *n.shownText) continue;  // untouched: the stored value, not its rounding
        const std::optional<Real> v = ParseTypedReal(text);
        if (!v) {
            message = "Ungültige Eingabe "_oem + "\"" + text + "\" !";
            return false;
        }
        // Display units back to mm: the conversion of one display unit gives the factor.
        typed.*n.member = n.length ? *v / ToDisplayUnits(ws_.output(), Quantity::Length, 1) : *v;
    }
    typed.label = CutText(Field("Edit_label")->text, kLabelLength);
    into = typed;
    return true;
}

bool NotchZoneDialog::ReadShown() {
    return ReadFields(shown_);
}

void NotchZoneDialog::PutShown() {
    ws_.model.notchZones[static_cast<std::size_t>(zone_)] = shown_;
}

std::string NotchZoneDialog::ProposedLabel() const {
    return "K " + IntText(zone_);
}

void NotchZoneDialog::MoveTo(int zone) {
    zone_ = std::clamp(zone, 1, LastZone());
    shown_ = ws_.model.notchZones[static_cast<std::size_t>(zone_)];
    Show();
}

bool NotchZoneDialog::PressOwn(const std::string& buttonName) {
    for (const ProposalButton& p : kProposals) {
        if (buttonName != p.name) continue;
        const Real rm = ws_.model.material.rm;
        // A strength of 0 means the material came without one; a negative one is as useless.
        if (ProposalNeedsRm(p.kind) && !(rm > 0)) {
            message = "No material data !";
            return false;
        }
        const NotchFactorTexts t = ProposeNotchFactors(p.kind, rm, ws_.output());
        Field("Edit_betak")->text = t.betaK;
        Field("Edit_betakb")->text = t.betaKb;
        Field("Edit_betakt")->text = t.betaKt;
        return false;
    }
    // The help buttons show help number kHelpNumber; the dialog stays open.
    return false;
}

bool EditNotchZone(Workspace& ws, int zone) {
    NotchZoneDialog dialog(ws, zone);
    ws.ui->RunForm(dialog);
    const bool ok = dialog.Accepted();
    // A window closed by other means than its buttons counts as Cancel.
    if (!ok) ws.abortFlag = true;
    return ok;
}

}  // namespace bxr
