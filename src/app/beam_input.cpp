#include "app/beam_input.h"

#include <numbers>
#include <optional>
#include <vector>

#include "analysis/check_input.h"
#include "app/calc_message_display.h"
#include "app/edit_session.h"
#include "app/entry_dialog.h"
#include "app/list_editor.h"
#include "app/notch_zone_dialog.h"
#include "app/real_prompt.h"
#include "format/code_page.h"
#include "format/number_format.h"
#include "format/text_helpers.h"
#include "format/units.h"
#include "platform/ui.h"
#include "sections/compute_section.h"
#include "sections/contour_ops.h"
#include "sections/round_contour.h"
#include "model/shaft_sections.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

constexpr Real kDegPerRad = 180 / std::numbers::pi_v<Real>;
constexpr Real kRadPerDeg = std::numbers::pi_v<Real> / 180;

bool Stop(Workspace& ws) {
    ws.abortFlag = true;
    return false;
}

// ---------------------------------------------------------------------------------------
// Display lines

std::string Qf(const OutputSettings& s, Quantity q, Real x, int w, int d) {
    return FormatQuantityField(s, q, x, w, d);
}
std::string Unit(const OutputSettings& s, Quantity q) {
    return UnitText(s, q);
}

}  // namespace

std::string PointLoadLine(const OutputSettings& s, int i, const PointLoad& p) {
    return "F" + IntRightAligned(i, 2) + " =" + Qf(s, Quantity::Force, p.f, 6, 1) + " " +
           Unit(s, Quantity::Force) + "     x=" + Qf(s, Quantity::Length, p.x, 4, 1) + " " +
           Unit(s, Quantity::Length) + "     w=" + FormatNumber(s, p.angle, 3, 1) + " " +
           Unit(s, Quantity::Angle) + "    (" + p.label + ")";
}

std::string DistributedLoadLine(const OutputSettings& s, int i, const DistributedLoad& q) {
    return "Q" + IntRightAligned(i, 2) + "=" + Qf(s, Quantity::LineLoad, q.q, 3, 2) + " " +
           Unit(s, Quantity::LineLoad) + "   x1=" + Qf(s, Quantity::Length, q.x1, 4, 1) +
           "   x2=" + Qf(s, Quantity::Length, q.x2, 4, 1) +
           "   w=" + FormatNumber(s, q.angle, 3, 0) + " " + Unit(s, Quantity::Angle) + "    (" +
           q.label + ")";
}

std::string MomentLoadLine(const OutputSettings& s, int i, const MomentLoad& m) {
    return "M" + IntRightAligned(i, 2) + " =" + Qf(s, Quantity::Moment, m.mb * 0.001L, 4, 2) + " " +
           Unit(s, Quantity::Moment) + "     x=" + Qf(s, Quantity::Length, m.x, 4, 1) + " " +
           Unit(s, Quantity::Length) + "     w=" + FormatNumber(s, m.angle, 3, 1) + " " +
           Unit(s, Quantity::Angle) + "     (" + m.label + ")";
}

std::string AxialLoadLine(const OutputSettings& s, int i, const AxialLoad& a) {
    return "Fx" + IntRightAligned(i, 2) + " =" + Qf(s, Quantity::Force, a.fx, 5, 1) + " " +
           Unit(s, Quantity::Force) + "    x=" + Qf(s, Quantity::Length, a.x, 4, 1) + " " +
           Unit(s, Quantity::Length) + "     (" + a.label + ")";
}

std::string ContourPointLine(const OutputSettings& s, int i, const ContourPoint& p) {
    return "Pos." + IntRightAligned(i, 3) + ":     y=" + Qf(s, Quantity::Length, p.y, 5, 3) + " " +
           Unit(s, Quantity::Length) + "     z=" + Qf(s, Quantity::Length, p.z, 5, 3) + " " +
           Unit(s, Quantity::Length) +
           "     phi=" + FormatNumber(s, p.arcAngle * kDegPerRad, 4, 1) + " " +
           Unit(s, Quantity::Angle);
}

