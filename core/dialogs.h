#pragma once

#include "core/messages.h"

#include <QString>

#include <optional>

namespace orv {

// Every modal interaction goes through here: Qt dialogs in the program, a scripted fake in tests.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer show(const Message& message) = 0;
    // Returns no value when the user cancels.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& defaultText) = 0;
};

} // namespace orv
