// The profile commands: the choice of family and row (SelectProfile), the generation of the
// contour from it (Edit -> "Profile..." and New), and the browsing of the family tables
// (Database -> "Profile...").
#pragma once

#include <cstdint>

namespace bxr {

struct Workspace;
class CatalogTables;

inline constexpr int kProfilePick = 1;
inline constexpr int kProfileEdit = 0;

// Shows "Profil" with the model's family preselected and, for the eight table families, the
// family table (mode 1 pick, 0 edit); the picked row goes into the family's row buffer and
// its number into profileRecord. False, with the abort flag set, when the user cancels or the
// table is missing.
bool SelectProfile(Workspace& ws, CatalogTables& tables, int mode);

// Picks a family and row, asks whether to drop the old contour and whether to turn the
// coordinates to the z-y system, asks the dimensions of a parametric shape, and replaces the
// contour. True when the contour was replaced: the model is then marked modified and the
// section values are computed (their messages in the calculation messages); false leaves the
// contour as it was.
bool GenerateProfile(Workspace& ws, CatalogTables& tables);

// Database -> "Profile...": the family table for browsing and editing; no contour.
bool BrowseProfileTables(Workspace& ws, CatalogTables& tables);

// The same on the program's tables (the dbf folder of the configuration, the table window).
bool GenerateProfile(Workspace& ws);
bool BrowseProfileTables(Workspace& ws);

}  // namespace bxr
