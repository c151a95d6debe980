#pragma once

#include <QDialog>

#include <array>

class QRadioButton;

namespace orv {

// "Kopieren in aktuellen k-Wert": picks another component kind of the building whose layers replace those of
// the calculator's current kind. Created for one use; deletes itself when closed.
class CopyLayersDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CopyLayersDialog)

  public:
    CopyLayersDialog(int currentKind, QWidget* calculator);

    // Places the dialog 200 pixels below the calculator's top edge, centred on it, and shows it.
    void Startprozeduren(const QRect& calculatorGeometry);

    QRadioButton* option(int kind) const { return m_options.at(kind - 1); }
    int selectedKind() const;

    // The source kind a current kind starts from.
    static int preselectedSource(int currentKind);

  signals:
    void copyRequested(int sourceKind);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void copy();

    std::array<QRadioButton*, 4> m_options{};
};

} // namespace orv
