#include "htmllister.h"

#include "testenvironment.h"

#include "editor/infotag.h"

void laesHtmlLister(TestEnvironment& env, Tinfotag& taginf) {
    const QString html = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Html\\");
    const QString attr = QStringLiteral("C:\\Ravnsti\\Program\\Dir\\Attributes\\");
    const QByteArray medSlut = "html\r\nhead\r\ntitle\r\nbody\r\np\r\na\r\ndiv\r\nspan\r\nul\r\n"
                               "li\r\ntable\r\nscript\r\nstyle\r\nb\r\n";
    const QByteArray udenSlut = "br\r\nimg\r\ninput\r\n";
    env.writeFile(html + "MedSlutkode.txt", medSlut);
    env.writeFile(html + "UdenSlutkode.txt", udenSlut);
    env.writeFile(html + "AlleKoder.txt", medSlut + udenSlut);
    env.writeFile(html + "Ekskluderet.txt", "svg\r\n");
    env.writeFile(attr + "_undtagelser.txt", "disabled\r\n");
    env.writeFile(attr + "_formEvents.txt", "onclick\r\n");
    env.writeFile(attr + "a.txt", "href\r\ntitle\r\n");
    env.writeFile(attr + "input.txt", "type\r\nvalue\r\ndisabled\r\n");
    env.writeFile(attr + "div.txt", "class\r\nid\r\nstyle\r\n");
    env.writeFile(attr + "table.txt", "border\r\n");
    taginf.LoadLister(html, attr);
}
