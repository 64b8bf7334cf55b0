#pragma once
// Makes the table a request names: reads the meeting file as 開く does, draws the pages
// with the window's layouts or builds the rows, and writes the output whole or not at all.

#include "cli/ExportOptions.h"

#include <QString>

namespace cli {

struct ExportOutcome {
    int exitCode = 0; // 0 written, 1 refused or not written
    QString notice;   // what to tell on standard error (also on success, e.g. a frame switched)
};

ExportOutcome runExport(const ExportRequest &request, bool japanese);

} // namespace cli
