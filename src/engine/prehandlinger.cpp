#include "prehandlinger.h"

#include "platform/platform.h"

bool TPrehandlinger::afvistFordiOptaget() const {
    if (!FBusy)
        return false;
    Platform::prompter().message(
        QStringLiteral("En kopiering eller sletning er i gang.\nVent til den er færdig."),
        MessageKind::Information);
    return true;
}

void TPrehandlinger::reset(const QString& info) {
    FVisning = ProgressVisning();
    FVisning.info = info;
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = 1;
    opdaterVisning(true);
}

void TPrehandlinger::resetKopiering() {
    reset(QStringLiteral("Kopiering forberedes"));
}

void TPrehandlinger::resetSletning() {
    reset(QStringLiteral("Sletning forberedes"));
}

void TPrehandlinger::visProgress(int taelleMaksimum) {
    FVisning.taelleMaksimum = taelleMaksimum;
    FVisning.taelt = 0;
    FProgressVist = true;
    opdaterVisning(true);
}

void TPrehandlinger::advance(qint64 bytes) {
    posSize += bytes;
    --antalFiler;
    FVisning.procent = procentAf(posSize, totalSize);
    FVisning.alleProcent = FVisning.procent;
    FVisning.resterende = tal(std::max(antalFiler, 0));
    opdaterVisning(antalFiler <= 0);
}

void TPrehandlinger::filFremdrift(qint64 done, qint64 total) {
    FVisning.filProcent = procentAf(done, total);
    opdaterVisning(false);
}

void TPrehandlinger::sletNote(bool on) {
    FVisning.sletter = on;
    opdaterVisning(true);
}

void TPrehandlinger::nulstilBjaelker() {
    FVisning.filProcent = 0;
    FVisning.alleProcent = 0;
    opdaterVisning(true);
}

void TPrehandlinger::lukProgress() {
    if (FProgressVist)
        vinduer().lukProgress();
    FProgressVist = false;
}

bool TPrehandlinger::stoppet() {
    return vinduer().annulleret();
}
