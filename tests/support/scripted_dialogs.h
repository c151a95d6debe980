#pragma once

#include "core/dialogs.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

namespace orv::test {

// Stands in for every modal dialog: answers come from queues filled by the test, and everything shown is
// recorded. An interaction without a queued answer is an unexpected dialog: it throws, so the test fails
// instead of hanging. Messages with only an OK button need no queued answer.
class ScriptedDialogs : public Dialogs
{
  public:
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<QString>> files;

    std::vector<Message> shown;
    std::vector<FileDialogRequest> fileRequests;
    QStringList inputPrompts;
    QStringList inputDefaults; // the text each input box was pre-filled with

    MessageAnswer show(const Message& message) override
    {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return next(answers, "message");
    }

    std::optional<QString> inputBox(const QString& caption, const QString&,
                                    const QString& defaultText) override
    {
        inputPrompts << caption;
        inputDefaults << defaultText;
        return next(inputs, "input box");
    }

    std::optional<QString> openFile(const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        return next(files, "open dialog");
    }

    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        return next(files, "save dialog");
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Message& m : shown)
            result << m.text;
        return result;
    }

  private:
    template <typename T> static T next(std::deque<T>& queue, const char* what)
    {
        if (queue.empty())
            throw std::logic_error(std::string("unexpected ") + what);
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace orv::test
