// A second process for the single-instance tests: claims the program folder given as
// the first argument, prints "claimed" or "refused", then holds on for the milliseconds
// given as the second argument.
#include "platform/core/LockFileInstanceGuard.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    LockFileInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    std::puts(guard.claim() ? "claimed" : "refused");
    std::fflush(stdout);
    QThread::msleep(static_cast<unsigned long>(std::atol(argv[2])));
    return 0;
}
