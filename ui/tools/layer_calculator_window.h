#pragma once

#include "tools/layer_calculation.h"
#include "tools/material_catalog.h"

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orv {

class Dialogs;
struct Session;

// "k-Wert-Berechner": up to five layers of a component, picked from the material catalogue or typed, give
// its k (outer wall, roof) or R (ground-contact wall, cellar floor). The table on screen and the stored layer
// list of the current kind and target are kept identical: every recalculation writes the table back, so
// closing without a hand-over keeps the layers. Results leave only through the hand-over sink.
class LayerCalculatorWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LayerCalculatorWindow)

  public:
    using HandOverSink = std::function<void(const LayerHandOver&)>;

    LayerCalculatorWindow(Session& session, Dialogs& dialogs, QWidget* mainWindow);
    ~LayerCalculatorWindow() override;

    // Works for `target` and component kind 1..4 from now on (the caller places the window); the sink takes
    // the hand-over (none: the hand-over buttons stay disabled). The first start opens the catalogue: false
    // when it is missing, after the message; the window has closed then.
    bool Startprozeduren(LayerTarget target, int kind, HandOverSink sink);
    // The target's layers changed behind the window (another building): shows them again.
    void k_WerteEintragen();
    // The target's destination went away (the settings window closed): nothing can be handed over.
    void dropHandOver();
    // The copy dialog's choice: the building's layers of `sourceKind` replace the table.
    void Kopieren(int sourceKind);

    LayerTarget target() const { return m_target; }
    int kind() const { return m_kind; }
    const LayerResult& result() const { return m_result; }
    QTableWidget* layerTable() const { return m_table; }
    QTableWidget* catalogList() const { return m_catalogList; }

  public slots:
    // Closing in any way (S&chließen, Escape, after the hand-over) closes the catalogue.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLayout();
    QWidget* buildLayerArea();
    QWidget* buildResultLine();
    QWidget* buildCatalogArea();
    QWidget* buildBottomButtons();

    void WandClick(int kind);
    void Form_Aendern();
    void AutoBerechnen();
    void k_Nummerierung();
    void BaustoffgruppeClick(int group);
    void BT_werteEintragen(int group);
    void Einfuegen();
    void deleteLayer();
    void deleteAllLayers();
    void openCopyDialog();
    void Uebernehmen(bool close);
    void advanceFromCell(int row, int column);

    LayerTable tableTexts() const;
    void showTable(const LayerTable& layers);
    void updateHandOverButtons();
    bool confirmed(const char* caption, const char* question);

    Session& m_session;
    Dialogs& m_dialogs;
    MaterialCatalog m_catalog;
    LayerTarget m_target;
    int m_kind = 1;
    HandOverSink m_handOver;
    LayerResult m_result;
    bool m_initialised = false;
    bool m_filling = false;
    int m_selectedCatalogRow = 0; // 1-based, 0 = none yet
    int m_selectedLayerRow = 0;   // 1-based, 0 = none yet

    QLabel* m_tableLabel = nullptr;
    QLabel* m_inputError = nullptr;
    QLabel* m_surfaceResistances = nullptr;
    QTableWidget* m_table = nullptr;
    QButtonGroup* m_kindButtons = nullptr;
    QLabel* m_kLabel = nullptr;
    QLabel* m_rLabel = nullptr;
    QLineEdit* m_kField = nullptr;
    QLineEdit* m_rField = nullptr;
    QLineEdit* m_thicknessField = nullptr;
    QTableWidget* m_catalogList = nullptr;
    QButtonGroup* m_groupButtons = nullptr;
    QPushButton* m_handOverButton = nullptr;
    QPushButton* m_handOverCloseButton = nullptr;
};

} // namespace orv
