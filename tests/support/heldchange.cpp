#include "tests/support/heldchange.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <chrono>

namespace TestSupport {

namespace {
// Its own statements give up on a lock sooner, so that the constructor's wait ends first.
const char ownLockWaits[] = "SET SESSION innodb_lock_wait_timeout = 10, lock_wait_timeout = 10";

// Two changes held at once each need a connection of their own.
std::atomic<int> changesMade{0};

// How many sessions wait now for a lock held by the open transaction of the session
// that asks.
const char waitersSql[] = "SELECT COUNT(*) FROM information_schema.INNODB_LOCK_WAITS w "
                          "JOIN information_schema.INNODB_TRX t ON t.trx_id = w.blocking_trx_id "
                          "WHERE t.trx_mysql_thread_id = CONNECTION_ID()";

// The server refreshes what it shows of transactions only after no session has read it
// for a tenth of a second: read more often, by this change or by a test process beside it
// on the same server, it would show an old answer forever. So the held changes of every
// process take turns under one named lock, and each reads only after such a pause.
const char takeTurn[] = "SELECT GET_LOCK('zarpo held change', 20)";
const char endTurn[] = "DO RELEASE_LOCK('zarpo held change')";
constexpr int pauseMs = 120;

QString seconds(std::chrono::milliseconds time)
{
    return QString::number(time.count() / 1000.0);
}
} // namespace

// The default patience is far beyond what a step takes on a slow machine, and a clear
// failure instead of a hang.
HeldChange::HeldChange(const QStringList &statements, std::chrono::milliseconds patience) : patience(patience)
{
    std::promise<void> ran;
    std::future<void> held = ran.get_future();
    const QString name = QStringLiteral("held change %1").arg(++changesMade);
    thread = std::thread([this, name, statements, ran = std::move(ran)]() mutable {
        hold(name, statements, ran);
        QSqlDatabase::removeDatabase(name);
    });
    if (held.wait_for(patience) != std::future_status::ready)
        startFailure = QStringLiteral("The held change's statements did not run within %1 s.").arg(seconds(patience));
}

HeldChange::~HeldChange()
{
    finish();
}

QString HeldChange::finish()
{
    if (thread.joinable())
        thread.join();
    return startFailure.isEmpty() ? failure : startFailure;
}

// A connection belongs to the thread that made it: this one is cloned from the default
// connection and used in the change's own thread alone.
void HeldChange::hold(const QString &connectionName, const QStringList &statements, std::promise<void> &ran)
{
    QSqlDatabase db = QSqlDatabase::cloneDatabase(QSqlDatabase::defaultConnection, connectionName);
    if (!db.open()) {
        fail(db.lastError(), QStringLiteral("open"));
    } else {
        QSqlQuery limits(db);
        if (!limits.exec(QLatin1String(ownLockWaits)))
            fail(limits.lastError(), QLatin1String(ownLockWaits));
        else if (!db.transaction())
            fail(db.lastError(), QStringLiteral("START TRANSACTION"));
    }
    for (const QString &sql : statements) {
        QSqlQuery query(db);
        if (failure.isEmpty() && !query.exec(sql))
            fail(query.lastError(), sql);
    }
    ran.set_value();
    if (failure.isEmpty()) {
        if (!waitedOn(db) && failure.isEmpty())
            failure = QStringLiteral("No session waited for the held change within %1 s: the step went on without "
                                     "locking what the change holds.")
                          .arg(seconds(patience));
        // Committed either way, as the other user would, so that the step's result shows too.
        if (!db.commit())
            fail(db.lastError(), QStringLiteral("COMMIT"));
    }
    db.close();
}

void HeldChange::fail(const QSqlError &error, const QString &what)
{
    if (failure.isEmpty())
        failure = error.text() + QStringLiteral(" in: ") + what;
}

// True once another session waits for one of the change's locks; false when none did
// within the patience, or the server could not tell.
bool HeldChange::waitedOn(QSqlDatabase &db)
{
    QElapsedTimer waited;
    waited.start();
    QSqlQuery query(db);
    while (waited.elapsed() < patience.count()) {
        if (!query.exec(QLatin1String(takeTurn)) || !query.next() || query.value(0).toInt() != 1) {
            fail(query.lastError(), QLatin1String(takeTurn));
            return false;
        }
        QThread::msleep(pauseMs);
        const bool read = query.exec(QLatin1String(waitersSql)) && query.next();
        const int waiting = read ? query.value(0).toInt() : 0;
        if (!read)
            fail(query.lastError(), QLatin1String(waitersSql));
        query.exec(QLatin1String(endTurn));
        if (!read || waiting > 0)
            return read;
        QThread::msleep(pauseMs); // the others' turn
    }
    return false;
}

} // namespace TestSupport
