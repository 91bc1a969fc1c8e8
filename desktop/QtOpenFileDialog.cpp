#include "desktop/QtOpenFileDialog.h"

#include <QFileDialog>
#include <QStringList>

QString QtOpenFileDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        entries.append(description.endsWith(QLatin1Char(')'))
                ? description
                : description + QStringLiteral(" (") + patterns + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

OpenFileResult QtOpenFileDialog::showOpen(QWidget *parent, const QString &filter)
{
    const QString chosen
        = QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter(filter));
    if (chosen.isEmpty())
        return { OpenFileResult::Status::Cancelled, {}, {} };
    return { OpenFileResult::Status::Accepted, chosen, {} };
}
