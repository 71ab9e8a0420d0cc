#include "app/dialog_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace orvex::app {

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

DialogPrompts::DialogPrompts(QString applicationTitle) : m_applicationTitle(std::move(applicationTitle)) {}

void DialogPrompts::messageBox(const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok);
    box.exec();
}

void DialogPrompts::showException(const QString& message)
{
    QString text = message;
    // Characters up to '.' in code order (blank, '!', '?' ...) already close a sentence well
    // enough; everything after them gets a full stop.
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        text += QLatin1Char('.');
    messageBox(text, m_applicationTitle, Icon::Error);
}

QString DialogPrompts::openFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, title, folder, qtFilter(filter));
}

QString DialogPrompts::saveFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(nullptr, title, folder, qtFilter(filter));
}

QString DialogPrompts::qtFilter(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace orvex::app
