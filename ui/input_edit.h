#pragma once

#include "core/input_controls.h"

#include <QLineEdit>

#include <functional>

namespace orv {

// An input of the main window. Typed characters go through the key filter of its kind; tool letters and
// double-clicks are handed on instead of reaching the text. Window shortcuts that a line edit would keep
// for itself (Ctrl+Z, Ctrl+A, ...) reach the window while their command is available.
class InputEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InputEdit)

  public:
    enum class Filter
    {
        Real,
        Integer,
        None
    };

    InputEdit(Filter filter, QWidget* parent = nullptr);

    void setWindowShortcutTest(std::function<bool(const QKeySequence&)> isWindowShortcut);

  signals:
    void characterTyped(QChar key); // before the filter decides
    void toolKeyPressed(orv::ToolKey key);
    void doubleClicked();
    void stepRequested(int delta); // up and down arrows of the storeys input

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Filter m_filter;
    std::function<bool(const QKeySequence&)> m_isWindowShortcut;
};

} // namespace orv
