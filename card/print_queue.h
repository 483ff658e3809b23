#pragma once

#include <QString>

class PrintServerLink;

// A printer queue of the print server, asked directly: the toolkit's printer
// hands its page to the server but drops the server's answer, so a paused or
// refusing queue would look like a printed card.
class PrintQueue
{
public:
    explicit PrintQueue(const QString &name);

    const QString &Name() const { return name_; }

    // Asked on the calling thread's own connection unless a link is given.
    enum class Readiness { Ready, Paused, Rejecting };
    Readiness CurrentReadiness(PrintServerLink *server = nullptr) const;

    // Sends a PDF file as one job. Returns the job's id, or 0 when the server
    // refused it, with the server's reason in refusal.
    int Submit(const QString &pdfFile, const QString &title, QString &refusal) const;

    // Waiting while the job is queued or printing; Failed when it was stopped,
    // cancelled or aborted, or waits on a paused queue that will not print it.
    // A server that cannot be reached, or a request called off, gives Done, as
    // a job the server no longer lists does.
    enum class JobState { Waiting, Done, Failed };
    JobState StateOf(int jobId, PrintServerLink &server) const;

private:
    QString name_;
};
