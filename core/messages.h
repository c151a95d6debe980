#pragma once

#include <QString>

#include <optional>

namespace orv {

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Error,
    Question
};
enum class MessageButtons
{
    Ok,
    YesNo,
    YesNoCancel
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

// A message box as the logic asks for it; "\r" in `text` is a line break.
struct Message
{
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button Enter presses; none: the first one.
    std::optional<MessageAnswer> defaultAnswer = std::nullopt;

    friend bool operator==(const Message&, const Message&) = default;
};

} // namespace orv
