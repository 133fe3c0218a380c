#pragma once
// What the system's print service (CUPS) tells beyond Qt's printer list: whether
// it runs at all, whether a queue takes jobs, and whether it took a document.
#include <QString>

namespace platform::cups {

// False when nothing answers at the service's address (a stopped service still
// takes the connection and is told by its silence).
bool ServiceRuns();
// Whether the queue ("name" or "name/instance") exists, is not stopped and
// accepts jobs.
bool QueueAcceptsJobs(const QString& name);
// After a document was handed to the service on this thread: whether the
// service took it.
bool LastSubmissionTaken();

}  // namespace platform::cups
