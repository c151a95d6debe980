#pragma once

#include "ui/main_window_fixture.h"
#include "ui/program_commands.h"
#include "ui/tools/geometry_tool_commands.h"

#include <QApplication>
#include <QTableWidget>

namespace orv::test {

// A started program with the roof, window-area and k/R tools on its main window.
class GeometryToolsTest : public MainWindowTest
{
  protected:
    GeometryToolCommands& tools()
    {
        auto* tools = app->commands().findChild<GeometryToolCommands*>();
        EXPECT_NE(tools, nullptr);
        return *tools;
    }

    // A tool letter typed into a main-window input, as the user would.
    void toolKey(InputId id, char key)
    {
        edit(id)->setFocus();
        QTest::keyClick(edit(id), key);
    }

    // Types into a table cell with real keys: the first key opens the cell's editor, the others reach it,
    // Enter closes it.
    static void typeCell(QTableWidget* table, int row, int column, const QString& keys)
    {
        table->setFocus();
        table->setCurrentCell(row, column);
        QTest::keyClick(table, Qt::Key_Backspace); // the cell's editor, emptied
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, table);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
    }
};

} // namespace orv::test
