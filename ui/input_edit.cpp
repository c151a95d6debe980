#include "ui/input_edit.h"

#include <QKeyEvent>

namespace orv {

InputEdit::InputEdit(Filter filter, QWidget* parent) : QLineEdit(parent), m_filter(filter) {}

void InputEdit::setWindowShortcutTest(std::function<bool(const QKeySequence&)> isWindowShortcut)
{
    m_isWindowShortcut = std::move(isWindowShortcut);
}

bool InputEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && m_isWindowShortcut) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            m_isWindowShortcut(QKeySequence(key->keyCombination()))) {
            event->ignore(); // not ours: let the window's shortcut fire
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_filter == Filter::Integer && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        event->modifiers() == Qt::NoModifier) {
        emit stepRequested(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    const QString text = event->text();
    // Only characters are filtered; editing and navigation keys and Ctrl shortcuts keep their meaning.
    const bool character = text.size() == 1 && (text[0].isPrint() || text[0].unicode() == 8);
    if (m_filter == Filter::None || !character || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // An Alt+letter that no mnemonic took still carries its letter: it is neither typed nor a tool key.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        event->accept();
        return;
    }
    emit characterTyped(text[0]);
    const FilteredKey result = m_filter == Filter::Real ? Real_Press(text[0]) : IntegerPress(text[0]);
    if (result.tool != ToolKey::None)
        emit toolKeyPressed(result.tool);
    if (!result.character) {
        event->accept();
        return;
    }
    if (*result.character == text[0]) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(*result.character),
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
}

void InputEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace orv
