#pragma once

#include "print/report_canvas.h"

#include <QString>

#include <optional>

namespace orv {

struct Session;

// The printer as the print command sees it: the platform's print dialog and one print job at a time.
class ReportPrinter
{
  public:
    virtual ~ReportPrinter() = default;

    // Shows the print dialog: the number of copies chosen, or nothing when it was cancelled.
    virtual std::optional<int> askCopies() = 0;
    // Starts one print job of a single copy; false when the printer cannot start it.
    virtual bool beginDocument() = 0;
    // The page of the running job, in 0.1 mm.
    virtual ReportCanvas& canvas() = 0;
    // Ends the page of the running job; the canvas then draws on the next one.
    virtual void newPage() = 0;
    // Ends the job and hands it to the print system.
    virtual void endDocument() = 0;
};

// The print command: after the dialog, one separate job per copy, so that each copy leaves the printer
// as a complete document. Cancel prints nothing. Returns the number of jobs handed to the printer.
int printCalculationReport(ReportPrinter& printer, const Session& session, const QString& today,
                           const ReportPage& secondPage = {});

} // namespace orv
