// The program's whole state, the single instance behind the window or a batch run: what a
// calculation works on (CalcState) and everything around it, the project documentation, the
// table window's state, the catalogue choices, the project's name and folder, the recent
// files and the user interface. There are no other globals.
//
// Who takes what: the commands of app/ and the reports and drawings of a whole project
// (report/, graphics/) take a Workspace&. The calculation (analysis/) takes a CalcState&, and
// the layers below it take only the records they need.
#pragma once

#include <string>
#include <vector>

#include "analysis/calc_state.h"
#include "model/documentation.h"
#include "platform/null_ui.h"
#include "sections/profile_contour.h"
#include "tables/table_state.h"

namespace bxr {

struct Workspace : CalcState {
    ProjectDocumentation documentation;
    TableState table;
    ProfileCatalogState profiles;  // row buffers of the profile families, typed dimensions

    std::string currentName;  // project name without folder and extension; empty when new
    std::string dataFolder;   // folder of the current project
    std::vector<std::string> recentFiles;  // full paths, most recent first, at most 4
    std::string commandLineProject;        // the project named on the command line, if any

    Ui* ui = &NullUi::Shared();  // not owned; never null
};

}  // namespace bxr
