#include "app/select_material.h"

#include <optional>
#include <string>
#include <vector>

#include "app/catalog_tables.h"
#include "app/material_dialog.h"
#include "app/real_prompt.h"
#include "app/table_catalog.h"
#include "format/code_page.h"
#include "platform/ui.h"
#include "sections/material_catalog.h"
#include "tables/dbf_table.h"
#include "workspace/workspace.h"

namespace bxr {

namespace {

constexpr int kFromList = 1, kTyped = 2, kWst1 = 3, kDin743 = 4;

bool Cancelled(Workspace& ws) {
    ws.abortFlag = true;
    return false;
}

// Opens a material table for picking with the titles of the material choice.
bool OpenForPick(Workspace& ws, CatalogTables& tables, const char* name) {
    tables.SetTitles("", "Werkstoffauswahl");
    if (!tables.Open(name)) return Cancelled(ws);
    return true;
}

bool RunDialog(Workspace& ws, MaterialDialog::Editable editable) {
    MaterialDialog dialog(ws.model.material, ws.config.output, editable);
    ws.ui->RunForm(dialog);
    if (!dialog.Accepted()) return Cancelled(ws);
    ws.abortFlag = false;
    return true;
}

bool FromList(Workspace& ws, CatalogTables& tables) {
    MaterialRecord& m = ws.model.material;
    if (!OpenForPick(ws, tables, "wqzwst.dbf")) return false;
    if (m.tableRecord != 0) tables.GoToRecord(m.tableRecord);
    if (!tables.Browse(1)) {
        tables.Close();
        return Cancelled(ws);
    }
    ApplyWqzwstRow(tables.Row(), m);
    m.tableRecord = static_cast<std::int32_t>(tables.SelectedRecordNumber());
    tables.Close();
    LookUpFatigueStrengths(ws, tables);
    MaterialDialog::Editable onlyOk;
    onlyOk.name = onlyOk.e = onlyOk.g = onlyOk.density = onlyOk.notchSensitivity = false;
    return RunDialog(ws, onlyOk);
}

bool Typed(Workspace& ws) {
    if (!RunDialog(ws, {})) return false;
    ws.materials.dynamic = {};
    if (ws.materials.wqzwstRow.size() > 4)
        ws.materials.wqzwstRow[3] = ws.materials.wqzwstRow[4] = "";
    ws.model.material.rm = 0;
    ws.model.material.re = 0;
    return true;
}

bool FromWst1(Workspace& ws, CatalogTables& tables) {
    MaterialRecord& m = ws.model.material;
    if (!OpenForPick(ws, tables, "wst1base.dbf")) return false;
    const bool indexed = tables.IndexOn(1, "wst1base");
    if (!(indexed && !ws.materials.wst1baseKey.empty() &&
          tables.FindKey(ws.materials.wst1baseKey)) &&
        m.tableRecord != 0)
        tables.GoToRecord(m.tableRecord);
    if (!tables.Browse(1)) {
        tables.Close();
        return Cancelled(ws);
    }
    m.tableRecord = static_cast<std::int32_t>(tables.SelectedRecordNumber());
    ws.materials.wst1baseKey = ApplyWst1BaseRow(tables.Row(), m);
    tables.Close();
    LookUpFatigueStrengths(ws, tables);
    MaterialDialog::Editable etakAndOk;
    etakAndOk.name = etakAndOk.e = etakAndOk.g = etakAndOk.density = false;
    return RunDialog(ws, etakAndOk);
}

bool FromDin743(Workspace& ws, CatalogTables& tables) {
    MaterialRecord& m = ws.model.material;
    MaterialCatalogState& c = ws.materials;
    if (!OpenForPick(ws, tables, "mat_743.dbf")) return false;
    if (m.tableRecord != 0) tables.GoToRecord(m.tableRecord);
    if (!tables.Browse(1)) {
        tables.Close();
        return Cancelled(ws);
    }
    c.din743 = ReadDin743Row(tables.Row());
    m.tableRecord = static_cast<std::int32_t>(tables.SelectedRecordNumber());
    tables.Close();
    ApplyDin743Row(c.din743, m);
    ws.ui->SetHelpTopic(4020);
    const std::optional<Real> rz =
        AskRealInRange(*ws.ui, ws.output(), "Oberflächenrauheit Rz"_oem, c.roughnessRz, 0.1L, 1e4L);
    if (!rz) return Cancelled(ws);
    c.roughnessRz = *rz;
    ws.ui->SetHelpTopic(4020);
    const std::optional<Real> kv = AskRealInRange(
        *ws.ui, ws.output(), "Faktor Oberflächenverfestigung Kv"_oem, c.hardeningKv, 1, 5);
    if (!kv) return Cancelled(ws);
    c.hardeningKv = *kv;
    m.notchSensitivity = Din743NotchSensitivity(c.din743.rm);
    c.dynamic = DeriveDin743Strengths(c.din743);
    ws.abortFlag = false;
    return true;
}

std::string Trimmed(const OemString& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The material as this row would give it matches the project's by number or by name (a
// project just read knows only the name).
bool SameMaterial(const MaterialRecord& fromRow, const MaterialRecord& m) {
    return (!Trimmed(fromRow.code).empty() && Trimmed(fromRow.code) == Trimmed(m.code)) ||
           (!Trimmed(fromRow.name).empty() && Trimmed(fromRow.name) == Trimmed(m.name));
}

}  // namespace

std::string MissingMaterialTableNote(const std::string& table) {
    return "Warnung: Tabelle fehlt: " + table;
}

const char* const kChangedMaterialRowNote = "Warnung: Werkstoff fehlt in Tabelle";

void RestoreMaterialStrengths(Workspace& ws, CatalogTables& tables) {
    MaterialCatalogState& c = ws.materials;
    MaterialRecord& m = ws.model.material;
    c.dynamic = {};
    c.din743 = {};
    c.strengthNote.clear();
    // The file keeps neither the material number nor the strengths: what memory holds of
    // them belongs to the project read before.
    m.rm = 0;
    m.re = 0;
    const char* table = nullptr;
    switch (ws.model.materialSource) {
        case kFromList:
            table = "wqzwst.dbf";
            break;
        case kWst1:
            table = "wst1base.dbf";
            break;
        case kDin743:
            table = "mat_743.dbf";
            break;
        default:
            return;  // typed in: no strengths
    }
    if (m.tableRecord <= 0) return;  // never picked from the table
    const bool aborted = ws.abortFlag;
    const bool opened = tables.Exists(table) && tables.Open(table);
    ws.abortFlag = aborted;  // a missing table is not the reading's failure
    if (!opened) {
        c.strengthNote = MissingMaterialTableNote(table);
        return;
    }
    const auto record = static_cast<std::uint32_t>(m.tableRecord);
    bool same = false;
    MaterialRecord fromRow;
    Din743Material din743;
    OemString key;
    if (record <= tables.Row().RecordCount()) {
        tables.GoToRecord(record);
        const DbfTable& row = tables.Row();
        if (row.RecordNumber() == record && !row.Deleted()) {
            if (ws.model.materialSource == kFromList) {
                ApplyWqzwstRow(row, fromRow);
            } else if (ws.model.materialSource == kWst1) {
                key = ApplyWst1BaseRow(row, fromRow);
            } else {
                din743 = ReadDin743Row(row);
                ApplyDin743Row(din743, fromRow);
            }
            same = SameMaterial(fromRow, m);
        }
    }
    tables.Close();
    if (!same) {
        c.strengthNote = kChangedMaterialRowNote;
        return;
    }
    m.code = fromRow.code;
    m.rm = fromRow.rm;
    m.re = fromRow.re;
    if (ws.model.materialSource == kDin743) {
        c.din743 = din743;
        c.dynamic = DeriveDin743Strengths(din743);
        return;
    }
    if (ws.model.materialSource == kWst1) c.wst1baseKey = key;
    LookUpFatigueStrengths(ws, tables);
}

void RestoreMaterialStrengths(Workspace& ws, FileSystem& fs) {
    TableCatalog tables(ws, fs);
    RestoreMaterialStrengths(ws, tables);
}

void LookUpFatigueStrengths(Workspace& ws, CatalogTables& tables) {
    ws.materials.dynamic = {};
    if (!tables.Exists("wst1dyn.dbf") || !tables.Open("wst1dyn.dbf")) return;
    if (tables.IndexOn(1, "wst1dyn") && tables.FindKey(ws.model.material.code))
        ws.materials.dynamic = ReadDynamicRow(tables.Row());
    tables.Close();
}

bool SelectMaterial(Workspace& ws, CatalogTables& tables) {
    BeamModel& model = ws.model;
    ws.materials.strengthNote.clear();
    int source = kDin743;
    if (model.notchMode != 4) {
        const std::vector<std::string> items{"Werkstoffkennwerte aus Liste wählen"_oem,
                                             "Werkstoffkennwerte eingeben",
                                             "WST1 Werkstoffdatenbank", "DIN 743"};
        ws.ui->SetHelpTopic(4000);
        const std::optional<int> chosen =
            ws.ui->Choose("Werkstoffeingabe", items, model.materialSource);
        if (!chosen || *chosen < kFromList || *chosen > kDin743) return Cancelled(ws);
        source = *chosen;
    }
    model.materialSource = static_cast<std::uint16_t>(source);
    switch (source) {
        case kFromList:
            return FromList(ws, tables);
        case kTyped:
            return Typed(ws);
        case kWst1:
            return FromWst1(ws, tables);
        default:
            return FromDin743(ws, tables);
    }
}

bool BrowseMaterialTable(Workspace& ws, CatalogTables& tables, MaterialTable which) {
    const char* name = "wqzwst.dbf";
    const char* title = " WQZWST ";
    std::vector<OemString>* buffer = &ws.materials.wqzwstRow;
    if (which == MaterialTable::Wst1Dyn) {
        name = "wst1dyn.dbf";
        title = " WST1DYN ";
        buffer = &ws.materials.wst1dynRow;
    } else if (which == MaterialTable::Wst1Base) {
        name = "wst1base.dbf";
        title = " WST1BASE ";
        buffer = &ws.materials.wst1baseRow;
    }
    tables.SetTitles("", title);
    if (!tables.Open(name)) return Cancelled(ws);
    const bool ok = tables.Browse(2);
    if (ok) *buffer = RowTexts(tables.Row());
    tables.Close();
    if (!ok) return Cancelled(ws);
    ws.abortFlag = false;
    return true;
}

bool SelectMaterial(Workspace& ws) {
    TableCatalog tables(ws);
    return SelectMaterial(ws, tables);
}

bool BrowseMaterialTable(Workspace& ws, MaterialTable which) {
    TableCatalog tables(ws);
    return BrowseMaterialTable(ws, tables, which);
}

}  // namespace bxr
