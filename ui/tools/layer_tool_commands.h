#pragma once

#include "tools/layer_calculation.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace orv {

class Dialogs;
class LayerCalculatorWindow;
class MainWindow;
struct Session;

// Connects the layer calculator to the main window: the tool letter "b" and double-clicks on the component
// inputs, the command Ak_Wert (F3, outer wall), the hand-over into the inputs and the refill when another
// building is shown. The settings window opens it for a preset slot through openForPreset.
class LayerToolCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LayerToolCommands)

  public:
    using PresetReceiver = std::function<void(const LayerHandOver&)>;

    LayerToolCommands(Session& session, Dialogs& dialogs, MainWindow& window);
    ~LayerToolCommands() override;

    // Opens the calculator, or reuses the open one, for component kind 1..4 of the building.
    void openForBuilding(int kind);
    // ... for preset slot 1..7; `receiver` writes the value and the summary into the preset's fields.
    void openForPreset(int slot, int kind, PresetReceiver receiver);
    // The preset's fields are gone: a calculator working for a preset keeps its layers but hands nothing
    // over.
    void presetFieldsClosed();
    // The preset's window closed for good: a calculator working for a preset closes too.
    void closeForPreset();

    // Null while the calculator is closed.
    LayerCalculatorWindow* calculator() const;

  private:
    void open(LayerTarget target, int kind, std::function<void(const LayerHandOver&)> sink);
    void handOverToBuilding(const LayerHandOver& handOver);

    Session& m_session;
    Dialogs& m_dialogs;
    MainWindow& m_window;
    QPointer<LayerCalculatorWindow> m_calculator;
};

} // namespace orv
