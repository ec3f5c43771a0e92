// The material choice "Werkstoffeingabe": a row of wqzwst.dbf, typed values, a row of
// wst1base.dbf or a row of mat_743.dbf with the DIN 743 surface values; the fatigue values
// that come with it; and the Database menu's material tables.
#pragma once

namespace bxr {

struct Workspace;
class CatalogTables;

// Runs the choice. False, with the abort flag set, when the user cancels a step or a table is
// missing; values stored by an earlier step of the same choice stay.
bool SelectMaterial(Workspace& ws, CatalogTables& tables);

// Clears the fatigue values and looks the material number up in wst1dyn.dbf (a missing table
// is no error).
void LookUpFatigueStrengths(Workspace& ws, CatalogTables& tables);

enum class MaterialTable { Wqzwst, Wst1Dyn, Wst1Base };
// Database -> "WQZWST", "WST1DYN", "WST1BASE": the table in edit mode; after OK the current row
// goes into that table's row buffer (not into the material).
bool BrowseMaterialTable(Workspace& ws, CatalogTables& tables, MaterialTable which);

// The same on the program's tables (the dbf folder of the configuration, the table window).
bool SelectMaterial(Workspace& ws);
bool BrowseMaterialTable(Workspace& ws, MaterialTable which);

}  // namespace bxr
