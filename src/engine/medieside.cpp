#include "medieside.h"

namespace {

using Indslag = MedieSide::Indslag;

const QString kTom;

void hoved(QStringList& l, const QString& titel, const QString& mappeUrl) {
    l << QStringLiteral("<!DOCTYPE html>") << QStringLiteral("<html>") << QStringLiteral("<head>")
      << QStringLiteral("<title>%1</title>").arg(titel)
      << QStringLiteral("<base href=\"%1\">").arg(MedieSide::html(mappeUrl)) << kTom;
}

// The function a row's button calls: it gives the player the row's file and marks the row.
void afspilFunktion(QStringList& l, const QList<Indslag>& indslag) {
    l << QStringLiteral("function afspil(melodiNo,checkid){") << QStringLiteral("var eleSrc;")
      << QStringLiteral("switch(melodiNo){");
    for (int i = 0; i < indslag.size(); ++i)
        l << QStringLiteral("case %1:").arg(i)
          << QStringLiteral("eleSrc=\"%1\";").arg(MedieSide::javascript(indslag[i].adresse))
          << QStringLiteral("break;");
    l << QStringLiteral("}") << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
      << QStringLiteral("ele.src=eleSrc;") << QStringLiteral("ele.autoplay=true;")
      << QStringLiteral("document.getElementById(checkid).checked=true;}")
      << QStringLiteral("</script>") << kTom;
}

void typografi(QStringList& l, const QString& maerke) {
    l << QStringLiteral("<style type=\"text/css\">")
      << QStringLiteral("*{font-family: Verdana; font-size: 9pt; color: #000000;}")
      << QStringLiteral("caption{") << QStringLiteral("color: #0000FF;")
      << QStringLiteral("margin-bottom: 4px;") << QStringLiteral("}")
      << QStringLiteral("table,th,td{") << QStringLiteral("border: 1px solid #888888;")
      << QStringLiteral("border-collapse:collapse;") << QStringLiteral("}") << QStringLiteral("th{")
      << QStringLiteral("padding-left: 4px;") << QStringLiteral("padding-right: 4px;")
      << QStringLiteral("padding-top: 4px;") << QStringLiteral("padding-bottom: 4px;")
      << QStringLiteral("color: #FFFFFF;") << QStringLiteral("background-color:#228822;")
      << QStringLiteral("text-align: left;") << QStringLiteral("}") << QStringLiteral("td{")
      << QStringLiteral("padding-left: 4px;") << QStringLiteral("padding-right: 4px;")
      << QStringLiteral("padding-top: 2px;") << QStringLiteral("padding-bottom: 2px;")
      << QStringLiteral("}") << QStringLiteral("button::before{")
      << QStringLiteral("content: \"\\%1\" \" \";").arg(maerke) << QStringLiteral("}")
      << QStringLiteral("</style>") << kTom << QStringLiteral("</head>");
}

void tabel(QStringList& l, const QString& overskrift, const QString& knap,
           const QList<Indslag>& indslag) {
    l << QStringLiteral("<table>") << QStringLiteral("<caption>%1</caption>").arg(overskrift)
      << QStringLiteral("<colgroup>")
      << QStringLiteral(" <col span=\"1\" style=\"background-color: #DDDDDD;\">")
      << QStringLiteral(" <col span=\"1\" style=\"background-color: #FFFFFF;\">")
      << QStringLiteral(" <col style=\"background-color: #FFFFFF;\">")
      << QStringLiteral("</colgroup>")
      << QStringLiteral("<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>");
    for (int i = 0; i < indslag.size(); ++i)
        l << QStringLiteral("<tr>")
          << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"melodi%1\" disabled%2>"
                            "</td>")
                 .arg(i)
                 .arg(i == 0 ? QStringLiteral(" checked") : QString())
          << QStringLiteral(" <td>%1</td>").arg(MedieSide::html(indslag[i].titel))
          << QStringLiteral(" <td><button onclick=\"afspil(%1,'melodi%1')\">%2</button></td>")
                 .arg(i)
                 .arg(knap)
          << QStringLiteral("</tr>");
    l << QStringLiteral("</table>");
}

QString kilde(const QList<Indslag>& indslag) {
    return MedieSide::html(indslag.first().adresse);
}

