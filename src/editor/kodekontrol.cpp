#include "kodekontrol.h"

#include "infotag.h"
#include "kontrolform.h"

#include "shared/datafolders.h"
#include "shared/mainhost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace {

const QString kIkkeIndlaest = QStringLiteral("Der er ikke indlæst struktur");

} // namespace

Kodekontrol::Kodekontrol(MainHost& host) : m_host(host) {
    m_form.setMaker([this] {
        auto* form =
            new Tkontrolform(*this, m_host.taginf(), m_host.mapper().optDir, m_host.hovedvindue());
        QObject::connect(&m_host.taginf(), &Tinfotag::OnProgress, form, &Tkontrolform::fremskridt);
        return form;
    });
}

Tkontrolform& Kodekontrol::kontrolform() {
    return *m_form;
}

void Kodekontrol::visKontrol() {
    m_form->show();
    m_form->raise();
    ReadHtmlStruktur();
}

void Kodekontrol::ReadHtmlStruktur() {
    m_form->setStatus(QString());
    Tinfotag& taginf = m_host.taginf();
    if (!taginf.editor())
        return;
    m_strukturEditor = taginf.editor();
    taginf.setKontrolMode(0);
    taginf.ReadStructure();
}

void Kodekontrol::status(int resultat, const QString& ingen, const QString& en,
                         const QString& flere) {
    if (resultat < 0)
        m_form->setStatus(kIkkeIndlaest);
    else if (resultat == 0)
        m_form->setStatus(ingen);
    else if (resultat == 1)
        m_form->setStatus(en);
    else
        m_form->setStatus(flere.arg(resultat));
}

void Kodekontrol::visAttributter() {
    m_host.taginf().setKontrolMode(0);
    status(m_host.taginf().VisAttributter(), QStringLiteral("Ingen koder med attributter"),
           QStringLiteral("1 kode med attributter"), QStringLiteral("%1 koder med attributter"));
}

void Kodekontrol::kontrolMSlutkoder() {
    m_host.taginf().setKontrolMode(1);
    status(m_host.taginf().EndtagsKontrol(), QStringLiteral("Der mangler ikke slutkoder"),
           QStringLiteral("Der mangler 1 slutkode"), QStringLiteral("Der mangler %1 slutkoder"));
}

void Kodekontrol::kontrolKoder() {
    m_host.taginf().setKontrolMode(2);
    status(m_host.taginf().KodeKontrol(), QStringLiteral("Ingen ukendte koder"),
           QStringLiteral("1 ukendt kode"), QStringLiteral("%1 ukendte koder"));
}

void Kodekontrol::kontrolAttributter() {
    m_host.taginf().setKontrolMode(3);
    status(m_host.taginf().AttributeKontrol(m_host.mapper().attributedir),
           QStringLiteral("Ingen ukendte attributter"), QStringLiteral("1 ukendt attribut"),
           QStringLiteral("%1 ukendte attributter"));
}

void Kodekontrol::kontrolFmSlutkoder() {
    m_host.taginf().setKontrolMode(4);
    status(m_host.taginf().ForMangeEndtag(), QStringLiteral("Der er ikke for mange slutkoder"),
           QStringLiteral("Der er 1 slutkode for meget"),
           QStringLiteral("Der er %1 slutkoder for meget"));
}

void Kodekontrol::KontrolGotoTag() {
    // The tree belongs to the page read last: its window comes to the front, and a tree whose
    // page has been closed leads nowhere.
    QPlainTextEdit* editor = m_strukturEditor;
    if (!editor)
        return;
    Tinfotag& taginf = m_host.taginf();
    if (taginf.editor() != editor) {
        for (QWidget* w = editor; w; w = w->parentWidget())
            if (auto* vindue = qobject_cast<QMdiSubWindow*>(w)) {
                if (vindue->mdiArea())
                    vindue->mdiArea()->setActiveSubWindow(vindue);
                break;
            }
        taginf.setEditor(editor);
    }
    taginf.GotoTag(m_form->valgtKnude());
    editor->setFocus();
}

void Kodekontrol::visHjaelp() {
    m_host.HelpInfo(QString(), false);
}
