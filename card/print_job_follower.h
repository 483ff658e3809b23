#pragma once

#include "card/print_queue.h"

#include <QSemaphore>
#include <QThread>

#include <atomic>

// The thread that asks the print server about one job every half second, so
// that a slow or stalled server holds up only this thread. It ends once the
// job has printed or failed, after ten minutes of waiting, or when called off;
// a request in flight gives up within a fifth of a second of the call-off.
class PrintJobFollower : public QThread
{
    Q_OBJECT

public:
    PrintJobFollower(const PrintQueue &queue, int jobId);
    ~PrintJobFollower() override;

    // Ends the thread soon and waits for it; no Settled comes after this.
    void CallOff();

Q_SIGNALS:
    // Emitted on the follower's own thread once the job printed or failed, or
    // the follower gave up on it.
    void Settled(bool failed);

protected:
    void run() override;

private:
    const PrintQueue queue_;
    const int jobId_;
    std::atomic<bool> calledOff_ = false;
    QSemaphore wakeUp_;
};
