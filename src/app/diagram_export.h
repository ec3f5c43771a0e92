// The "export" command of the diagram menu: the station results as a text table.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "report/diagram_table.h"
#include "report/output_channel.h"
#include "workspace/workspace.h"

namespace bxr {

struct DiagramTableRequest {
    DiagramTableKind kind = DiagramTableKind::Forces;
    int count = 0;  // points along the beam
};

// Asks which table and how many points: a whole number from 50 to segments, proposing
// segments, through the shared range prompt (refused texts and values are asked again; a
// fraction is rounded). Nothing when the user cancels either question.
std::optional<DiagramTableRequest> AskDiagramTableRequest(Ui& ui, const OutputSettings& settings,
                                                          int segments);

// Where the table's values come from: the beam length, the segment count of the last
// calculation and the values of a station for a table (DiagramTableValues of the station).
struct DiagramExportSource {
    Real length = 0;
    int segments = 0;
    std::function<std::vector<Real>(int station, DiagramTableKind kind)> values;
};

// The stations of the workspace's last calculation as the export's source: the model's
// length, the segment count of the last pass and each station's values.
DiagramExportSource StationExportSource(const Workspace& ws);

// The whole command on current results: asks, opens the output as the project name + ".TXT"
// without page headers, writes the table, closes and shows it. Clears the abort flag first;
// a cancelled question sets it and writes nothing. True when a table was written.
bool ExportDiagramTable(Workspace& ws, OutputChannel& out, const DiagramExportSource& source);

}  // namespace bxr
