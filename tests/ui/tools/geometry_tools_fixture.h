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

    // Every caption of an input ("…:") announces its input.
    static void expectCaptionsHaveBuddies(QWidget* tool)
    {
        for (QLabel* label : tool->findChildren<QLabel*>()) {
            if (label->text().endsWith(QLatin1Char(':'))) {
                EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
            }
        }
    }

    // Types over a table cell with real keys: the first key opens the cell's editor in place of the text,
    // the others reach the editor, Enter closes it.
    static void typeCell(QTableWidget* table, int row, int column, const QString& keys)
    {
        table->setFocus();
        table->setCurrentCell(row, column);
        QTest::keyClicks(table, keys.left(1));
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, table);
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
    }
};

} // namespace orv::test
