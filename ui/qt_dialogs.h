#pragma once

#include "core/dialogs.h"

#include <QString>

#include <memory>

class QCoreApplication;
class QMessageBox;
class QWidget;

namespace orv {

// The program's modal dialogs: Qt's message box, input box and file dialogs over the active window.
class QtDialogs final : public Dialogs
{
  public:
    QtDialogs() = default;
    Q_DISABLE_COPY_MOVE(QtDialogs)

    MessageAnswer show(const Message& message) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& defaultText) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;

    // The message box as it would be shown; separate so that its texts and buttons can be checked.
    static std::unique_ptr<QMessageBox> messageBox(const Message& message, QWidget* parent);
};

// Qt's own texts (buttons, context menus, dialogs) in German; false when the translation is missing.
bool installGermanTranslations(QCoreApplication& application);

} // namespace orv
