#include "vbsstavning.h"

#include <QStringList>

namespace {

bool erBogstav(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool iNavn(QChar c) {
    return erBogstav(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('_');
}

bool erLinjeskift(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
}

// Whether a script start tag (the text from "<script" to its ">") names VBScript.
bool erVbScript(const QString& starttag) {
    const QString smaa = starttag.toLower();
    return smaa.contains(QLatin1String("vbscript")) || smaa.contains(QLatin1String("\"vbs\""));
}

} // namespace

VbsStavning::VbsStavning(const QStringList& ord) {
    // The first spelling of a word counts, as the topic's first node of it does.
    for (const QString& stavet : ord) {
        const QString smaa = stavet.toLower();
        if (!m_stavning.contains(smaa))
            m_stavning.insert(smaa, stavet);
    }
}

QList<VbsStavning::Rettelse> VbsStavning::rettelser(const QString& tekst,
                                                    const QString& ext) const {
    QList<Rettelse> ud;
    const QString endelse = ext.toLower();
    if (endelse == QLatin1String(".vbs")) {
        ret(tekst, 0, tekst.size(), ud);
        return ud;
    }
    // Blocks in text order: script elements of VBScript and, in server pages, "<% %>".
    const bool serverside = endelse == QLatin1String(".asp") || endelse == QLatin1String(".asa") ||
                            endelse == QLatin1String(".inc");
    bool serverVb = serverside;
    if (serverside) {
        const qsizetype direktiv = tekst.indexOf(QLatin1String("<%@"));
        if (direktiv >= 0) {
            const qsizetype slut = tekst.indexOf(QLatin1String("%>"), direktiv);
            const QString linje = tekst.mid(direktiv, slut < 0 ? -1 : slut - direktiv).toLower();
            serverVb = !linje.contains(QLatin1String("language")) ||
                       linje.contains(QLatin1String("vbscript"));
        }
    }
    qsizetype i = 0;
    while (i < tekst.size()) {
        const qsizetype script = tekst.indexOf(QLatin1String("<script"), i, Qt::CaseInsensitive);
        const qsizetype server = serverVb ? tekst.indexOf(QLatin1String("<%"), i) : -1;
        if (script < 0 && server < 0)
            break;
        if (server >= 0 && (script < 0 || server < script)) {
            qsizetype slut = tekst.indexOf(QLatin1String("%>"), server + 2);
            if (slut < 0)
                slut = tekst.size();
            if (tekst.mid(server + 2, 1) != QLatin1String("@"))
                ret(tekst, server + 2, slut, ud);
            i = slut + 2;
            continue;
        }
        const qsizetype tagSlut = tekst.indexOf(QLatin1Char('>'), script);
        if (tagSlut < 0)
            break;
        qsizetype slut = tekst.indexOf(QLatin1String("</script"), tagSlut, Qt::CaseInsensitive);
        if (slut < 0)
            slut = tekst.size();
        if (erVbScript(tekst.mid(script, tagSlut - script)))
            ret(tekst, tagSlut + 1, slut, ud);
        i = slut + 1;
    }
    return ud;
}

void VbsStavning::ret(const QString& tekst, qsizetype fra, qsizetype til,
                      QList<Rettelse>& ud) const {
    bool saetningStart = true; // "Rem" starts a comment only where a statement starts
    qsizetype i = fra;
    while (i < til) {
        const QChar c = tekst[i];
        if (c == QLatin1Char('"')) {
            // A string runs to its closing quote ("" is a quote inside it) or the line's end.
            ++i;
            while (i < til && !erLinjeskift(tekst[i])) {
                if (tekst[i] == QLatin1Char('"')) {
                    if (i + 1 < til && tekst[i + 1] == QLatin1Char('"')) {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            ++i;
            saetningStart = false;
            continue;
        }
        if (c == QLatin1Char('\'')) {
            while (i < til && !erLinjeskift(tekst[i]))
                ++i;
            continue;
        }
        if (erBogstav(c)) {
            const qsizetype start = i;
            while (i < til && iNavn(tekst[i]))
                ++i;
            const QString ord = tekst.mid(start, i - start);
            const QString smaa = ord.toLower();
            if (saetningStart && smaa == QLatin1String("rem")) {
                while (i < til && !erLinjeskift(tekst[i]))
                    ++i;
                continue;
            }
            saetningStart = false;
            const auto stavet = m_stavning.constFind(smaa);
            if (stavet != m_stavning.cend() && *stavet != ord)
                ud.append({start, *stavet});
            continue;
        }
        if (iNavn(c)) {
            while (i < til && iNavn(tekst[i]))
                ++i; // a number, or a name that starts with a digit or "_"
            saetningStart = false;
            continue;
        }
        if (erLinjeskift(c) || c == QLatin1Char(':'))
            saetningStart = true;
        else if (!c.isSpace())
            saetningStart = false;
        ++i;
    }
}
