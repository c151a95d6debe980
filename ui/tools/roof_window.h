#pragma once

#include "tools/roof_geometry.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {

class Dialogs;
class InputEdit;
class MainWindow;
class RoofSketch;
struct Session;

// "Berechnung der Dachfläche": roof area, roof-space volume and gable area of a gable roof from its height
// or its pitch, handed into the building and the main window's roof inputs. Modeless; closing by any way
// other than the hand-over re-reads the main window, which undoes a swap of length and width.
class RoofWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoofWindow)

  public:
    RoofWindow(Session& session, Dialogs& dialogs, MainWindow& window);

    // Places the window over the main window, fills it from the record and shows it.
    void Startprozeduren();
    // Fills the window from the record; also when another building was opened while it is open.
    void EingabenEinlesen();

    QRadioButton* pitchOption() const { return m_pitchOption; }
    QRadioButton* heightOption() const { return m_heightOption; }
    InputEdit* pitchEdit() const { return m_pitch; }
    InputEdit* heightEdit() const { return m_height; }
    QLabel* lengthLabel() const { return m_length; }
    QLabel* widthLabel() const { return m_width; }
    QLineEdit* roofAreaField() const { return m_roofArea; }
    QLineEdit* volumeField() const { return m_volume; }
    QLineEdit* gableAreaField() const { return m_gableArea; }
    QPushButton* swapButton() const { return m_swap; }
    QPushButton* calculateButton() const { return m_calculate; }
    QPushButton* handOverButton() const { return m_handOver; }
    QPushButton* cancelButton() const { return m_cancel; }
    RoofSketch* sketch() const { return m_sketch; }

  public slots:
    // "&Abbruch", Escape and the close button.
    void reject() override;

  private:
    void buildLayout();
    void selectMode(bool byHeight);
    void Berechnen();
    void BitBtn3Click();
    void bitbtn1Click();
    void showDimensions();
    void showResults(const RoofValues& roof);
    void clearResults();
    void forgetResult();

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    // The last successful calculation: what the hand-over writes, height, pitch and results together.
    std::optional<RoofValues> m_result;

    QRadioButton* m_pitchOption = nullptr;
    QRadioButton* m_heightOption = nullptr;
    InputEdit* m_pitch = nullptr;
    InputEdit* m_height = nullptr;
    QLabel* m_pitchUnit = nullptr;
    QLabel* m_heightUnit = nullptr;
    QLabel* m_length = nullptr;
    QLabel* m_width = nullptr;
    QLineEdit* m_roofArea = nullptr;
    QLineEdit* m_volume = nullptr;
    QLineEdit* m_gableArea = nullptr;
    QPushButton* m_swap = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_handOver = nullptr;
    QPushButton* m_cancel = nullptr;
    RoofSketch* m_sketch = nullptr;
};

} // namespace orv
