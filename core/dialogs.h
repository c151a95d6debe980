#pragma once

#include "core/messages.h"

#include <QString>

#include <optional>

namespace orv {

// What a file dialog is asked for: title, filter ("Gebäudedateien (*.orv)"), default suffix without dot,
// starting folder and proposed file name.
struct FileDialogRequest
{
    QString title;
    QString filter;
    QString defaultSuffix;
    QString directory;
    QString fileName;
};

// Every modal interaction goes through here: Qt dialogs in the program, a scripted fake in tests.
class Dialogs
{
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer show(const Message& message) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& defaultText) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    // Asks before overwriting an existing file.
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace orv
