#include "ui/tools/geometry_tool_support.h"

#include "ui/input_edit.h"
#include "ui/main_window.h"

#include <QLayout>

#include <cmath>

namespace orv {

void handOverToInput(MainWindow& window, InputId id, const QString& text)
{
    InputEdit* input = window.input(id);
    if (input->text() == text)
        window.DatenVollstaendig(true);
    else
        input->setText(text); // the change handling runs the road
}

void placeToolWindow(QWidget& tool, const MainWindow& window, int top)
{
    if (QLayout* layout = tool.layout())
        layout->activate();
    const QSize size = tool.sizeHint() + QSize(window.extraWidth(), window.extraHeight());
    tool.resize(size.expandedTo(tool.minimumSizeHint()));
    const QRect main = window.frameGeometry();
    tool.move(main.left() + static_cast<int>(std::lround((main.width() - tool.width()) / 2.0)),
              main.top() + top);
}

void raiseToolWindow(QWidget& tool)
{
    if (tool.isMinimized())
        tool.showNormal();
    tool.raise();
    tool.activateWindow();
}

} // namespace orv
