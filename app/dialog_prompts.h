#pragma once
// The real prompts: Qt message boxes and file dialogs.
#include "app/prompts.h"

namespace orvex::app {

class DialogPrompts final : public Prompts {
public:
    /// `applicationTitle` titles the exception display, as it titles the application.
    explicit DialogPrompts(QString applicationTitle);

    void messageBox(const QString& text, const QString& title, Icon icon) override;
    /// An error box titled with the application title; a message not ending in a full stop
    /// (or other punctuation) gets one.
    void showException(const QString& message) override;
    /// `filter` may be given as "Description|*.ext|Description|*.ext" pairs or in Qt's own form.
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& filter) override;

    /// "Description|*.ext|..." pairs to Qt's "Description (*.ext);;..." form; other text as is.
    static QString qtFilter(const QString& filter);

private:
    QString m_applicationTitle;
};

} // namespace orvex::app