std::string NotchZoneLine(const OutputSettings& s, int i, const NotchZone& z) {
    return "K" + IntRightAligned(i, 2) + " x1=" + Qf(s, Quantity::Length, z.x1, 4, 1) +
           " x2=" + Qf(s, Quantity::Length, z.x2, 4, 1) + " " + Unit(s, Quantity::Length) + "  " +
           "ßk="_oem + FormatNumber(s, z.betaK, 1, 2) + " " + "ßkb="_oem +
           FormatNumber(s, z.betaKb, 1, 2) + " " + "ßkt="_oem + FormatNumber(s, z.betaKt, 1, 2) +
           "  (" + z.label + ")";
}

std::string ShaftSectionLine(const OutputSettings& s, int i, const ShaftSection& a) {
    const std::string unit = " " + Unit(s, Quantity::Length);
    // Widths count the digits before the decimal mark.
    return "Pos." + IntRightAligned(i, 3) + ":  x=" + Qf(s, Quantity::Length, a.x1, 4, 2) + " .." +
           Qf(s, Quantity::Length, a.x2, 4, 2) + unit + "   D=" + Qf(s, Quantity::Length, a.D, 4, 3) +
           unit + "   d=" + Qf(s, Quantity::Length, a.d, 4, 3) + unit;
}

// -------------------------------------------------------------------------------------------
// Texts

TextDialog::TextDialog(BeamModel& model, bool& abortFlag) : model_(model), abortFlag_(abortFlag) {
    caption = "BXR  -  Trägerberechnung"_oem;
    help = 4300;
    fields = {
        TextField("Edit_zeichname", "Zeichnungsname", model.drawingName).Max(kDrawingNameLength),
        TextField("Edit_zeichname2", "Zeichnungsname 2", model.drawingName2)
            .Max(kDrawingName2Length),
        TextField("Edit_zeichnr", "Zeichnungsnummer", model.drawingNumber)
            .Max(kDrawingNumberLength),
        TextField("Edit_bemerk1", "Zeile 1", model.headerLines[2]).Max(kHeaderLineLength),
        TextField("Edit_bemerk2", "Zeile 2", model.headerLines[3]).Max(kHeaderLineLength),
    };
    buttons = {OkButton(), CancelButton()};
}

bool TextDialog::Press(const std::string& buttonName) {
    if (buttonName == "Button_ok") {
        model_.drawingName = CutText(Field("Edit_zeichname")->text, kDrawingNameLength);
        model_.drawingName2 = CutText(Field("Edit_zeichname2")->text, kDrawingName2Length);
        model_.drawingNumber = CutText(Field("Edit_zeichnr")->text, kDrawingNumberLength);
        model_.headerLines[2] = CutText(Field("Edit_bemerk1")->text, kHeaderLineLength);
        model_.headerLines[3] = CutText(Field("Edit_bemerk2")->text, kHeaderLineLength);
        model_.headerLines[1] = ComposeHeaderLine1(model_.drawingName, model_.drawingNumber);
        return Close(true);
    }
    if (buttonName == "Button_cancel") {
        abortFlag_ = true;
        return Close(false);
    }
    return false;
}

bool InputTexts(Workspace& ws) {
    TextDialog dialog(ws.model, ws.abortFlag);
    ws.ui->RunForm(dialog);
    if (!dialog.Accepted()) return Stop(ws);
    return true;
}

// -------------------------------------------------------------------------------------------
// Length and supports

bool InputLength(Workspace& ws) {
    ws.ui->SetHelpTopic(5270);
    const std::optional<Real> v =
        AskLengthInRange(*ws.ui, ws.output(), "Länge des Trägers"_oem, ws.model.length, 0, 1000000);
    if (!v) return Stop(ws);
    ws.model.length = *v;
    return true;
}

