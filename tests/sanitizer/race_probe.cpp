// A deliberate race for the thread checker's set-up, built only under ThreadSanitizer: one of our
// worker threads writes a buffer while the GUI thread copies it inside Qt. With the suppression
// file and the rule for Qt's own threads in force, the checker must still report it; the test
// passes when the report appears.
#include "ui/workerthread.h"

#include <QByteArray>
#include <QCoreApplication>

#include <atomic>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    static char buffer[4096];
    std::atomic<bool> written{false};
    WorkerThread worker;
    worker.start(
        [&] {
            for (char& c : buffer)
                c = 'w';
            written.store(true, std::memory_order_relaxed); // no ordering: the race stays a race
        },
        WorkerThread::priority::normal);
    while (!written.load(std::memory_order_relaxed)) {
    }
    const QByteArray copy(buffer, sizeof buffer); // Qt's memcpy, on the GUI thread
    worker.join();
    return copy.size() == static_cast<qsizetype>(sizeof buffer) ? 0 : 1;
}
