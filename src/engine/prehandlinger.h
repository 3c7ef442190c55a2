#pragma once

#include "information.h"

// The steps of the progress window shared by copy and delete, and the guard that keeps a
// second copy or delete from running inside the first while window messages run.
class TPrehandlinger : public TInformation {
    Q_OBJECT

public:
    using TInformation::TInformation;

    // A copy or delete is running; the host refuses to close meanwhile.
    bool busy() const { return FBusy; }

protected:
    // Marks the engine busy for its lifetime.
    class Optaget {
    public:
        explicit Optaget(TPrehandlinger& engine) : m_engine(engine) { m_engine.FBusy = true; }
        ~Optaget() { m_engine.FBusy = false; }
        Optaget(const Optaget&) = delete;
        Optaget& operator=(const Optaget&) = delete;

    private:
        TPrehandlinger& m_engine;
    };

    // Tells the user to wait when a copy or delete is running; true then.
    bool afvistFordiOptaget() const;

    void resetKopiering();
    void resetSletning();
    // Shows the window with the counting bar's range.
    void visProgress(int taelleMaksimum);
    // One element of `bytes` done.
    void advance(qint64 bytes);
    // The current file's progress, from the platform's copy.
    void filFremdrift(qint64 done, qint64 total);
    void sletNote(bool on);
    void nulstilBjaelker();
    void lukProgress();
    // The user pressed "Annuller": stop after the current file.
    bool stoppet();

private:
    void reset(const QString& info);

    bool FBusy = false;
};
