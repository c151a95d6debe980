#pragma once

#include "print/report_canvas.h"

#include <QByteArray>
#include <QString>

namespace orv {

struct Session;

// The calculation report as a one-page A4 PDF, the page's top-left corner as the origin.
// Needs a QGuiApplication (fonts). Empty when the PDF could not be produced.
QByteArray calculationReportPdf(const Session& session, const QString& today,
                                const ReportPage& secondPage = {});

} // namespace orv
