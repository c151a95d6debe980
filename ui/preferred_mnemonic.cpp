#include "ui/preferred_mnemonic.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcutEvent>

namespace orv {

PreferredMnemonic::PreferredMnemonic(QAbstractButton* button, QObject* parent)
    : QObject(parent), m_button(button)
{
}

bool PreferredMnemonic::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous() && shortcut->key() == QKeySequence::mnemonic(m_button->text()) &&
            m_button->isVisible() && m_button->isEnabled()) {
            m_button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orv
