// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

/** @brief One byte-stream case from tests/data/streams: the bytes, the modes before, the calls
 *  the engine must make and the state after. */
struct StreamCase {
    QString name;
    QByteArray bytes;
    QMap<QString, QString> modes;
    QMap<QString, int> failures;
    QStringList calls;
    QMap<QString, QString> state;

    /** @brief "\n", "\r", "\xHH" and "\\" escapes of the stream line. */
    static QByteArray unescape(const QString& text) {
        QByteArray out;
        const QByteArray in = text.toLatin1();
        for (qsizetype i = 0; i < in.size(); ++i) {
            if (in[i] != '\\' || i + 1 >= in.size()) {
                out.append(in[i]);
                continue;
            }
            const char c = in[++i];
            if (c == 'n')
                out.append('\n');
            else if (c == 'r')
                out.append('\r');
            else if (c == 'x' && i + 2 < in.size()) {
                out.append(static_cast<char>(in.mid(i + 1, 2).toInt(nullptr, 16)));
                i += 2;
            } else
                out.append(c);
        }
        return out;
    }

    static QMap<QString, QString> pairs(const QString& text) {
        QMap<QString, QString> out;
        for (const QString& p : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const qsizetype eq = p.indexOf(QLatin1Char('='));
            out.insert(p.left(eq),
                       QString(p.mid(eq + 1)).replace(QLatin1Char('_'), QLatin1Char(' ')));
        }
        return out;
    }

    static QList<StreamCase> loadAll(const QString& folder) {
        QList<StreamCase> out;
        const QDir dir(folder);
        for (const QString& f :
             dir.entryList({QStringLiteral("*.stream")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(f));
            if (!file.open(QIODevice::ReadOnly)) continue;
            StreamCase c;
            c.name = f.chopped(7);
            for (const QString& raw :
                 QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'))) {
                if (raw.startsWith(QLatin1Char('#')) || raw.trimmed().isEmpty()) continue;
                const qsizetype colon = raw.indexOf(QLatin1Char(':'));
                const QString key = raw.left(colon);
                const QString value = raw.mid(colon + 1).trimmed();
                if (key == QLatin1String("stream"))
                    c.bytes = unescape(raw.mid(colon + 2));
                else if (key == QLatin1String("modes"))
                    c.modes = pairs(value);
                else if (key == QLatin1String("state"))
                    c.state = pairs(value);
                else if (key == QLatin1String("fail")) {
                    const auto f2 = pairs(value);
                    for (auto it = f2.begin(); it != f2.end(); ++it)
                        c.failures.insert(it.key(), it.value().toInt());
                } else if (key == QLatin1String("calls")) {
                    for (const QString& call : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                        c.calls << call.trimmed();
                }
            }
            out.append(c);
        }
        return out;
    }
};
