// The material choice "Werkstoffeingabe": a row of wqzwst.dbf, typed values, a row of
// wst1base.dbf or a row of mat_743.dbf with the DIN 743 surface values; the fatigue values
// that come with it; and the Database menu's material tables.
#pragma once

#include <string>

namespace bxr {

struct Workspace;
class CatalogTables;
class FileSystem;

// Runs the choice. False, with the abort flag set, when the user cancels a step or a table is
// missing; values stored by an earlier step of the same choice stay.
bool SelectMaterial(Workspace& ws, CatalogTables& tables);

// Clears the fatigue values and looks the material number up in wst1dyn.dbf (a missing table
// is no error).
void LookUpFatigueStrengths(Workspace& ws, CatalogTables& tables);

// After a project was read: the fatigue values are not stored in the project, so they are
// looked up again in the table of the material's source, in the row the material was picked
// from. They are taken only when that row still holds the material (its number or its name);
// a typed-in material has none. A missing table or a row that now holds another material leaves
// them cleared and a note that the calculation shows among its messages.
void RestoreMaterialStrengths(Workspace& ws, CatalogTables& tables);
// The same on the program's tables.
void RestoreMaterialStrengths(Workspace& ws, FileSystem& fs);
// The notes it leaves.
std::string MissingMaterialTableNote(const std::string& table);
extern const char* const kChangedMaterialRowNote;

enum class MaterialTable { Wqzwst, Wst1Dyn, Wst1Base };
// Database -> "WQZWST", "WST1DYN", "WST1BASE": the table in edit mode; after OK the current row
// goes into that table's row buffer (not into the material).
bool BrowseMaterialTable(Workspace& ws, CatalogTables& tables, MaterialTable which);

// The same on the program's tables (the dbf folder of the configuration, the table window).
bool SelectMaterial(Workspace& ws);
bool BrowseMaterialTable(Workspace& ws, MaterialTable which);

}  // namespace bxr
