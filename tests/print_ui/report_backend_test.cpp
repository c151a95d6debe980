#include "core/automatic_calculation.h"
#include "core/session.h"
#include "core/worked_examples.h"
#include "print/calculation_report.h"
#include "print/qt/painter_canvas.h"
#include "print/qt/report_export.h"
#include "print/qt/report_pdf.h"
#include "print/recording_canvas.h"
#include "support/scripted_dialogs.h"
#include "ui/report_printer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orv;

namespace {

Session calculatedSession(orv::BuildingRecord building)
{
    Session s;
    s.settings = test::standardSettings();
    s.building = std::move(building);
    EXPECT_EQ(calculateStoredBuilding(s.building, s.settings, s.results).status, CalcStatus::Ok);
    return s;
}

Session secondExample()
{
    BuildingRecord b = test::workedExample2();
    b.HasBuildingInfo = true;
    b.BuildingName = QStringLiteral("Haus Müller/Süd");
    b.Editor = QStringLiteral("Erika Muster");
    b.Client = QStringLiteral("Familie Müller");
    b.Street = QStringLiteral("Große Straße 12");
    b.PostCode = QStringLiteral("D-12345");
    b.Town = QStringLiteral("Musterstadt");
    return calculatedSession(b);
}

// A 254-dpi page: one pixel per 0.1 mm, so positions in the image are report units.
QImage a4Page()
{
    QImage page(2100, 2970, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    page.fill(Qt::white);
    return page;
}

TEST(PainterCanvasTest, TextCellsHaveTheRequestedHeight)
{
    QImage page = a4Page();
    QPainter painter(&page);
    setReportMapping(painter, 254);
    PainterCanvas canvas(painter);
    for (int height : {30, 40, 50, 60, 80}) {
        QFont font(QStringLiteral("arial"));
        font.setPixelSize(canvas.pixelSizeFor(QStringLiteral("arial"), height));
        EXPECT_NEAR(QFontMetricsF(font, &page).height(), height, 1.5) << height;
    }
}

TEST(PainterCanvasTest, TheSecondExampleFitsThePageWithoutOverlaps)
{
    const Session session = secondExample();
    RecordingCanvas recorded;
    drawCalculationReport(recorded, session, QStringLiteral("24.11.26"));

    QImage page = a4Page();
    QPainter painter(&page);
    setReportMapping(painter, 254);
    PainterCanvas canvas(painter);
    std::vector<std::pair<QRectF, QString>> boxes;
    for (const DrawOp& op : recorded.ops) {
        if (op.kind != DrawOp::Kind::Text || op.text.isEmpty())
            continue;
        QFont font(op.fontName);
        font.setPixelSize(canvas.pixelSizeFor(op.fontName, op.height));
        const QFontMetricsF metrics(font, &page);
        boxes.emplace_back(QRectF(op.x, op.y, metrics.horizontalAdvance(op.text), metrics.height()), op.text);
    }
    // The ruled lines span 150..1800; nothing may run past them or off the page.
    const QRectF area(150, 0, 1650, 2970);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(area.contains(boxes[i].first)) << boxes[i].second.toStdString();
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].first.intersects(boxes[j].first))
                << boxes[i].second.toStdString() << " / " << boxes[j].second.toStdString();
    }
}

TEST(PainterCanvasTest, RulesAndLogoLandWhereTheReportPutsThem)
{
    const Session session = secondExample();
    QImage page = a4Page();
    {
        QPainter painter(&page);
        setReportMapping(painter, 254);
        PainterCanvas canvas(painter);
        drawCalculationReport(canvas, session, QStringLiteral("24.11.26"));
    }
    const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    for (int y : {80, 200, 1575, 1665, 2750}) {
        EXPECT_TRUE(dark(150, y) && dark(975, y) && dark(1799, y)) << "rule at " << y;
        EXPECT_FALSE(dark(149, y) || dark(1801, y)) << "rule ends at " << y;
        EXPECT_FALSE(dark(975, y - 3) || dark(975, y + 3)) << "thin rule at " << y;
    }
    // The logo's dark frame is inside its square, the paper around it is white.
    EXPECT_TRUE(dark(151, 140) && dark(152, 140));
    EXPECT_FALSE(dark(145, 140));
}

TEST(ReportPdfTest, IsOneA4Page)
{
    const QByteArray pdf = calculationReportPdf(secondExample(), QStringLiteral("24.11.26"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.") && pdf.contains(" 842.")) << "A4 in points";
}

TEST(ReportExportTest, ProposesTheDesignationAndWritesThePdf)
{
    QTemporaryDir dir;
    Session session = secondExample();
    session.settings.BuildingsFolder = dir.path() + QLatin1Char('/');
    test::ScriptedDialogs dialogs;
    const QString target = dir.filePath(QStringLiteral("bericht.pdf"));
    dialogs.files.push_back(target);

    EXPECT_EQ(exportReportAsPdf(session, dialogs, QStringLiteral("24.11.26")), target);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.fileRequests.front();
    EXPECT_EQ(request.fileName, QStringLiteral("Haus Müller_Süd.pdf"));
    EXPECT_EQ(request.directory, session.settings.BuildingsFolder);
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(request.filter.contains(QStringLiteral("*.pdf")));
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF-"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ReportExportTest, CancelWritesNothingAndAFailedWriteIsReported)
{
    QTemporaryDir dir;
    const Session session = secondExample();
    test::ScriptedDialogs dialogs;
    dialogs.files.push_back(std::nullopt);
    EXPECT_EQ(exportReportAsPdf(session, dialogs, QStringLiteral("24.11.26")), std::nullopt);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());

    dialogs.files.push_back(dir.filePath(QStringLiteral("fehlt/bericht.pdf")));
    EXPECT_EQ(exportReportAsPdf(session, dialogs, QStringLiteral("24.11.26")), std::nullopt);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Fehler bei Datenträgerzugriff.")});

    Session unnamed = session;
    unnamed.building.HasBuildingInfo = false;
    EXPECT_EQ(proposedPdfFileName(unnamed), QString());
}

TEST(QtReportPrinterTest, CopiesBecomeSeparateSingleCopyJobs)
{
    QPrinter printer;
    printer.setCopyCount(3);
    EXPECT_EQ(QtReportPrinter::takeCopies(printer), 3);
    EXPECT_EQ(printer.copyCount(), 1) << "the print system must not multiply each job";
}

TEST(QtReportPrinterTest, AJobPrintsTheReportPage)
{
    QTemporaryDir dir;
    QtReportPrinter printer(nullptr);
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(dir.filePath(QStringLiteral("job.pdf")));
    ASSERT_TRUE(printer.beginDocument());
    drawCalculationReport(printer.canvas(), secondExample(), QStringLiteral("24.11.26"));
    printer.endDocument();
    QFile job(dir.filePath(QStringLiteral("job.pdf")));
    ASSERT_TRUE(job.open(QIODevice::ReadOnly));
    const QByteArray pdf = job.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "the logo";
}

} // namespace
