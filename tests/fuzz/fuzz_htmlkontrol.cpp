// Reads arbitrary text as a web page and runs every check on it: reading must end, every
// node must stand on a "<" of the text, and the checks must give the same findings however
// often and in whatever order they run.
#include "fuzzsupport.h"

#include "editor/infotag.h"

#include "platform/textfile.h"

#include <QDir>
#include <QPlainTextEdit>

using FuzzSupport::require;

namespace {

Tinfotag* taginf = nullptr;
QPlainTextEdit* editor = nullptr;
const QString kHtml = QStringLiteral("C:\\Dir\\Html\\");
const QString kAttr = QStringLiteral("C:\\Dir\\Attributes\\");

void skriv(const QString& logisk, const QByteArray& linjer) {
    const QString sti = FuzzSupport::folder() + QStringLiteral("/C/") +
                        QString(logisk).remove(0, 3).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(sti.left(sti.lastIndexOf(QLatin1Char('/'))));
    FuzzSupport::writeHost(sti, linjer);
}

QStringList tekster(const Kodetrae& trae) {
    QStringList ud;
    trae.forHverKnude([&](int knude) { ud << trae.tekst(knude); });
    return ud;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_htmlkontrol", true, true);
    const QByteArray medSlut = "html\nhead\nbody\np\na\ndiv\nspan\nul\nli\ntable\ntr\ntd\nscript\n"
                               "style\nb\ni\n";
    const QByteArray udenSlut = "br\nimg\ninput\nhr\nmeta\nlink\n";
    skriv(kHtml + "MedSlutkode.txt", medSlut);
    skriv(kHtml + "UdenSlutkode.txt", udenSlut);
    skriv(kHtml + "AlleKoder.txt", medSlut + udenSlut);
    skriv(kHtml + "Ekskluderet.txt", "font\n");
    skriv(kHtml + "ValgfriSlutkode.txt", "html\nhead\nbody\np\nli\ntr\ntd\n");
    skriv(kHtml + "ValgfriStartkode.txt", "html\nhead\nbody\n");
    skriv(kHtml + "Lukkes\\p.txt", "p\ndiv\nul\ntable\n");
    skriv(kHtml + "Lukkes\\li.txt", "li\n");
    skriv(kHtml + "Lukkes\\td.txt", "td\ntr\n");
    skriv(kHtml + "Lukkes\\tr.txt", "tr\n");
    skriv(kHtml + "Lukkes\\head.txt", "body\np\ndiv\n#text\n");
    skriv(kHtml + "Lukkes\\a.txt", "a\n");
    skriv(kHtml + "Raatekst.txt", "script\nstyle\n");
    skriv(kHtml + "Saerlige.txt", "html\nhead\nbody\np\ndiv\nul\nli\ntable\ntr\ntd\n");
    skriv(kHtml + "Omfang.txt", "html\ntable\ntd\n");
    skriv(kHtml + "Omfang\\tr.txt", "html\ntable\n");
    skriv(kHtml + "Gennemsigtige.txt", "div\np\n");
    skriv(kHtml + "Fremmede.txt", "svg\nmath\n");
    skriv(kHtml + "Svg.txt", "svg\ng\npath\ntitle\nforeignObject\n");
    skriv(kHtml + "MathML.txt", "math\nmi\nmfrac\n");
    skriv(kHtml + "Integration.txt", "foreignObject\nmi\n");
    skriv(kAttr + "_undtagelser.txt", "disabled\nchecked\n");
    skriv(kAttr + "_formEvents.txt", "onclick\nonchange\n");
    skriv(kAttr + "_mediaEvents.txt", "onplay\n");
    skriv(kAttr + "a.txt", "href\ntitle\nclass\n");
    skriv(kAttr + "div.txt", "class\nid\nstyle\n");
    skriv(kAttr + "input.txt", "type\nvalue\ndisabled\n");
    taginf = new Tinfotag;
    taginf->LoadLister(kHtml, kAttr);
    editor = new QPlainTextEdit;
    taginf->setEditor(editor);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    editor->setPlainText(TextFile::fromUtf8(FuzzSupport::bytesOf(data, size)));
    taginf->ReadStructure();
    const Kodetrae& trae = taginf->trae();
    const QString tekst = editor->document()->toPlainText();
    require(trae.antal() >= 1 && trae.tekst(0) == QLatin1String("Hjemmeside"), "a root");
    trae.forHverKnude([&](int knude) {
        const TData& d = trae.data(knude);
        require(d.Index >= 0 && d.Index < tekst.size() && tekst[d.Index] == QLatin1Char('<'),
                "a node stands on a \"<\"");
        require(d.TagEnd == 0 || d.TagEnd == 1 || d.TagEnd == 3, "a known end state");
        require(trae.foraelder(knude) >= 0 && trae.foraelder(knude) < knude,
                "a node comes after its parent");
    });

    const QList<std::function<int()>> kontroller = {
        [] { return taginf->EndtagsKontrol(); }, [] { return taginf->ForMangeEndtag(); },
        [] { return taginf->KodeKontrol(); }, [] { return taginf->AttributeKontrol(kAttr); }};
    QList<int> antal;
    QList<QStringList> fund;
    for (const auto& kontrol : kontroller) {
        antal << kontrol();
        require(antal.last() >= 0, "a count");
        fund << tekster(trae);
    }
    require(taginf->VisAttributter() >= 0, "the attribute view counts");
    for (int i = int(kontroller.size()) - 1; i >= 0; --i) {
        require(kontroller[i]() == antal[i], "the same count in another order");
        require(tekster(trae) == fund[i], "the same findings in another order");
    }
    taginf->GotoTag(trae.antal() - 1);
    taginf->GetTag();
    return 0;
}
