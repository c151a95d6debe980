#include "print/report_printing.h"

#include "print/calculation_report.h"

namespace orv {

int printCalculationReport(ReportPrinter& printer, const Session& session, const QString& today,
                           const ReportPage& secondPage)
{
    const std::optional<int> copies = printer.askCopies();
    if (!copies)
        return 0;
    int jobs = 0;
    for (int copy = 0; copy < *copies; ++copy) {
        // A printer that refuses one job refuses the next as well; its own layer has said why.
        if (!printer.beginDocument())
            break;
        drawCalculationReport(printer.canvas(), session, today);
        if (secondPage) {
            printer.newPage();
            secondPage(printer.canvas());
        }
        printer.endDocument();
        ++jobs;
    }
    return jobs;
}

} // namespace orv
