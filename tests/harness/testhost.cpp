#include "testhost.h"

TestHost::TestHost()
    : folders(DataFolders::of(QStringLiteral("C:\\Ravnsti"), QStringLiteral("anna"))),
      m_launcher(
          options, [this](const QString& path) { OpenFilIEditor(path); },
          [this](const QString& text) { Info(text); }) {}

std::optional<QString> TestHost::vaelgMappe(const QString& caption, const QString&) {
    mappeTitler << caption;
    return valgtMappe;
}

void TestHost::openwin(const QString& aCap, const QString& aFilename) {
    dokumenter << aCap + QLatin1Char('|') + aFilename;
}

bool TestHost::visTekstFund(const TekstFund& fund, int laengde, bool) {
    visteFund << TekstFund{fund.dokument, fund.position, QString::number(laengde)};
    return dokumentFindes;
}

void TestHost::kendteMapper(QStringList& folders, QStringList& labels) {
    for (const auto& [label, folder] : std::as_const(kendte)) {
        labels.append(label);
        folders.append(folder);
    }
}

void TestHost::anvendPrivatmapper() {
    ++privatOmbygget;
    engine.funk.setMedtagPrivat(options.medPrivat);
    engine.funk.setPrivatTop(options.privatOnTop);
}

void TestHost::setFavoritKapacitet(int kapacitet) {
    kapaciteter << kapacitet;
    options.favoritAntal = kapacitet;
    favoritAntal = qMin(favoritAntal, kapacitet);
}

std::optional<QString> TestHost::vaelgFil(const QString& start, bool, const QString& forvalgt) {
    filStarter << start;
    filValg << start + QLatin1Char('|') + forvalgt;
    return valgtFil;
}

bool TestHost::makeTypeliste() {
    types.makeStandard();
    ++typelisteGemt;
    return typelisteGemmes;
}

bool TestHost::GemTypeliste(const QList<Typeliste::Type>& typer) {
    types.setTypes(typer);
    ++typelisteGemt;
    return typelisteGemmes;
}

bool TestHost::newDesign(const QString& navn) {
    designOensker << navn;
    if (aabneVinduer)
        return false;
    options.designName = navn;
    return true;
}
