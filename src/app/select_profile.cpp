#include "app/select_profile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "app/catalog_tables.h"
#include "app/real_prompt.h"
#include "app/table_catalog.h"
#include "format/code_page.h"
#include "platform/ui.h"
#include "sections/compute_section.h"
#include "sections/profile_contour.h"
#include "tables/dbf_table.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

// The row of a family table, texts and numbers by position.
ProfileRow ReadProfileRow(const DbfTable& t) {
    ProfileRow row;
    row.fieldCount = std::min(t.FieldCount(), kMaxProfileFields);
    for (int i = 1; i <= row.fieldCount; ++i) {
        row.text[i] = t.FieldValue(i);
        row.value[i] = t.Field(i).type == 'C' ? 0 : t.FieldNumber(i);
    }
    return row;
}

// One dimension prompt; false with the abort flag when cancelled.
bool Ask(Workspace& ws, const char* prompt, Real& value, Real minimum, Real maximum) {
    ws.ui->SetHelpTopic(4110);
    const std::optional<Real> v =
        AskRealInRange(*ws.ui, ws.output(), Utf8ToOem(prompt), value, minimum, maximum);
    if (!v) {
        ws.abortFlag = true;
        return false;
    }
    value = *v;
    return true;
}

// The prompts of the parametric shapes; the dimensions change only when all were answered.
bool AskDimensions(Workspace& ws, int family) {
    ParametricDimensions d = ws.profiles.dims;
    switch (family) {
        case 9:
            if (!Ask(ws, "Außendurchmesser d", d.d, 0, 1e12)) return false;
            break;
        case 10:
            if (!Ask(ws, "Außendurchmesser de", d.de, 0, 1e12)) return false;
            if (!Ask(ws, "Innendurchmesser di", d.di, 0, 1e12)) return false;
            break;
        case 11:
            if (!Ask(ws, "Breite b", d.b, 0, 1e12)) return false;
            if (!Ask(ws, "Höhe h", d.h, 0, 1e12)) return false;
            if (!Ask(ws, "Wanddicke s", d.s, 0, 1e12)) return false;
            break;
        case 12:
        case 13: {
            Real corners = d.corners;
            if (!Ask(ws, "Anzahl Ecken z", corners, 3, 1000)) return false;
            d.corners = static_cast<int>(std::lround(corners));
            if (!Ask(ws, "Schlüsselweite (Inkreis)", d.acrossFlats, 0.01L, 1e30L)) return false;
            d.acrossCorners = d.acrossFlats / std::cos(std::numbers::pi_v<Real> / d.corners);
            if (!Ask(ws, "Eckweite (Umkreis) de", d.acrossCorners, 0.01L, 1e30L)) return false;
            if (family == 13 && !Ask(ws, "Wanddicke t", d.wall, 0, 1e12)) return false;
            break;
        }
        default:
            break;
    }
    ws.profiles.dims = d;
    return true;
}

std::vector<std::string> FamilyList() {
    std::vector<std::string> items;
    for (int f = 1; f <= kProfileFamilyCount; ++f)
        items.push_back(Utf8ToOem(ProfileFamilyOf(f).listText));
    return items;
}

}  // namespace

bool SelectProfile(Workspace& ws, CatalogTables& tables, int mode) {
    BeamModel& m = ws.model;
    const int before = m.profileFamily;
    ws.ui->SetHelpTopic(4100);
    const std::optional<int> chosen = ws.ui->Choose("Profil", FamilyList(), before);
    if (!chosen || *chosen < 1 || *chosen > kProfileFamilyCount) {
        ws.abortFlag = true;
        return false;
    }
    const int family = *chosen;
    m.profileFamily = static_cast<std::uint16_t>(family);
    if (family > kTableFamilyCount) return true;

    const ProfileFamilyInfo& info = ProfileFamilyOf(family);
    tables.SetTitles("", info.title2);
    if (!tables.Open(info.table)) {
        ws.abortFlag = true;
        return false;
    }
    if (mode == kProfilePick) tables.SortByField(2);
    if (family == before) tables.GoToRecord(m.profileRecord);
    if (!tables.Browse(mode == kProfilePick ? 1 : 2)) {
        tables.Close();
        ws.abortFlag = true;
        return false;
    }
    ws.profiles.rows[family] = ReadProfileRow(tables.Row());
    tables.Close();
    m.profileRecord = static_cast<std::uint16_t>(tables.SelectedRecordNumber());
    ws.abortFlag = false;
    return true;
}

bool GenerateProfile(Workspace& ws, CatalogTables& tables) {
    BeamModel& m = ws.model;
    if (!SelectProfile(ws, tables, kProfilePick)) return false;
    if (m.contourCount > 0) {
        ws.ui->SetHelpTopic(4120);
        const std::optional<bool> drop = ws.ui->AskYesNo("Alte Geometriedaten verwerfen ?");
        if (!drop) ws.abortFlag = true;
        if (!drop || !*drop) return false;
    }
    ws.ui->SetHelpTopic(4120);
    const std::optional<bool> zy =
        ws.ui->AskYesNo("Umwandlung der Koordinaten in zy-Koordinatensystem ?");
    if (!zy) {
        ws.abortFlag = true;
        return false;
    }
    const int family = m.profileFamily;
    if (family > kTableFamilyCount && !AskDimensions(ws, family)) return false;
    const ProfileRow empty;
    const ProfileRow& row = family <= kTableFamilyCount ? ws.profiles.rows[family] : empty;
    // A polygon of many corners would not fit into the contour: refused, nothing written.
    if (ProfileContourPoints(family, ws.profiles.dims.corners) > kMaxContourPoints ||
        !GenerateProfileContour(m, row, ws.profiles.dims)) {
        ws.ui->ShowMessage("zu viele Punkte !");
        ws.abortFlag = true;
        return false;
    }
    m.arcDivision = 15;
    if (*zy) SwapContourYZ(m);
    m.modified = true;
    ws.abortFlag = false;
    ComputeSectionProperties(ws);
    return true;
}

bool BrowseProfileTables(Workspace& ws, CatalogTables& tables) {
    return SelectProfile(ws, tables, kProfileEdit);
}

bool GenerateProfile(Workspace& ws) {
    TableCatalog tables(ws);
    return GenerateProfile(ws, tables);
}

bool BrowseProfileTables(Workspace& ws) {
    TableCatalog tables(ws);
    return BrowseProfileTables(ws, tables);
}

}  // namespace bxr
