#include "print/qt/report_pdf.h"

#include "core/program_info.h"
#include "core/session.h"
#include "print/calculation_report.h"
#include "print/qt/painter_canvas.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace orv {

QByteArray calculationReportPdf(const Session& session, const QString& today, const ReportPage& secondPage)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QString::fromUtf8(kProgramCaption).trimmed());
        writer.setTitle(QStringLiteral("Heizlastberechnung ") + session.building.BuildingName);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        setReportMapping(painter, writer.resolution());
        PainterCanvas canvas(painter);
        drawCalculationReport(canvas, session, today);
        if (secondPage) {
            writer.newPage();
            secondPage(canvas);
        }
        if (!painter.end())
            return {};
    }
    return buffer.data();
}

} // namespace orv
