#pragma once

#include "print/report_canvas.h"

#include <QString>

#include <optional>

namespace orv {

class Dialogs;
struct Session;

// The file name the PDF save dialog proposes: the building's designation, made safe as a file name,
// with ".pdf"; empty for a building without one.
QString proposedPdfFileName(const Session& session);

// "Als PDF speichern...": asks for a file in the buildings folder and writes the report there as a PDF.
// Returns the path written; nothing when the dialog was cancelled or the write failed (reported
// through `dialogs`, the old file kept).
std::optional<QString> exportReportAsPdf(const Session& session, Dialogs& dialogs, const QString& today,
                                         const ReportPage& secondPage = {});

} // namespace orv
