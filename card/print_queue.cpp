#include "card/print_queue.h"

#include "card/print_server_link.h"

#include <cups/cups.h>

namespace {

// The destination's own name, without a saved instance after "/".
QByteArray QueueName(const QString &name)
{
    return name.section(u'/', 0, 0).toUtf8();
}

} // namespace

PrintQueue::PrintQueue(const QString &name)
    : name_(name)
{
}

PrintQueue::Readiness PrintQueue::CurrentReadiness(PrintServerLink *server) const
{
    http_t *connection = server ? server->Connection() : CUPS_HTTP_DEFAULT;
    if (server && !connection)
        return Readiness::Ready;
    cups_dest_t *dest = cupsGetNamedDest(connection, QueueName(name_).constData(), nullptr);
    if (!dest)
        return Readiness::Ready; // unknown here; the server answers the job itself
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    Readiness readiness = Readiness::Ready;
    if (accepting && qstrcmp(accepting, "false") == 0)
        readiness = Readiness::Rejecting;
    else if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        readiness = Readiness::Paused;
    cupsFreeDests(1, dest);
    return readiness;
}

int PrintQueue::Submit(const QString &pdfFile, const QString &title, QString &refusal) const
{
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, QueueName(name_).constData(), pdfFile.toLocal8Bit().constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job == 0)
        refusal = QString::fromUtf8(cupsLastErrorString());
    return job;
}

PrintQueue::JobState PrintQueue::StateOf(int jobId, PrintServerLink &server) const
{
    http_t *connection = server.Connection();
    if (!connection)
        return JobState::Done;
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(connection, &jobs, QueueName(name_).constData(), 0, CUPS_WHICHJOBS_ALL);
    // A job the server no longer lists has left its history: it printed.
    JobState result = JobState::Done;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id != jobId)
            continue;
        switch (jobs[i].state) {
        case IPP_JSTATE_PENDING:
        case IPP_JSTATE_HELD:
            result = CurrentReadiness(&server) == Readiness::Paused ? JobState::Failed : JobState::Waiting;
            break;
        case IPP_JSTATE_PROCESSING: result = JobState::Waiting; break;
        // A printer that cannot take the page cancels the job itself.
        case IPP_JSTATE_STOPPED:
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED: result = JobState::Failed; break;
        case IPP_JSTATE_COMPLETED: result = JobState::Done; break;
        }
    }
    cupsFreeJobs(count, jobs);
    return result;
}
