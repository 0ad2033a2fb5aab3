#include "tests/support/heldchange.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <future>

namespace TestSupport {

HeldChange::HeldChange(const QStringList &statements, int holdMs)
{
    std::promise<void> ran;
    std::future<void> held = ran.get_future();
    // A connection belongs to the thread that made it: this one is cloned from the default
    // connection and used in the change's own thread alone.
    thread = std::thread([this, statements, holdMs, ran = std::move(ran)]() mutable {
        const QString name = QStringLiteral("held change");
        {
            QSqlDatabase db = QSqlDatabase::cloneDatabase(QSqlDatabase::defaultConnection, name);
            const auto fail = [this](const QSqlError &error, const QString &what) {
                if (failure.isEmpty())
                    failure = error.text() + QStringLiteral(" in: ") + what;
            };
            if (!db.open())
                fail(db.lastError(), QStringLiteral("open"));
            else if (!db.transaction())
                fail(db.lastError(), QStringLiteral("START TRANSACTION"));
            for (const QString &sql : statements) {
                QSqlQuery query(db);
                if (failure.isEmpty() && !query.exec(sql))
                    fail(query.lastError(), sql);
            }
            ran.set_value();
            if (failure.isEmpty()) {
                QThread::msleep(holdMs);
                if (!db.commit())
                    fail(db.lastError(), QStringLiteral("COMMIT"));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    held.wait();
}

HeldChange::~HeldChange()
{
    finish();
}

QString HeldChange::finish()
{
    if (thread.joinable())
        thread.join();
    return failure;
}

} // namespace TestSupport
