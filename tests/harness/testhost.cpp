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