namespace {

constexpr Real kPositionLimit = 1e10L;

// One value prompt into target; false (abort flag set) on Cancel.
bool Ask(Workspace& ws, const std::string& prompt, int help, Real& target, Real minimum,
         Real maximum, bool lengthVariant) {
    ws.ui->SetHelpTopic(help);
    const std::optional<Real> v =
        lengthVariant ? AskLengthInRange(*ws.ui, ws.output(), prompt, target, minimum, maximum)
                      : AskRealInRange(*ws.ui, ws.output(), prompt, target, minimum, maximum);
    if (!v) return Stop(ws);
    target = *v;
    return true;
}

bool AskPosition(Workspace& ws, const std::string& prompt, int help, Real& target,
                 bool lengthVariant) {
    return Ask(ws, prompt, help, target, -kPositionLimit, kPositionLimit, lengthVariant);
}

bool BearingPair(Workspace& ws) {
    BeamModel& m = ws.model;
    std::array<Real, 5>& x = m.supportX;
    if (!AskPosition(ws, "Linkes Gelenklager in xA = ?", 6120, x[kSupportA], true) ||
        !AskPosition(ws, "Rechtes Gelenklager in xB = ?", 6130, x[kSupportB], true))
        return false;
    ws.ui->SetHelpTopic(6135);
    const std::optional<int> arrangement = ws.ui->Choose(
        "Belastungsrichtung angeben", {"X-Anordnung", "O-Anordnung"}, m.bearingArrangement);
    if (!arrangement || *arrangement < 1 || *arrangement > 2) return Stop(ws);
    m.bearingArrangement = static_cast<std::uint16_t>(*arrangement);
    const std::string angleUnit = UnitText(ws.output(), Quantity::Angle);
    return Ask(ws, "Kraftangriffswinkel linkes Lager [" + angleUnit + "]", 6135, m.contactAngleA, 0,
               50, false) &&
           Ask(ws, "Mittlerer Wälzbahndurchmesser linkes Lager [mm]"_oem, 6135, m.racewayDiameterA,
               0.01L, 10000, false) &&
           Ask(ws, "Kraftangriffswinkel rechtes Lager [" + angleUnit + "]", 6135, m.contactAngleB,
               0, 50, false) &&
           Ask(ws, "Mittlerer Wälzbahndurchmesser rechtes Lager [mm]"_oem, 6135, m.racewayDiameterB,
               0.01L, 10000, false);
}

bool Hinges(Workspace& ws, int type) {
    std::array<Real, 5>& x = ws.model.supportX;
    // The first two prompts name their unit and always take millimetres.
    if (!AskPosition(ws, "Festes Gelenklager in xA = ? mm", 6120, x[kSupportA], false) ||
        !AskPosition(ws, "Verschiebl. Lager in xB = ? mm", 6130, x[kSupportB], false))
        return false;
    if (type >= kThreeHinges &&
        !AskPosition(ws, "Verschiebl. Lager in xC = ?", 6130, x[kSupportC], true))
        return false;
    if (type >= kFourHinges &&
        !AskPosition(ws, "Verschiebl. Lager in xD = ?", 6130, x[kSupportD], true))
        return false;
    if (type >= kFiveHinges &&
        !AskPosition(ws, "Verschiebl. Lager in xE = ?", 6130, x[kSupportE], true))
        return false;
    return true;
}

}  // namespace

bool InputSupports(Workspace& ws) {
    BeamModel& m = ws.model;
    const std::vector<std::string> types{
        "Feste Einspannung",
        "2 Gelenklager (Fest-, Loslagerung)",
        "2 Gelenklager (Tragstützlagerung)"_oem,
        "3 Gelenklager (Fest-, Loslagerung)",
        "4 Gelenklager (Fest-, Loslagerung)",
        "5 Gelenklager (Fest-, Loslagerung)",
    };
    ws.ui->SetHelpTopic(6100);
    const std::optional<int> type = ws.ui->Choose("Lagerungsart", types, m.supportType);
    if (!type || *type < kFixedClamp || *type > kFiveHinges) return Stop(ws);
    m.supportType = static_cast<std::uint16_t>(*type);
    bool entered = true;
    if (*type == kFixedClamp)
        m.clampX = 0;
    else if (*type == kAngularContactPair)
        entered = BearingPair(ws);
    else
        entered = Hinges(ws, *type);
    if (!entered) return false;
    // The check reports on this input alone, not on what an earlier calculation found.
    ws.messages.Clear();
    ws.results.boxMessages.clear();
    CheckInput(ws);
    for (const std::string& box : ws.results.boxMessages) ws.ui->ShowMessage(box);
    return !ws.abortFlag;
}

// -------------------------------------------------------------------------------------------
// Lists of the model

namespace {

template <class Record>
using LineFunction = std::string (*)(const OutputSettings&, int, const Record&);

// A list of the model seen by the list editor and by its entry dialog.
template <class Record, std::size_t N, class CountType>
class ModelList : public EditableList, public EntryRecords {
  public:
    ModelList(Workspace& ws, std::array<Record, N>& items, CountType& count,
              std::vector<Real Record::*> numbers, OemString Record::*label, EntryLayout layout,
              LineFunction<Record> line)
        : ws_(ws),
          items_(items),
          count_(count),
          numbers_(std::move(numbers)),
          label_(label),
          layout_(std::move(layout)),
          line_(line) {}

