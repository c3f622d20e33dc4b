// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <csignal>

#include "core/system/Process.h"

namespace {
int g_pipe[2] = {-1, -1};

void onSignal(int) {
    const char b = 1;
    [[maybe_unused]] const auto n = ::write(g_pipe[1], &b, 1);
}
}  // namespace

namespace Process {
QString userId() { return QString::number(::getuid()); }
bool stderrIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }
void ignoreFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }
void ignoreBrokenPipe() { std::signal(SIGPIPE, SIG_IGN); }
Plant othersPlant(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || st.st_uid == ::geteuid())
        return Plant::None;
    if (S_ISLNK(st.st_mode)) return Plant::Link;
    if (S_ISFIFO(st.st_mode)) return Plant::Fifo;
    return Plant::None;
}
}  // namespace Process

Interruption::Interruption(bool hangupToo, QObject* parent) : QObject(parent), m_hangup(hangupToo) {
    // The handler only writes a byte: the event loop does the rest.
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    if (m_hangup) ::sigaction(SIGHUP, &sa, nullptr);
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buf[16];
        while (::read(g_pipe[0], buf, sizeof buf) > 0) {
        }
        Q_EMIT requested();
    });
}

Interruption::~Interruption() {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    if (m_hangup) ::signal(SIGHUP, SIG_DFL);
}
