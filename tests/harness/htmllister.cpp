#include "htmllister.h"

#include "testenvironment.h"

#include "editor/infotag.h"
#include "platform/installation.h"

#include <QDirIterator>
#include <QFile>

namespace {

const QString kHtml = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Html\\");
const QString kAttr = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\");

} // namespace

void laesHtmlLister(TestEnvironment& env, Tinfotag& taginf) {
    const QByteArray medSlut = "html\r\nhead\r\ntitle\r\nbody\r\np\r\na\r\ndiv\r\nspan\r\nul\r\n"
                               "li\r\ntable\r\nscript\r\nstyle\r\nb\r\n";
    const QByteArray udenSlut = "br\r\nimg\r\ninput\r\n";
    env.writeFile(kHtml + "MedSlutkode.txt", medSlut);
    env.writeFile(kHtml + "UdenSlutkode.txt", udenSlut);
    env.writeFile(kHtml + "AlleKoder.txt", medSlut + udenSlut);
    env.writeFile(kHtml + "Ekskluderet.txt", "font\r\n");
    env.writeFile(kHtml + "ValgfriSlutkode.txt", "html\r\nhead\r\nbody\r\np\r\nli\r\n");
    env.writeFile(kHtml + "ValgfriStartkode.txt", "html\r\nhead\r\nbody\r\n");
    env.writeFile(kHtml + "Lukkes\\li.txt", "li\r\n");
    env.writeFile(kHtml + "Lukkes\\p.txt", "div\r\np\r\nul\r\ntable\r\n");
    env.writeFile(kHtml + "Lukkes\\head.txt", "body\r\np\r\ndiv\r\n");
    env.writeFile(kHtml + "Lukkes\\a.txt", "a\r\n");
    env.writeFile(kHtml + "Raatekst.txt", "script\r\nstyle\r\ntitle\r\n");
    env.writeFile(kHtml + "Saerlige.txt", "html\r\nhead\r\nbody\r\ntitle\r\np\r\ndiv\r\nul\r\n"
                                          "li\r\ntable\r\nscript\r\nstyle\r\n");
    env.writeFile(kHtml + "Omfang.txt", "html\r\ntable\r\n");
    env.writeFile(kHtml + "Gennemsigtige.txt", "div\r\np\r\n");
    env.writeFile(kHtml + "Fremmede.txt", "svg\r\n");
    env.writeFile(kHtml + "Svg.txt", "svg\r\ng\r\npath\r\n");
    env.writeFile(kHtml + "MathML.txt", "");
    env.writeFile(kHtml + "Integration.txt", "");
    env.writeFile(kAttr + "_undtagelser.txt", "disabled\r\n");
    env.writeFile(kAttr + "_formEvents.txt", "onclick\r\n");
    env.writeFile(kAttr + "a.txt", "href\r\ntitle\r\n");
    env.writeFile(kAttr + "input.txt", "type\r\nvalue\r\ndisabled\r\n");
    env.writeFile(kAttr + "div.txt", "class\r\nid\r\nstyle\r\n");
    env.writeFile(kAttr + "table.txt", "border\r\n");
    taginf.LoadLister(kHtml, kAttr);
}

void laesProgrammetsHtmlLister(TestEnvironment& env, Tinfotag& taginf) {
    const QString dir = Installation::dataFolder() + QStringLiteral("/Program/Dir/");
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fil = it.next();
        QFile f(fil);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(fil));
        const QString logisk = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\") +
                               fil.mid(dir.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
        env.writeFile(logisk, f.readAll());
    }
    taginf.LoadLister(kHtml, kAttr);
}
