// The single instance of the program's state: the model and everything that lives beside it.
// The GUI owns one; every test and every batch run makes its own. There are no other globals.
#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_results.h"
#include "model/calc_messages.h"
#include "config/configuration.h"
#include "model/beam_model.h"
#include "model/documentation.h"
#include "sections/material_catalog.h"
#include "sections/profile_contour.h"
#include "sections/section_properties.h"
#include "platform/null_ui.h"
#include "tables/table_state.h"

namespace bxr {

class Ui;  // NOLINT

struct Workspace {
    BeamModel model;
    ProjectDocumentation documentation;
    Configuration config;
    SectionState section;
    CalcMessages messages;
    AnalysisResults results;
    TableState table;
    ProfileCatalogState profiles;    // row buffers of the profile families, typed dimensions
    MaterialCatalogState materials;  // fatigue values, DIN 743 row and surface values

    std::string currentName;  // project name without folder and extension; empty when new
    std::string dataFolder;   // folder of the current project
    std::vector<std::string> recentFiles;  // full paths, most recent first, at most 4
    std::string commandLineProject;        // the project named on the command line, if any
    bool abortFlag = false;

    Ui* ui = &NullUi::Shared();  // not owned; never null

    const OutputSettings& output() const { return config.output; }
};

}  // namespace bxr
