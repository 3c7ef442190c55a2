#include "strukturlaan.h"
#include "mainhost.h"
#include "mainoptions.h"

#include "engine/handlinger.h"

StrukturLaan::StrukturLaan(MainHost& host, int struktur, StrukturVisning* tree,
                           TonDirectoryChange onChange)
    : m_host(host), m_struktur1(host.funk().Struktur1()), m_struktur2(host.funk().Struktur2()),
      m_grundmappe(host.funk().Grundmappe()), m_dirmappe(host.funk().Dirmappe()),
      m_bibmappe(host.funk().Bibmappe()), m_filnavn(host.funk().Filnavn()),
      m_historik(host.funk().historik()), m_historikIndex(host.funk().historikIndex()),
      m_lastStruktur(host.funk().LastStruktur()), m_openLastStruktur(host.opt().openLastStruktur),
      m_onChange(host.funk().onDirectoryChange()), m_aktiveStruktur(host.funk().AktiveStruktur()),
      m_lastStrukturNo(host.opt().lastStrukturNo) {
    THandlinger& funk = host.funk();
    if (struktur == 1)
        funk.setStruktur1(tree);
    else
        funk.setStruktur2(tree);
    funk.setOnDirectoryChange(std::move(onChange));
    funk.setAktiveStruktur(struktur);
    funk.setLastStruktur(QString());
    host.opt().openLastStruktur = false;
}

StrukturLaan::~StrukturLaan() {
    tilbage();
}

void StrukturLaan::tilbage() {
    if (!m_laant)
        return;
    m_laant = false;
    THandlinger& funk = m_host.funk();
    funk.setStruktur1(m_struktur1);
    funk.setStruktur2(m_struktur2);
    funk.setGrundmappe(m_grundmappe);
    funk.setDirmappe(m_dirmappe);
    funk.setBibmappe(m_bibmappe);
    funk.setFilnavn(m_filnavn);
    funk.setLastStruktur(m_lastStruktur);
    funk.setHistorik(m_historik, m_historikIndex);
    funk.setOnDirectoryChange(m_onChange);
    funk.setAktiveStruktur(m_aktiveStruktur);
    m_host.opt().lastStrukturNo = m_lastStrukturNo;
    m_host.opt().openLastStruktur = m_openLastStruktur;
}