    int Count() const override { return static_cast<int>(count_); }
    void SetCount(int n) override { count_ = static_cast<CountType>(n); }
    void Copy(int from, int to) override { items_[Slot(to)] = items_[Slot(from)]; }
    std::string Line(int i) const override { return line_(ws_.output(), i, items_[Slot(i)]); }
    bool Edit(int i, bool& stored) override {
        return RunEntryDialog(ws_, *this, layout_, i, stored);
    }
    void EntryStored(int) override { RedrawDuringInput(ws_); }
    void EntryDeleted() override { RedrawDuringInput(ws_); }

    EntryValues Get(int i) const override {
        const Record& r = items_[Slot(i)];
        EntryValues v;
        for (Real Record::*n : numbers_) v.numbers.push_back(r.*n);
        if (label_ != nullptr) v.label = r.*label_;
        return v;
    }
    void Put(int i, const EntryValues& v) override {
        Record& r = items_[Slot(i)];
        for (std::size_t k = 0; k < numbers_.size(); ++k) r.*numbers_[k] = v.numbers[k];
        if (label_ != nullptr) r.*label_ = v.label;
    }

  protected:
    static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }
    Workspace& ws_;

  private:
    std::array<Record, N>& items_;
    CountType& count_;
    std::vector<Real Record::*> numbers_;
    OemString Record::*label_;
    EntryLayout layout_;
    LineFunction<Record> line_;
};

std::function<std::string(int)> Fixed(std::string label) {
    return [label](int) { return label; };
}

EntryLayout::Number Number(const char* name, std::string label, Quantity q, Real toShown = 1,
                           Real fromShown = 1) {
    return {name, Fixed(std::move(label)), q, toShown, fromShown};
}

const EntryLayout::Number kAngle = {"Edit_w", Fixed("Kraftangriffswinkel w"), Quantity::Angle, 1,
                                    1};

bool RunPointLoads(Workspace& ws, FileSystem& fs, int& last) {
    BeamModel& m = ws.model;
    EntryLayout layout{"Querkraft ",
                       {Number("Edit_f", "Querkraft F", Quantity::Force),
                        Number("Edit_x", "Kraftangriff x", Quantity::Length), kAngle},
                       true,
                       "F ",
                       9550,
                       {}};
    ModelList list(ws, m.pointLoads, m.pointLoadCount,
                   {&PointLoad::f, &PointLoad::x, &PointLoad::angle}, &PointLoad::label,
                   std::move(layout), &PointLoadLine);
    const ListSpec spec{"Querkräfte"_oem,
                        kMaxPointLoads,
                        "Zu viele Kräfte!"_oem,
                        "Zu viele Kräfte!"_oem,
                        "Vor welche Kraft soll eingefügt werden?"_oem,
                        "zu löschende Kraft wählen  ..."_oem,
                        5400,
                        5410,
                        5450};
    return RunListEditor(ws, fs, list, spec, last);
}

bool RunDistributedLoads(Workspace& ws, FileSystem& fs, int& last) {
    BeamModel& m = ws.model;
    EntryLayout layout{"Streckenlast ",
                       {Number("Edit_q", "Streckenlast q", Quantity::LineLoad),
                        Number("Edit_x1", "Kraftangriff x1", Quantity::Length),
                        Number("Edit_x2", "Kraftangriff x2", Quantity::Length), kAngle},
                       true,
                       "q ",
                       9560,
                       {}};
    ModelList list(
        ws, m.distributedLoads, m.distributedLoadCount,
        {&DistributedLoad::q, &DistributedLoad::x1, &DistributedLoad::x2, &DistributedLoad::angle},
        &DistributedLoad::label, std::move(layout), &DistributedLoadLine);
    const ListSpec spec{"Streckenlasten",
                        kMaxDistributedLoads,
                        "Zu viele Strckenlasten !",
                        "Zu viele Strckenlasten!",
                        "Vor welche Last soll eingefügt werden?"_oem,
                        "zu löschende Last wählen  ..."_oem,
                        5500,
                        5510,
                        5550};
    return RunListEditor(ws, fs, list, spec, last);
}

