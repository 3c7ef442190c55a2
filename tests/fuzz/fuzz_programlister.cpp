// Reads arbitrary bytes as the program folder's lists of the web page checker: the five tag
// and attribute lists and one tag's attribute list, cut apart at NUL bytes. A list knows every
// name it holds, whatever its case and blanks, and the checks run on a page with any lists
// and give the same findings when run again.
#include "fuzzsupport.h"

#include "editor/infotag.h"
#include "editor/kodeliste.h"
#include "platform/textfile.h"

#include <QPlainTextEdit>

using FuzzSupport::require;

namespace {

const QString kHtml = QStringLiteral("C:\\Program\\Dir\\Html\\");
const QString kAttr = QStringLiteral("C:\\Program\\Dir\\Attributes\\");
const QString kLister[] = {kHtml + "UdenSlutkode.txt", kHtml + "MedSlutkode.txt",
                           kHtml + "AlleKoder.txt",    kAttr + "_undtagelser.txt",
                           kHtml + "Ekskluderet.txt",  kAttr + "a.txt"};
const char kSide[] = "<html><head><title>x</title></head><body>\n<p class=a>tekst<br>\n"
                     "<a href=\"x.html\" onclick=\"y()\" hidden>link</a><img src=b.png>\n"
                     "<div><span>ingen slut</div></ul></body></html>\n";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_programlister", true, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> filer = FuzzSupport::parts(data, size, int(std::size(kLister)));
    for (int i = 0; i < int(std::size(kLister)); ++i)
        FuzzSupport::write(kLister[i], filer[i]);

    Kodeliste liste;
    require(liste.hent(kLister[0]), "a list of the fuzz drive reads");
    const QStringList navne = liste.navne();
    for (const QString& linje : TextFile::decode(filer[0]))
        require(linje.trimmed().isEmpty() || liste.contains(linje.trimmed()),
                "a list knows every name it holds");
    for (const QString& navn : navne)
        require(liste.contains(navn), "a list knows the names it gives");

    Tinfotag taginf;
    taginf.LoadLister(kHtml, kAttr);
    QPlainTextEdit editor;
    editor.setPlainText(QString::fromLatin1(kSide));
    taginf.setEditor(&editor);
    taginf.ReadStructure();
    const int foerst = taginf.EndtagsKontrol() + taginf.ForMangeEndtag() + taginf.KodeKontrol() +
                       taginf.AttributeKontrol(kAttr);
    const int igen = taginf.EndtagsKontrol() + taginf.ForMangeEndtag() + taginf.KodeKontrol() +
                     taginf.AttributeKontrol(kAttr);
    require(foerst >= 0 && foerst == igen, "the checks find the same again");
    return 0;
}
