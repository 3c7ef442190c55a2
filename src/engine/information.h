#pragma once

#include "spm.h"

#include <QElapsedTimer>

// Counting of folders, files and bytes, the progress arithmetic and the progress window's
// contents, pushed to the window at most a few dozen times a second.
class TInformation : public TSpm {
    Q_OBJECT

public:
    using TSpm::TSpm;

protected:
    // Counts everything below a folder into antalMapper, antalFiler and totalSize, never
    // through a link; returns the bytes counted. A link or a vanished folder counts as one
    // file.
    qint64 taelMappe(const QString& aDirectory);
    // The bytes an element stands for in the progress: its size, at least 1.
    static qint64 elementStoerrelse(const QString& path);
    static int procentAf(qint64 done, qint64 total);
    static QString tal(qint64 number); // with thousands separators
    // "Der kopieres 3 filer fra 1 mappe: 12,00 KB"
    QString kopierTekst() const;
    // "Der slettes 3 elementer: 12,00 KB"
    QString sletTekst(int elementer) const;

    // Shows the current contents if the window is shown and lets pending window messages
    // run; without `straks` only when the last update is long enough ago.
    void opdaterVisning(bool straks);

    ProgressVisning FVisning;
    bool FProgressVist = false;

private:
    QElapsedTimer FSidsteOpdatering;
};
