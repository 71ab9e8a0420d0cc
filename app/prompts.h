#pragma once
// Every message box and file dialog of the tool goes through this interface, so tests can
// answer them and see what the user would have seen.
#include <QString>

namespace orvex::app {

class Prompts {
public:
    enum class Icon { Error, Warning, Information };

    virtual ~Prompts() = default;
    /// A modal message box without owner window, with one OK button.
    virtual void messageBox(const QString& text, const QString& title, Icon icon) = 0;
    /// The application's standard exception display: an error box with the message.
    virtual void showException(const QString& message) = 0;
    /// File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& folder, const QString& filter) = 0;
};

} // namespace orvex::app
