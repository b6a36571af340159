// SPDX-License-Identifier: GPL-3.0-or-later
#include "endrequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handler only writes a byte into this pair of sockets; the event loop reads it.
int signalPipe[2] = {-1, -1};

extern "C" void noteEndSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void onEndRequest(std::function<void()> handler)
{
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [handler](QSessionManager &) { handler(); });
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [handler] {
        char byte = 0;
        if (::read(signalPipe[1], &byte, 1) == 1)
            handler();
    });
    struct sigaction action
    {
    };
    action.sa_handler = noteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
