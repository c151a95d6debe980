#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace orv {

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton standardButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Yes;
}

QFileDialog::Options fileDialogOptions()
{
    // Qt's own dialog speaks the loaded German translation and behaves the same on every desktop.
    return QFileDialog::DontUseNativeDialog;
}

} // namespace

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const Message& message, QWidget* parent)
{
    QString text = message.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto box = std::make_unique<QMessageBox>(boxIcon(message.icon), captionOrTitle(message.caption), text,
                                             boxButtons(message.buttons), parent);
    box->setTextFormat(Qt::PlainText);
    if (message.buttons != MessageButtons::Ok)
        box->setDefaultButton(standardButton(message.defaultAnswer.value_or(MessageAnswer::Yes)));
    return box;
}

MessageAnswer QtDialogs::show(const Message& message)
{
    const auto box = messageBox(message, dialogParent());
    switch (box->exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // Closing a question box without a button (Escape, window close) is never a yes.
    if (message.buttons == MessageButtons::YesNoCancel)
        return MessageAnswer::Cancel;
    if (message.buttons == MessageButtons::YesNo)
        return MessageAnswer::No;
    return MessageAnswer::Ok;
}

std::optional<QString> QtDialogs::inputBox(const QString& caption, const QString& prompt,
                                           const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), captionOrTitle(caption), prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent(), request.title, request.directory, request.filter);
    dialog.setOptions(fileDialogOptions());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent(), request.title, request.directory, request.filter);
    dialog.setOptions(fileDialogOptions()); // asks before overwriting: that option is off by default
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool installGermanTranslations(QCoreApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace orv
