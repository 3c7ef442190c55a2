#include "recordingwindows.h"

#include <QTest>

bool RecordingWindows::bekraeft(const Bekraeftelse& spm) {
    bekraeftelser.append(spm);
    return bekraeftSvar;
}

bool RecordingWindows::spoerg(const QStringList& lines) {
    spoergsmaal.append(lines);
    if (svar.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + lines.join(" / ")),
                     __FILE__, __LINE__);
        return false;
    }
    return svar.dequeue();
}

int RecordingWindows::filerEksisterer(const QStringList& names) {
    eksisterende.append(names);
    return valg;
}

void RecordingWindows::visProgress(const ProgressVisning& visning) {
    visninger.append(visning);
    if (underProgress)
        underProgress();
}

void RecordingWindows::lukProgress() {
    ++lukninger;
}

QString RecordingWindows::info(const QString& start) const {
    for (const ProgressVisning& v : visninger)
        if (v.info.startsWith(start))
            return v.info;
    return {};
}