QString stoerrelse(int procent) {
    return QStringLiteral("<td><input type=\"radio\" name=\"bredde\"%2 onclick=\"setProcent(%1)\">"
                          "%1%</td>")
        .arg(procent)
        .arg(procent == 100 ? QStringLiteral(" checked=\"true\"") : QString());
}

} // namespace

QStringList MedieSide::side(Slags slags, const QString& mappeUrl, const QList<Indslag>& indslag) {
    QStringList l;
    if (indslag.isEmpty() || slags == NytDokument)
        return l;
    switch (slags) {
    case Filmliste:
        hoved(l, QStringLiteral("Filmliste"), mappeUrl);
        l << QStringLiteral("<script>");
        afspilFunktion(l, indslag);
        typografi(l, QStringLiteral("25B6"));
        l << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << kTom
          << QStringLiteral("<div>")
          << QStringLiteral("<video controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"%1\">").arg(kilde(indslag)) << QStringLiteral("</video>")
          << QStringLiteral("</div>") << kTom
          << QStringLiteral("<div style=\"margin: 16px 0px 0px 16px;\">");
        tabel(l, QStringLiteral("Filmliste"), QStringLiteral("Afspil"), indslag);
        l << QStringLiteral("</div>") << kTom;
        break;
    case Musikliste:
        hoved(l, QStringLiteral("Musikliste"), mappeUrl);
        l << QStringLiteral("<script>");
        afspilFunktion(l, indslag);
        typografi(l, QStringLiteral("266C"));
        l << QStringLiteral("<body>") << kTom
          << QStringLiteral("<audio controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"%1\">").arg(kilde(indslag))
          << QStringLiteral("</audio><br>") << kTom;
        tabel(l, QStringLiteral("Musikliste"), QStringLiteral("Afspil"), indslag);
        l << kTom;
        break;
    default:
        hoved(l, QStringLiteral("Billedliste"), mappeUrl);
        l << QStringLiteral("<script>") << QStringLiteral("function setProcent(procent){")
          << QStringLiteral("procent=procent+\"%\";")
          << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
          << QStringLiteral("ele.style.width=procent;")
          << QStringLiteral("ele.style.height=procent;}") << kTom;
        afspilFunktion(l, indslag);
        typografi(l, QStringLiteral("25B6"));
        l << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << kTom
          << QStringLiteral("<div>") << QStringLiteral("<table>")
          << QStringLiteral("<caption>Billedstørrelse</caption>");
        for (int raekke = 0; raekke < 2; ++raekke) {
            l << QStringLiteral("<tr>");
            for (int procent = 100 - 50 * raekke; procent > 50 - 50 * raekke; procent -= 10)
                l << stoerrelse(procent);
            l << QStringLiteral("</tr>");
        }
        l << QStringLiteral("</table><br>") << kTom;
        tabel(l, QStringLiteral("Billedliste"), QStringLiteral("Vis"), indslag);
        l << QStringLiteral("</div>") << kTom
          << QStringLiteral("<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" "
                            "src=\"%1\">")
                 .arg(kilde(indslag))
          << kTom;
        break;
    }
    l << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

QStringList MedieSide::skabelon(const QString& filnavn) {
    const qsizetype dot = filnavn.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : filnavn.mid(dot);
    const QStringList side = {QStringLiteral("<!DOCTYPE html>"),
                              QStringLiteral("<html>"),
                              QStringLiteral("<head>"),
                              QStringLiteral("<title></title>"),
                              QStringLiteral("</head>"),
                              QStringLiteral("<body>"),
                              kTom,
                              QStringLiteral("</body>"),
                              QStringLiteral("</html>")};
    if (ext == QLatin1String(".html"))
        return side;
    if (ext == QLatin1String(".asp"))
        return QStringList{QStringLiteral("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>")} + side;
    if (ext == QLatin1String(".wsf"))
        return {QStringLiteral("<job id=\"\">"), QStringLiteral("<script language=\"VBScript\">"),
                kTom, QStringLiteral("</script>"), QStringLiteral("</job>")};
    return {};
}

QString MedieSide::html(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString MedieSide::javascript(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Quotes and backslashes would end or bend the string; "<" and "&" could close the
        // script element or start a reference, and line separators end a script line.
        if (u == '\\' || u == '"' || u == '\'' || u == '<' || u == '>' || u == '&' || u < 0x20 ||
            u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
