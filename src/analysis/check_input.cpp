#include "analysis/check_input.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "analysis/calc_state.h"
#include "format/code_page.h"

namespace bxr {

namespace {

bool Outside(Real x, Real length) {
    return !(x >= 0 && x <= length);
}

}  // namespace

void AddMessage(CalcState& ws, const std::string& text) {
    ws.messages.Add(text);
}

void AddFatalMessage(CalcState& ws, const std::string& text) {
    ws.messages.AddFatal(text);
}

void ShowCalcBox(CalcState& ws, const std::string& text) {
    auto& shown = ws.results.boxMessages;
    if (std::find(shown.begin(), shown.end(), text) != shown.end()) return;
    shown.push_back(text);
}

void RequestAbort(CalcState& ws) {
    SetStopFlag(ws);
}

void SetStopFlag(CalcState& ws) {
    std::atomic_ref<bool>(ws.abortFlag).store(true, std::memory_order_relaxed);
}

void StopForFault(CalcState& ws) {
    ws.results.abortPolled = false;
    SetStopFlag(ws);
}

void PollAbort(CalcState& ws, bool on) {
    ws.results.abortPolled = on;
}

bool StopFlagSet(CalcState& ws) {
    return std::atomic_ref<bool>(ws.abortFlag).load(std::memory_order_relaxed);
}

bool AbortPolled(CalcState& ws) {
    return ws.results.abortPolled && StopFlagSet(ws);
}

void CheckInput(CalcState& ws) {
    BeamModel& m = ws.model;
    const Real length = m.length;

    // 1. Negative counts.
    for (std::int32_t* count :
         {&m.momentLoadCount, &m.axialLoadCount, &m.pointLoadCount, &m.distributedLoadCount})
        *count = std::max<std::int32_t>(0, *count);

    // 2. Count limits. The texts say "Fatal" and the lists have no room for the loads a
    // calculation appends behind too many entries, so these stop the calculation.
    if (m.momentLoadCount > kMaxMomentLoads)
        AddFatalMessage(ws, "Fatal  : Mb > " + std::to_string(kMaxMomentLoads));
    if (m.axialLoadCount > kMaxAxialLoads)
        AddFatalMessage(ws, "Fatal  : Fax > " + std::to_string(kMaxAxialLoads));
    if (m.pointLoadCount > kMaxPointLoads)
        AddFatalMessage(ws, "Fatal  : Fr > " + std::to_string(kMaxPointLoads));
    if (m.distributedLoadCount > kMaxDistributedLoads)
        AddFatalMessage(ws, "Fatal  : q > " + std::to_string(kMaxDistributedLoads));

    // 3./4. Geometry and length stop at once.
    if (m.contourCount == 0) {
        AddFatalMessage(ws, "keine Geometrie eingegeben !");
        SetStopFlag(ws);
    }
    if (!(length > 0)) {
        AddFatalMessage(ws, "Gesamtlänge ungültig !"_oem);
        SetStopFlag(ws);
    }

    // 5. Supports: only the positions the support type uses.
    const std::string outside = "Fatal  : Lager ausserh. Welle !";
    const auto& sx = m.supportX;
    const int type = m.supportType;
    if (type == kFixedClamp) {
        if (Outside(m.clampX, length)) AddFatalMessage(ws, outside);
    } else if (type >= kTwoHinges && type <= kFiveHinges) {
        if (Outside(sx[kSupportA], length) || Outside(sx[kSupportB], length))
            AddFatalMessage(ws, outside);
        if (sx[kSupportA] == sx[kSupportB]) AddFatalMessage(ws, "Fatal  : Lager xa = xb !");
        if (type == kAngularContactPair && sx[kSupportB] < sx[kSupportA])
            AddFatalMessage(ws, "Fehler : Lager xa > xb !");
        if (type >= kThreeHinges && Outside(sx[kSupportC], length)) AddFatalMessage(ws, outside);
        if (type >= kFourHinges && Outside(sx[kSupportD], length)) AddFatalMessage(ws, outside);
        if (type >= kFiveHinges && Outside(sx[kSupportE], length)) AddFatalMessage(ws, outside);
    }

    // 6./7. Loads; only the entries the lists can hold are looked at.
    const int distributed = std::min<int>(m.distributedLoadCount, kDistributedLoadRoom);
    for (int i = 1; i <= distributed; ++i) {
        const DistributedLoad& q = m.distributedLoads[i];
        const std::string n = std::to_string(i);
        if (q.x1 == q.x2) AddFatalMessage(ws, "Fatal  : Streckenlast " + n + ": x1=x2");
        if (q.x1 < 0 || q.x2 > length || q.x2 < q.x1)
            AddMessage(ws, "Streckenlast ausserh. Welle (" + n + ") !");
    }
    const int points = std::min<int>(m.pointLoadCount, kPointLoadRoom);
    for (int i = 1; i <= points; ++i)
        if (Outside(m.pointLoads[i].x, length))
            AddMessage(ws, "Kraft ausserh. Welle (" + std::to_string(i) + ") !");
    const int axial = std::min<int>(m.axialLoadCount, kAxialLoadRoom);
    for (int i = 1; i <= axial; ++i)
        if (Outside(m.axialLoads[i].x, length))
            AddMessage(ws, "Axialkraft ausserh. Welle (" + std::to_string(i) + ") !");
    const int moments = std::min<int>(m.momentLoadCount, kMomentLoadRoom);
    for (int i = 1; i <= moments; ++i)
        if (Outside(m.momentLoads[i].x, length))
            AddMessage(ws, "Biegemoment ausserh. Welle (" + std::to_string(i) + ") !");

    // 8. Notch zones.
    const int zones = std::clamp<int>(m.notchZoneCount, 0, kMaxNotchZones);
    for (int i = 1; i <= zones; ++i) {
        const NotchZone& z = m.notchZones[i];
        if (z.x1 < 0 || z.x2 > length || z.x2 < z.x1)
            AddFatalMessage(ws, "Kerbzone ausserh. Welle !");
    }

    // 8b. Shaft sections: a section that cannot be a circle or tube, or two that claim the
    // same stretch, stop; one reaching beyond the beam is cut at its end.
    m.shaftSectionCount = std::clamp<std::int32_t>(m.shaftSectionCount, 0, kMaxShaftSections);
    for (int i = 1; i <= m.shaftSectionCount; ++i) {
        const ShaftSection& s = m.shaftSections[static_cast<std::size_t>(i)];
        const std::string head = "Fatal  : Wellenabschnitt " + std::to_string(i);
        if (!(s.x1 < s.x2)) AddFatalMessage(ws, head + ": x1>=x2");
        if (!(s.D > 0)) AddFatalMessage(ws, head + ": D<=0");
        if (!(s.d >= 0)) AddFatalMessage(ws, head + ": d<0");
        if (s.D > 0 && s.d >= 0 && !(s.d < s.D)) AddFatalMessage(ws, head + ": d>=D");
        if (s.x1 < 0 || s.x2 > length)
            AddMessage(ws, "Wellenabschn. ausserh. Welle (" + std::to_string(i) + ") !");
        for (int j = 1; j < i; ++j) {
            const ShaftSection& o = m.shaftSections[static_cast<std::size_t>(j)];
            if (s.x1 < o.x2 && o.x1 < s.x2)
                AddFatalMessage(ws, "Fatal  : Abschnitte " + std::to_string(j) + "/" +
                                        std::to_string(i) + " überlappen"_oem);
        }
    }

    // 9. Material.
    const MaterialRecord& mat = m.material;
    // A negative modulus gives a negative buckling load, a negative density a negative mass.
    if (mat.e == 0) AddFatalMessage(ws, "Fatal  : E-Modul = 0 !");
    if (mat.e < 0) AddFatalMessage(ws, "Fatal  : E-Modul < 0 !");
    if (mat.g == 0) AddFatalMessage(ws, "Fatal  : G-Modul = 0 !");
    if (mat.g < 0) AddFatalMessage(ws, "Fatal  : G-Modul < 0 !");
    if (mat.density == 0) AddFatalMessage(ws, "Fatal  : Dichte = 0 !");
    if (mat.density < 0) AddFatalMessage(ws, "Fatal  : Dichte < 0 !");
    if (mat.notchSensitivity == 0) AddFatalMessage(ws, "Fatal  : eta k = 0 !");
    if (mat.surfaceFactor < 1) AddFatalMessage(ws, "Fehler : ok < 1 !");

    if (ws.messages.fatal) SetStopFlag(ws);
    // The list as found, one entry a line, for the window to show once after the calculation.
    if (!ws.messages.empty()) {
        std::string text;
        for (const auto& e : ws.messages.entries) {
            if (!text.empty()) text += '\n';
            text += e;
        }
        ShowCalcBox(ws, text);
    }
}

}  // namespace bxr
