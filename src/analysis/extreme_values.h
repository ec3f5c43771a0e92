// The rows of the summary of extreme values, as data that a drawing or a test reads.
//
// TO BE COMPLETED: ExtremeRows in extreme_values.cpp gives only the rows of the largest
// moment, slope and deflection in internal units; the stress rows, the axial-force and
// frequency rows, the support table, the unit conversion and the texts come with the
// summary itself.
#pragma once

#include <string>
#include <vector>

#include "model/beam_model.h"

namespace bxr {

struct Workspace;

struct ExtremeRow {
    std::string title;  // code page 850
    Real value = 0;
    int point = 0;      // index of the calculation point
    Real angle = 0;     // deg
    bool hasAngle = false;
};

std::vector<ExtremeRow> ExtremeRows(const Workspace& ws);

}  // namespace bxr