bool RunMoments(Workspace& ws, FileSystem& fs, int& last) {
    BeamModel& m = ws.model;
    // Typed and shown in N·m, held in N·mm.
    EntryLayout layout{"Biegemoment ",
                       {Number("Edit_mb", "Biegemoment Mb", Quantity::Moment, 0.001L, 1000),
                        Number("Edit_x", "Kraftangriff x", Quantity::Length), kAngle},
                       true,
                       "M ",
                       9570,
                       {}};
    ModelList list(ws, m.momentLoads, m.momentLoadCount,
                   {&MomentLoad::mb, &MomentLoad::x, &MomentLoad::angle}, &MomentLoad::label,
                   std::move(layout), &MomentLoadLine);
    const ListSpec spec{"Biegemomente",
                        kMaxMomentLoads,
                        "Zu viele Biegemomente !",
                        "Zu viele Biegemomente!",
                        "Vor welchem Moment soll eingefügt werden?"_oem,
                        "zu löschendes Moment wählen  ..."_oem,
                        5600,
                        5610,
                        5650};
    return RunListEditor(ws, fs, list, spec, last);
}

bool RunAxialForces(Workspace& ws, FileSystem& fs, int& last) {
    BeamModel& m = ws.model;
    EntryLayout layout{"Axialkraft ",
                       {Number("Edit_fx", "Axialkraft Fx", Quantity::Force),
                        Number("Edit_x", "Kraftangriff x", Quantity::Length)},
                       true,
                       "Fx ",
                       9580,
                       {}};
    ModelList list(ws, m.axialLoads, m.axialLoadCount, {&AxialLoad::fx, &AxialLoad::x},
                   &AxialLoad::label, std::move(layout), &AxialLoadLine);
    const ListSpec spec{"Axialkräfte"_oem,
                        kMaxAxialLoads,
                        "Zu viele Axialkräfte!"_oem,
                        "Zu viele Axialkräfte!"_oem,
                        "Vor welche Axialkraft soll eingefügt werden?"_oem,
                        "zu löschende Axialkraft wählen  ..."_oem,
                        5800,
                        5810,
                        5850};
    return RunListEditor(ws, fs, list, spec, last);
}

// The section values of the contour; true when they came without a fatal fault.
bool RecomputeSection(Workspace& ws) {
    ComputeSectionProperties(ws);
    return !ws.messages.fatal;
}

// Recomputes and shows the section drawing, or the messages when the recomputation failed.
void RecomputeAndShow(Workspace& ws, FileSystem& fs) {
    if (RecomputeSection(ws)) {
        ws.ui->ShowView(View::kSection);
    } else {
        const bool abort = ws.abortFlag;
        ShowCalcMessages(ws, false, fs);
        ws.abortFlag = abort;
    }
}

class ContourList : public ModelList<ContourPoint, kMaxContourPoints + 1, std::uint16_t> {
  public:
    ContourList(Workspace& ws, FileSystem& fs)
        : ModelList(ws, ws.model.contour, ws.model.contourCount,
                    {&ContourPoint::y, &ContourPoint::z, &ContourPoint::arcAngle}, nullptr,
                    Layout(ws.model), &ContourPointLine),
          fs_(fs) {}

    void EntryStored(int) override {
        if (ws_.config.helpLevel == 0) {
            RedrawDuringInput(ws_);
        } else if (RecomputeSection(ws_)) {
            ws_.ui->ShowView(View::kSection);
        }
    }
    void EntryDeleted() override {
        if (ws_.config.helpLevel == 0) return RedrawDuringInput(ws_);
        if (ws_.model.contourCount > 0) RecomputeSection(ws_);
        ws_.ui->ShowView(View::kSection);
    }
    bool HasTransform() const override { return true; }
    void Transform() override { TransformContourInput(ws_, fs_); }
    void Finished() override {
        if (ws_.config.helpLevel != 0 && ws_.model.contourCount > 0) RecomputeAndShow(ws_, fs_);
    }

