#pragma once
// Prompts for tests: records every message box and exception display the user would have seen,
// and answers file dialogs from a queue (an empty queue answers "cancelled").
#include "app/prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace orvex::test {

class ScriptedPrompts final : public app::Prompts {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };
    enum class DialogKind { Open, Save };
    struct Dialog {
        DialogKind kind;
        QString title;
        QString folder;
        QString filter;
    };

    void messageBox(const QString& text, const QString& title, Icon icon) override
    {
        messages.push_back({text, title, icon});
        if (onMessage)
            onMessage(messages.back());
    }
    void showException(const QString& message) override { exceptions.push_back(message); }
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override
    {
        return answer({DialogKind::Open, title, folder, filter});
    }
    QString saveFileName(const QString& title, const QString& folder, const QString& filter) override
    {
        return answer({DialogKind::Save, title, folder, filter});
    }

    /// The next file dialog returns `path` (an empty path: the user cancels).
    void queueFileName(const QString& path) { fileAnswers.push_back(path); }

    /// The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

    void clear()
    {
        messages.clear();
        exceptions.clear();
        dialogs.clear();
    }

    std::vector<Message> messages;    ///< every message box, in order
    QStringList exceptions;           ///< every exception display's message, in order
    std::vector<Dialog> dialogs;      ///< every file dialog asked for, in order
    std::deque<QString> fileAnswers;  ///< answers of the next file dialogs
    /// Called while a message box is "open" (the box is modal: code after it waits).
    std::function<void(const Message&)> onMessage;

private:
    QString answer(Dialog dialog)
    {
        dialogs.push_back(std::move(dialog));
        if (fileAnswers.empty())
            return QString();
        QString path = fileAnswers.front();
        fileAnswers.pop_front();
        return path;
    }
};

} // namespace orvex::test
