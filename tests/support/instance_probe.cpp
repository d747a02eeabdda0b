// A second process for the single-instance tests: claims the program folder given as
// the first argument and prints "claimed" or "refused". With "hold" as the second
// argument it keeps its claim until its standard input closes (or it is killed);
// otherwise it ends at once.
#include "platform/core/LockFileInstanceGuard.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    LockFileInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    std::puts(guard.claim() ? "claimed" : "refused");
    std::fflush(stdout);
    if (std::strcmp(argv[2], "hold") == 0) {
        while (std::fgetc(stdin) != EOF) { }
    }
    return 0;
}
