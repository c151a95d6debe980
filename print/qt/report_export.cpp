#include "print/qt/report_export.h"

#include "core/dialogs.h"
#include "core/session.h"
#include "files/atomic_write.h"
#include "print/qt/report_pdf.h"

namespace orv {

QString proposedPdfFileName(const Session& session)
{
    const BuildingRecord& b = session.building;
    QString name = b.HasBuildingInfo ? b.BuildingName.trimmed() : QString();
    if (name.isEmpty())
        return {};
    // A designation like "Haus 1/2" must not turn into a folder.
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    return name + QStringLiteral(".pdf");
}

std::optional<QString> exportReportAsPdf(const Session& session, Dialogs& dialogs, const QString& today,
                                         const ReportPage& secondPage)
{
    const std::optional<QString> path = dialogs.saveFile(
        {QStringLiteral("Als PDF speichern"), QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"),
         session.settings.BuildingsFolder, proposedPdfFileName(session)});
    if (!path || path->isEmpty())
        return std::nullopt;
    const QByteArray pdf = calculationReportPdf(session, today, secondPage);
    if (pdf.isEmpty() || !writeFileAtomically(*path, pdf)) {
        Message error;
        error.text = QStringLiteral("Fehler bei Datenträgerzugriff.");
        error.caption = QStringLiteral("Fehler");
        error.icon = MessageIcon::Error;
        dialogs.show(error);
        return std::nullopt;
    }
    return path;
}

} // namespace orv
