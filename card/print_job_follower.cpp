#include "card/print_job_follower.h"

#include "card/print_server_link.h"

#include <QElapsedTimer>

namespace {

constexpr int kPollMs = 500;
constexpr qint64 kGiveUpMs = qint64(10) * 60 * 1000;

} // namespace

PrintJobFollower::PrintJobFollower(const PrintQueue &queue, int jobId)
    : queue_(queue)
    , jobId_(jobId)
{
}

PrintJobFollower::~PrintJobFollower()
{
    CallOff();
}

void PrintJobFollower::CallOff()
{
    calledOff_ = true;
    wakeUp_.release();
    wait();
}

void PrintJobFollower::run()
{
    PrintServerLink server(calledOff_);
    QElapsedTimer age;
    age.start();
    // The semaphore is released only by the call-off.
    while (!wakeUp_.tryAcquire(1, kPollMs)) {
        const PrintQueue::JobState state = queue_.StateOf(jobId_, server);
        if (calledOff_)
            return;
        if (state == PrintQueue::JobState::Waiting && age.elapsed() < kGiveUpMs)
            continue;
        Q_EMIT Settled(state == PrintQueue::JobState::Failed);
        return;
    }
}
