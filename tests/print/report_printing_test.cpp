#include "print/report_printing.h"

#include "core/session.h"
#include "core/worked_examples.h"
#include "print/calculation_report.h"
#include "print/recording_canvas.h"

#include <gtest/gtest.h>

#include <deque>

using namespace orv;

namespace {

// Stands in for the print dialog and the print system: every job keeps its own drawing list.
class FakePrinter final : public ReportPrinter
{
  public:
    std::optional<int> copies;
    int refuseFromJob = -1; // the job number (from 0) that no longer starts
    int dialogs = 0;
    std::vector<RecordingCanvas> jobs;
    bool open = false;
    int pageBreaks = 0;

    std::optional<int> askCopies() override
    {
        ++dialogs;
        return copies;
    }
    bool beginDocument() override
    {
        EXPECT_FALSE(open) << "a job began inside another";
        if (refuseFromJob >= 0 && int(jobs.size()) >= refuseFromJob)
            return false;
        jobs.emplace_back();
        open = true;
        return true;
    }
    ReportCanvas& canvas() override
    {
        EXPECT_TRUE(open) << "drawing outside a job";
        return jobs.back();
    }
    void newPage() override
    {
        EXPECT_TRUE(open) << "a page break outside a job";
        ++pageBreaks;
    }
    void endDocument() override
    {
        EXPECT_TRUE(open);
        open = false;
    }
};

Session printableSession()
{
    Session s;
    s.settings = test::standardSettings();
    s.building = test::workedExample1();
    return s;
}

TEST(ReportPrintingTest, EachCopyIsItsOwnCompleteJob)
{
    const Session session = printableSession();
    RecordingCanvas onePage;
    drawCalculationReport(onePage, session, QStringLiteral("01.02.26"));

    FakePrinter printer;
    printer.copies = 3;
    EXPECT_EQ(printCalculationReport(printer, session, QStringLiteral("01.02.26")), 3);
    EXPECT_EQ(printer.dialogs, 1);
    ASSERT_EQ(printer.jobs.size(), 3u);
    for (const RecordingCanvas& job : printer.jobs)
        EXPECT_EQ(job.described(), onePage.described());
    EXPECT_EQ(printer.pageBreaks, 0);
    EXPECT_FALSE(printer.open);
}

TEST(ReportPrintingTest, ASecondPageFollowsThePageBreakInEveryCopy)
{
    const Session session = printableSession();
    RecordingCanvas onePage;
    drawCalculationReport(onePage, session, QStringLiteral("01.02.26"));
    int drawnAt = -1;
    FakePrinter printer;
    printer.copies = 2;
    const ReportPage second = [&](ReportCanvas& canvas) {
        drawnAt = printer.pageBreaks;
        canvas.line(1, 2, 3, 4);
    };
    EXPECT_EQ(printCalculationReport(printer, session, QStringLiteral("01.02.26"), second), 2);
    EXPECT_EQ(printer.pageBreaks, 2);
    EXPECT_EQ(drawnAt, 2);
    for (const RecordingCanvas& job : printer.jobs) {
        QStringList expected = onePage.described();
        expected << QStringLiteral("line 1,2-3,4");
        EXPECT_EQ(job.described(), expected);
    }
}

TEST(ReportPrintingTest, CancelPrintsNothing)
{
    FakePrinter printer; // no copies: the dialog was cancelled
    EXPECT_EQ(printCalculationReport(printer, printableSession(), QStringLiteral("01.02.26")), 0);
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST(ReportPrintingTest, APrinterThatRefusesAJobGetsNoFurtherCopies)
{
    FakePrinter printer;
    printer.copies = 4;
    printer.refuseFromJob = 1;
    EXPECT_EQ(printCalculationReport(printer, printableSession(), QStringLiteral("01.02.26")), 1);
    EXPECT_EQ(printer.jobs.size(), 1u);
}

} // namespace
