#include "ui/settings/filtered_edit.h"

#include <QKeyEvent>

#include <algorithm>

namespace orv {

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {}

void FilteredEdit::setSpinRange(int low, int high)
{
    m_spin = std::pair{low, high};
}

void FilteredEdit::step(int delta)
{
    bool ok = false;
    const int value = text().toInt(&ok);
    const int next = std::clamp(ok ? value + delta : m_spin->first, m_spin->first, m_spin->second);
    emit aboutToStep();
    setText(QString::number(next));
}

void FilteredEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_spin && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        event->modifiers() == Qt::NoModifier) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    const QString text = event->text();
    const bool character = text.size() == 1 && text[0].isPrint();
    if (!m_filter || !character || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar typed = text[0];
    if (m_toolLetters.contains(typed.toLower())) {
        event->accept();
        emit toolLetter(typed.toLower());
        return;
    }
    const std::optional<QChar> passed = m_filter(typed);
    if (!passed) {
        event->accept();
        return;
    }
    if (*passed == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(*passed),
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
}

void FilteredEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

} // namespace orv
