// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>

/** @brief What the programs ask of the system about themselves: who runs them, where their
 *  error output goes, and the signals they handle. These exist only on POSIX systems (see
 *  CONTRIBUTING.md); another system replaces Process_posix.cpp. */
namespace Process {
/** @brief The user's numeric id as text: names a per-user socket. */
QString userId();
/** @brief True when standard error is a terminal (progress is shown there, not in a pipe). */
bool stderrIsTerminal();
/** @brief A file-size limit then fails a write, which is reported, instead of killing the
 *  program. */
void ignoreFileSizeLimit();
/** @brief A write to a pipe whose reader has gone fails (and is told) instead of killing the
 *  program, so it can stop the meter before it ends. */
void ignoreBrokenPipe();
/** @brief Why @p path is not ours to write: a symbolic link another user made (in a shared
 *  folder such as /tmp), through which a write would land wherever that user pointed it, or a
 *  FIFO another user made, through which it would go to that user's program. */
enum class Plant { None, Link, Fifo };
Plant othersPlant(const QString& path);
}  // namespace Process

/** @brief Turns SIGINT and SIGTERM (and SIGHUP, when asked) into a signal of the event loop,
 *  while it exists. */
class Interruption : public QObject {
    Q_OBJECT
public:
    explicit Interruption(bool hangupToo = false, QObject* parent = nullptr);
    ~Interruption() override;

Q_SIGNALS:
    void requested();

private:
    bool m_hangup;
};
