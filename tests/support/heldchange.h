#ifndef HELDCHANGE_H
#define HELDCHANGE_H

#include <QString>
#include <QStringList>

#include <thread>

namespace TestSupport {

// Another user's change held open while the program runs a step: `statements` run in a
// transaction of their own session on the current company, in a thread of their own, and
// are committed `holdMs` later. The constructor returns once they ran, so what they wrote
// stays locked until the commit; a step of the program that needs those rows waits for it.
class HeldChange
{
public:
    explicit HeldChange(const QStringList &statements, int holdMs = 1000);
    // Waits for the commit.
    ~HeldChange();

    HeldChange(const HeldChange &) = delete;
    HeldChange &operator=(const HeldChange &) = delete;

    // Waits for the commit; the first failure of the change ("... in: statement"), empty
    // when it was committed whole.
    QString finish();

private:
    std::thread thread;
    QString failure;
};

} // namespace TestSupport

#endif // HELDCHANGE_H
