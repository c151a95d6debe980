#include "ui/escape_key.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace orv {

namespace {

bool plainEscape(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

// Installed on the window, it sees the key events its children pass up as well.
class EscapeFilter final : public QObject
{
  public:
    EscapeFilter(QWidget& window, std::function<void()> action)
        : QObject(&window), m_action(std::move(action))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && plainEscape(event)) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && plainEscape(event)) {
            m_action();
            return true;
        }
        return false;
    }

  private:
    std::function<void()> m_action;
};

} // namespace

void handleEscapeIn(QWidget& window, std::function<void()> action)
{
    window.installEventFilter(new EscapeFilter(window, std::move(action)));
}

} // namespace orv
