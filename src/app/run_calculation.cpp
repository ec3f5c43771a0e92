#include "app/run_calculation.h"

#include "analysis/run_analysis.h"

namespace bxr {

void RunCalculation(Workspace& ws) {
    RunAnalysis(ws);
    for (const std::string& box : ws.results.boxMessages) ws.ui->ShowMessage(box);
}

}  // namespace bxr
