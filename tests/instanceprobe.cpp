// Asks the single-instance check from a separate process, for the tests: "hold" takes the lock and
// keeps it until standard input closes; "check" only tells whether another copy holds it.

#include "platform/platform.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const bool hold = argc > 1 && std::strcmp(argv[1], "hold") == 0;
    const bool running = realPlatformServices().anotherInstanceRunning();
    std::puts(running ? "running" : (hold ? "held" : "free"));
    std::fflush(stdout);
    if (hold && !running) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
