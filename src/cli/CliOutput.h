// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include "core/common/MessageBox.h"

/** @brief The exit codes of orvanta-cli. */
enum class ExitCode : int { Ok = 0, Usage = 1, Meter = 2, File = 3, Interrupted = 130 };

/** @brief One line on standard error: "orvanta-cli: <text>". */
void printError(const QString& text);

/** @brief The session's messages for a program without windows: kept, never asked. A question
 *  (setting a foreign database aside, say) is answered No, so nothing is renamed unasked. */
class CliMessages : public MessageBox {
public:
    void tell(const QString& text) override { texts.append(text); }
    bool askYesNo(const QString& text) override {
        texts.append(text);
        return false;
    }
    QStringList texts;
};

/** @brief Ctrl+C and SIGTERM as a Qt signal, delivered from the event loop. */
class Interruption : public QObject {
    Q_OBJECT
public:
    explicit Interruption(QObject* parent = nullptr);
    ~Interruption() override;

Q_SIGNALS:
    void requested();
};

/** @brief True when standard error is a terminal (a progress line is shown only then). */
bool stderrIsTerminal();
