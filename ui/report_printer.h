#pragma once

#include "print/report_printing.h"

#include <QPrinter>

#include <memory>

class QPainter;
class QWidget;

namespace orv {

class PainterCanvas;

// The platform's printing: Qt's print dialog and one QPainter document per job on the chosen printer.
class QtReportPrinter final : public ReportPrinter
{
  public:
    explicit QtReportPrinter(QWidget* dialogParent);
    ~QtReportPrinter() override;
    Q_DISABLE_COPY_MOVE(QtReportPrinter)

    std::optional<int> askCopies() override;
    bool beginDocument() override;
    ReportCanvas& canvas() override;
    void newPage() override;
    void endDocument() override;

    QPrinter& printer() { return m_printer; }

    // The copies chosen in the dialog. The printer is set back to one copy, because each copy becomes a job
    // of its own and the print system must not multiply them once more.
    static int takeCopies(QPrinter& printer);

  private:
    QWidget* m_dialogParent;
    QPrinter m_printer{QPrinter::HighResolution};
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterCanvas> m_canvas;
};

// The Drucken command: print dialog with copies, then the report once per copy. Returns the jobs printed.
int printReportWithDialog(const Session& session, QWidget* parent, const ReportPage& secondPage = {});

} // namespace orv
