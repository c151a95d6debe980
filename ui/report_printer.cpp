#include "ui/report_printer.h"

#include "core/german_numbers.h"
#include "core/session.h"
#include "print/qt/painter_canvas.h"

#include <QPainter>
#include <QPrintDialog>

#include <algorithm>

namespace orv {

QtReportPrinter::QtReportPrinter(QWidget* dialogParent) : m_dialogParent(dialogParent)
{
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setDocName(QStringLiteral("Heizlastberechnung"));
}

QtReportPrinter::~QtReportPrinter()
{
    if (m_painter)
        endDocument();
}

int QtReportPrinter::takeCopies(QPrinter& printer)
{
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    return copies;
}

std::optional<int> QtReportPrinter::askCopies()
{
    QPrintDialog dialog(&m_printer, m_dialogParent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return takeCopies(m_printer);
}

bool QtReportPrinter::beginDocument()
{
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_painter.reset();
        return false;
    }
    setReportMapping(*m_painter, m_printer.resolution());
    m_canvas = std::make_unique<PainterCanvas>(*m_painter);
    return true;
}

ReportCanvas& QtReportPrinter::canvas()
{
    return *m_canvas;
}

void QtReportPrinter::newPage()
{
    m_printer.newPage();
}

void QtReportPrinter::endDocument()
{
    m_canvas.reset();
    m_painter->end();
    m_painter.reset();
}

int printReportWithDialog(const Session& session, QWidget* parent, const ReportPage& secondPage)
{
    QtReportPrinter printer(parent);
    return printCalculationReport(printer, session, shortDateToday(), secondPage);
}

} // namespace orv
