// Starts a QtCore application and prints one line: what any Qt command-line tool pays before it
// does its own work.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    std::puts(qPrintable(QCoreApplication::applicationName()));
    return 0;
}
