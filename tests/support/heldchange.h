#ifndef HELDCHANGE_H
#define HELDCHANGE_H

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlError;

#include <chrono>
#include <future>
#include <thread>

namespace TestSupport {

// Another user's change held open while the program runs a step: `statements` run in a
// transaction of their own session on the current company, in a thread of their own. The
// constructor returns once they ran, so what they wrote stays locked. The change is
// committed only once another session is seen waiting for one of its locks, never after a
// fixed time: a step that reads those rows without locking them finds them as they were,
// however slow the machine, and the change then tells that nothing waited for it.
// `patience` bounds each of its waits: for its statements to run, for a session to wait.
class HeldChange
{
public:
    explicit HeldChange(const QStringList &statements,
                        std::chrono::milliseconds patience = std::chrono::seconds(20));
    // Waits for the change to end.
    ~HeldChange();

    HeldChange(const HeldChange &) = delete;
    HeldChange &operator=(const HeldChange &) = delete;

    // Waits for the change to end, which every wait of its own bounds; empty when its
    // statements ran, a session was seen waiting on their locks, and the change was then
    // committed whole. Otherwise the first thing that went wrong ("... in: statement",
    // "no session waited ...").
    QString finish();

private:
    void hold(const QString &connectionName, const QStringList &statements, std::promise<void> &ran);
    bool waitedOn(QSqlDatabase &db);
    void fail(const QSqlError &error, const QString &what);

    const std::chrono::milliseconds patience;
    std::thread thread;
    QString failure;      // written by the change's thread alone, read once it has ended
    QString startFailure; // the statements did not run in time
};

} // namespace TestSupport

#endif // HELDCHANGE_H