  private:
    static EntryLayout Layout(BeamModel& model) {
        const auto y = [](int i) { return "Y " + IntText(i); };
        const auto z = [](int i) { return "Z " + IntText(i); };
        const auto arc = [](int i) {
            return "Kreisbogenwinkel " + IntText(i) + "-" + IntText(i + 1);
        };
        EntryLayout layout{"Koordinaten ",
                           {{"Edit_y", y, Quantity::Length, 1, 1},
                            {"Edit_z", z, Quantity::Length, 1, 1},
                            {"Edit_phi", arc, Quantity::Angle, kDegPerRad, kRadPerDeg}},
                           false,
                           "",
                           9010,
                           {}};
        // A coordinate that still holds the unset mark opens with the previous point's.
        layout.prepare = [&model](int i, EntryValues& v) {
            const ContourPoint& before = model.contour[static_cast<std::size_t>(i - 1)];
            if (v.numbers[0] == 999) v.numbers[0] = before.y;
            if (v.numbers[1] == 999) v.numbers[1] = before.z;
        };
        return layout;
    }

    FileSystem& fs_;
};

// The notch zones, each in the notch-zone dialog.
class NotchZoneList : public EditableList {
  public:
    explicit NotchZoneList(Workspace& ws) : ws_(ws) {}

    int Count() const override { return ws_.model.notchZoneCount; }
    void SetCount(int n) override { ws_.model.notchZoneCount = n; }
    void Copy(int from, int to) override { Zone(to) = Zone(from); }
    std::string Line(int i) const override {
        return NotchZoneLine(ws_.output(), i, ws_.model.notchZones[static_cast<std::size_t>(i)]);
    }
    bool Edit(int i, bool& stored) override {
        const NotchZone before = Zone(i);
        const bool ok = EditNotchZone(ws_, i);
        const NotchZone& after = Zone(i);
        stored = ok || after.betaK != before.betaK || after.betaKb != before.betaKb ||
                 after.betaKt != before.betaKt || after.x1 != before.x1 || after.x2 != before.x2 ||
                 after.label != before.label;
        return ok;
    }
    void EntryStored(int) override { RedrawDuringInput(ws_); }
    void EntryDeleted() override { RedrawDuringInput(ws_); }

  private:
    NotchZone& Zone(int i) { return ws_.model.notchZones[static_cast<std::size_t>(i)]; }
    Workspace& ws_;
};

// The shaft sections, each in the entry dialog; "Lücken füllen" gives every stretch that no
// section covers one of the round contour's diameters.
class ShaftSectionList : public ModelList<ShaftSection, kMaxShaftSections + 1, std::int32_t> {
  public:
    ShaftSectionList(Workspace& ws, EntryLayout layout)
        : ModelList(ws, ws.model.shaftSections, ws.model.shaftSectionCount,
                    {&ShaftSection::x1, &ShaftSection::x2, &ShaftSection::D, &ShaftSection::d},
                    nullptr, std::move(layout), &ShaftSectionLine) {}

    bool HasTransform() const override { return true; }
    std::string TransformCaption() const override { return "Lücken füllen"_oem; }
    void Transform() override {
        const bool abort = ws_.abortFlag;
        ComputeSectionProperties(ws_);
        ws_.abortFlag = abort;
        if (ws_.messages.fatal && !ws_.messages.entries.empty()) {
            ws_.ui->ShowMessage(ws_.messages.entries.front());
            return;
        }
        const std::optional<ShaftSection> round = RoundContourSection(ws_.section);
        if (ws_.model.contourCount == 0 || !round) {
            ws_.ui->ShowMessage("Die Kontur ist nicht rund !");
            return;
        }
        if (!FillShaftGaps(ws_.model, *round)) {
            ws_.ui->ShowMessage("Zu viele Wellenabschnitte !");
            return;
        }
        RedrawDuringInput(ws_);
    }
};

}  // namespace

bool InputShaftSections(Workspace& ws, FileSystem& fs, int& lastSelected) {
    EntryLayout layout{"Wellenabschnitt ",
                       {Number("Edit_x1", "Anfang x1", Quantity::Length),
                        Number("Edit_x2", "Ende x2", Quantity::Length),
                        Number("Edit_D", "Außendurchmesser D"_oem, Quantity::Length),
                        Number("Edit_d", "Bohrung d", Quantity::Length)},
                       false,
                       "",
                       9590,
                       {}};
    ShaftSectionList list(ws, std::move(layout));
    const ListSpec spec{"Wellenabschnitte",
                        kMaxShaftSections,
                        "Zu viele Wellenabschnitte !",
                        "Zu viele Wellenabschnitte !",
                        "Vor welchen Abschnitt soll eingefügt werden?",
                        "zu löschenden Abschnitt wählen  ..."_oem,
                        9590,
                        9590,
                        9590};
    return RunListEditor(ws, fs, list, spec, lastSelected);
}

