// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// One message of a Qt Linguist catalogue (.ts), as the tests read it.
struct CatalogueMessage {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

inline QList<CatalogueMessage> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<CatalogueMessage> messages;
    QString context;
    bool numerus = false;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({ context, {}, {}, {} });
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            // A count's plural forms are inside, read one by one below.
            if (!numerus)
                messages.last().translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    return messages;
}
