#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TestEnvironment;

// Stand-in programs for the ones the program starts: small shell scripts in a folder of the
// test's own that record the arguments of every start. The folder becomes the whole search
// path, so no real program of the machine can be started by name.
class StandIn {
public:
    explicit StandIn(TestEnvironment& env);

    // Makes the program `name` on the search path; its host path.
    QString program(const QString& name) const;
    // The same at a host path of the test's choosing.
    static void writeProgram(const QString& hostPath);
    // The arguments of each start of the program at `hostPath`, in no particular order.
    static QList<QStringList> calls(const QString& hostPath);
    // Waits until the program has been started `count` times; its calls then.
    static QList<QStringList> waitForCalls(const QString& hostPath, int count);
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};