bool InputLoads(Workspace& ws, FileSystem& fs, ListSelections& last, int kind) {
    const auto run = [&](int k) {
        switch (k) {
            case kPointForces:
                return RunPointLoads(ws, fs, last.pointLoads);
            case kDistributedLoads:
                return RunDistributedLoads(ws, fs, last.distributedLoads);
            case kMoments:
                return RunMoments(ws, fs, last.momentLoads);
            default:
                return RunAxialForces(ws, fs, last.axialLoads);
        }
    };
    if (kind >= kPointForces && kind <= kAxialForces) return run(kind);
    const std::vector<std::string> kinds{"Einzelkraft", "Streckenlast", "Biegemoment",
                                         "Axialkraft",  "Bild",         "zurück .."_oem};
    int chosenLast = 1;
    for (;;) {
        ws.ui->SetHelpTopic(6000);
        const std::optional<int> chosen =
            ws.ui->Choose("Belastungsart eingeben", kinds, chosenLast);
        if (!chosen) return Stop(ws);
        if (*chosen == 6) return true;
        chosenLast = *chosen;
        // "Bild" has nothing to show here; the choice comes again.
        if (*chosen < kPointForces || *chosen > kAxialForces) continue;
        if (!run(*chosen)) return false;
    }
}

bool InputContour(Workspace& ws, FileSystem& fs, int& lastSelected) {
    ContourList list(ws, fs);
    const ListSpec spec{"Eingabe der Positionen",
                        kMaxContourPoints,
                        "zu viele Punkte !",
                        "zu viele Punkte !",
                        "Vor welcher Position soll eingefügt werden ?"_oem,
                        "zu löschende Position wählen  ..."_oem,
                        8200,
                        8210,
                        8290};
    return RunListEditor(ws, fs, list, spec, lastSelected);
}

bool InputNotchZones(Workspace& ws, FileSystem& fs, int& lastSelected) {
    NotchZoneList list(ws);
    const ListSpec spec{"Kerbzonen",
                        kMaxNotchZones,
                        "Zu viele Kerbzonen !",
                        "Zu viele Kerbzonen !",
                        "Vor welche Kerbzone soll eingefügt werden?"_oem,
                        "zu löschende Kerbzone wählen  ..."_oem,
                        NotchZoneDialog::kHelpNumber,
                        NotchZoneDialog::kHelpNumber,
                        NotchZoneDialog::kHelpNumber};
    return RunListEditor(ws, fs, list, spec, lastSelected);
}

bool TransformContourInput(Workspace& ws, FileSystem& fs) {
    constexpr Real kAny = 1e38L;
    // The defaults come back with every use.
    Real angle = 0, shiftY = 0, shiftZ = 0, scaleY = 1, scaleZ = 1;
    if (!Ask(ws, "Drehwinkel °"_oem, 8400, angle, -360, 360, false) ||
        !Ask(ws, "Verschiebung y", 8410, shiftY, -kAny, kAny, false) ||
        !Ask(ws, "Verschiebung z", 8410, shiftZ, -kAny, kAny, false) ||
        !Ask(ws, "Maßstab y"_oem, 8420, scaleY, -kAny, kAny, false) ||
        !Ask(ws, "Maßstab z"_oem, 8420, scaleZ, -kAny, kAny, false))
        return false;
    ws.ui->SetHelpTopic(8430);
    const std::optional<int> mirror = ws.ui->Choose(
        "Spiegeln", {"Spiegeln um Achse z", "Spiegeln um Achse y", "nicht spiegeln"}, 3);
    if (!mirror) return Stop(ws);
    ws.ui->SetHelpTopic(8440);
    const std::optional<bool> reverse = ws.ui->AskYesNo("Richtungssinn umkehren");
    if (!reverse) return Stop(ws);

    BeamModel& m = ws.model;
    TransformContour(m, angle, shiftY, shiftZ, scaleY, scaleZ);
    if (*mirror == 1) MirrorContourZ(m);
    if (*mirror == 2) MirrorContourY(m);
    if (*reverse) ReverseContour(m);
    if (m.contourCount == 0) {
        ws.ui->ShowMessage("Fehler : keine Geometrie eingegeben !");
        return true;
    }
    RecomputeAndShow(ws, fs);
    return true;
}

}  // namespace bxr
