#include "htmlmenuer.h"
#include "dokumenthandlinger.h"

#include "infotag.h"

#include "platform/platform.h"
#include "platform/prompter.h"
#include "shared/mainhost.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

// How an item writes: a start and an end tag with the caret between them, one text with the
// caret after it, a text with the caret in its first empty value, a block of three lines with
// the caret on the empty middle one, or such a block with a pair written on its middle line.
enum class Art { Par, Enkelt, Vaerdi, Blok, BlokPar, Under, UnderSlut, Streg };

struct Punkt {
    Art art;
    const char* caption = "";
    const char* hint = "";
    // What is written when the caption does not say it: fields apart by tabs.
    const char* skrevet = nullptr;
};

const Punkt kStrukturkoder[] = {
    {Art::Blok, "<article></article>",
     "article-koden kan være beregnet til tekstindhold af forskellig art som for eksempel "
     "kommentarer, beskrivelser eller nyheds-historier"},
    {Art::Par, "<aside></aside>",
     " aside-koden kan have et indhold, der ikke er helt centralt for det indhold koden er "
     "placeret i"},
    {Art::Par, "<details></details>"},
    {Art::BlokPar, "<details><summary></summary></details>",
     "details-koden er beregnet til ekstra detaljer, som brugeren kan se eller skjule",
     "<details>\t</details>\t<summary>\t</summary>"},
    {Art::Blok, "<figure></figure>", "figure-koden er kontainer for billeder"},
    {Art::BlokPar, "<figure><figcaption></figcaption><figure>",
     "figcaption-koden definerer en overskrift for figure-koden",
     "<figure>\t</figure>\t<figcaption>\t</figcaption>"},
    {Art::Par, "<footer></footer>",
     "footer-koden definerer en sidefod for et dokument eller afsnit"},
    {Art::Par, "<header></header>",
     "header-koden definerer en overskrift for et dokument eller afsnit"},
    {Art::Blok, "<main></main>",
     "main-koden definerer at der er tale om hovedindhold i dokumentet"},
    {Art::Blok, "<section></section>",
     "sektion-koden definerer afsnit i et dokument, såsom kapitler, sidehoveder, sidefødder "
     "eller andre afsnit i dokumentet"},
    {Art::Par, "<summary></summary>", "summary-koden viser en overskrift for en details-kode"},
};

const Punkt kTekstkoder[] = {
    {Art::Under, "Overskrifter", "h1...h6"},
    {Art::Par, "<h1></h1>"},
    {Art::Par, "<h2></h2>"},
    {Art::Par, "<h3></h3>"},
    {Art::Par, "<h4></h4>"},
    {Art::Par, "<h5></h5>"},
    {Art::Par, "<h6></h6>"},
    {Art::UnderSlut},
    {Art::Under, "Formatering"},
    {Art::Par, " <b></b>", "Tekst i b-koden fremstilles som fed skrift"},
    {Art::Par, "<bdi></bdi>", "Forkortelse for: Bi-Directional Isolation"},
    {Art::Par, "<del></del>", "del-koden viser en annulleret tekst"},
    {Art::Par, "<em></em>", "em-koden er en tekstformaterings kode, der fremhæver teksten"},
    {Art::Par, "<i></i>", "i-koden fremstiller almindeligvist tekst kursivt"},
    {Art::Par, "<ins></ins>", "ins-koden definerer en tekst, der er blevet indsat i dokumentet"},
    {Art::Par, "<mark></mark>", "mark-koden benyttes til at markere en deltekst i en tekst"},
    {Art::Par, "<s></s>",
     "s-koden specificerer tekst der ikke længere er korrekt, præcis eller relevant"},
    {Art::Par, "<small></small>", "small-koden er beregnet til mindre tekst størrelse"},
    {Art::Par, "<strong></strong>", "strong-koden er en tekstformaterings kode til vigtig tekst"},
    {Art::Par, "<sub></sub>", "sub-koden definerer subscript tekst"},
    {Art::Par, "<sup></sup>", "sup-koden anvendes til superscript tekst"},
    {Art::Par, "<u></u>", "u-koden kan anvedes for eksempel ved stavefejl"},
    {Art::UnderSlut},
    {Art::Under, "Indhold"},
    {Art::Par, "<abbr></abbr>", "abbr-koden angiver en forkortelse"},
    {Art::Par, "<address></address>", "address-koden definerer kontakt information"},
    {Art::Par, "<bdo dir=\"\"></bdo>", "bdo-koden specificerer tekstretningen ved attributten dir"},
    {Art::Par, "<blockquote></blockquote>", "blockquote-koden angiver et citat fra en anden kilde"},
    {Art::Par, "<cite></cite>", "cite-kode viser titlen på et produkt"},
    {Art::Par, "<code></code>", "I code-koden kan indføres computer kode"},
    {Art::Par, "<dfn></dfn>", "dfn-koden er beregnet til definitioner"},
    {Art::Par, "<kbd></kbd>",
     "kbd-koden er en tekstformaterings kode tænkt som egnet til tastatur"},
    {Art::Par, "<pre></pre>", "pre-koden viser præformateret tekst, altså teksten som den er"},
    {Art::Par, "<q></q>", "q-koden definerer et kort citat"},
    {Art::Par, "<samp></samp>",
     "samp-koden er en tekstformaterings kode tænkt som egnet til output fra et "
     "computerprogram"},
    {Art::Par, "<time></time>", "time-koden er beregnet til datoer og tidspunkter"},
    {Art::Par, "<var></var>",
     "var-koden er en tekstformaterings kode tænkt som egnet til variabler"},
    {Art::UnderSlut},
    {Art::Streg},
    {Art::Enkelt, "<br>", "br-koden indsætter en ny linie"},
    {Art::Par, "<div></div>",
     "div-koden definerer et tekst-afsnit eller fungerer som kontainer for andre elementer"},
    {Art::Par, "<p></p>", "p-koden definerer en tekst-sektion"},
    {Art::Par, "<span></span>", "span-koden definerer en inline-tekst"},
    {Art::Enkelt, "<wbr>", "wbr-koden specificerer hvor det kan være relevant med ny linie"},
};

const Punkt kFormkoder[] = {
    {Art::Under, "Form"},
    {Art::Vaerdi, "<form action=\"\"></form>", "action: angiver urlen data skal sendes til"},
    {Art::Vaerdi, "<form action=\"\" method=\"get\"></form>",
     "method: Angiver HTTP metode som form-data skal sendes med"},
    {Art::Vaerdi, "<form action=\"\" method=\"post\"></form>",
     "method: Angiver HTTP metode som form-data skal sendes med"},
    {Art::UnderSlut},
    {Art::Under, "Input", "Input typer"},
    {Art::Enkelt, "<input type=\"button\">"},
    {Art::Enkelt, "<input type=\"checkbox\">"},
    {Art::Enkelt, "<input type=\"color\">"},
    {Art::Enkelt, "<input type=\"date\">"},
    {Art::Enkelt, "<input type=\"datetime\">"},
    {Art::Enkelt, "<input type=\"datetime-local\">"},
    {Art::Enkelt, "<input type=\"email\">"},
    {Art::Enkelt, "<input type=\"file\">"},
    {Art::Enkelt, "<input type=\"hidden\">"},
    {Art::Enkelt, "<input type=\"image\">"},
    {Art::Enkelt, "<input type=\"month\">"},
    {Art::Enkelt, "<input type=\"number\">"},
    {Art::Enkelt, "<input type=\"password\">"},
    {Art::Enkelt, "<input type=\"radio\">"},
    {Art::Enkelt, "<input type=\"range\">"},
    {Art::Enkelt, "<input type=\"reset\">"},
    {Art::Enkelt, "<input type=\"search\">"},
    {Art::Enkelt, "<input type=\"submit\">"},
    {Art::Enkelt, "<input type=\"tel\">"},
    {Art::Enkelt, "<input type=\"text\">"},
    {Art::Enkelt, "<input type=\"time\">"},
    {Art::Enkelt, "<input type=\"url\">"},
    {Art::Enkelt, "<input type=\"week\">"},
    {Art::UnderSlut},
    {Art::Under, "Select"},
    {Art::Vaerdi, "<optgroup label=\"\"></optgroup>", "label: Sætter en overskrift for gruppen"},
    {Art::Vaerdi, "<option value=\"\"></option>",
     "value: Sætter værdien der skal sendes til serveren"},
    {Art::UnderSlut},
    {Art::Under, "Textarea"},
    {Art::Vaerdi, "<textarea rows=\"\" cols=\"\"></textarea>", "Med størrelsesangivelser"},
    {Art::UnderSlut},
    {Art::Streg},
    {Art::Par, "<button></button>", "button-koden opretter en knap på siden"},
    {Art::Blok, "<datalist></datalist>",
     "datalist-koden specificerer en liste over forud definerede valgmuligheder for et input "
     "element"},
    {Art::Blok, "<fieldset></fieldset>",
     " fieldset-koden kan bruges til at gruppere relaterede emner/elementer i en form"},
    {Art::Blok, "<form></form>", "form-koden anvendes til at skabe form beregnet til bruger-input"},
    {Art::Vaerdi, "<input type=\"\">",
     "input-koden specificerer et input-felt, hvor brugeren kan indtaste data"},
    {Art::Enkelt, "<keygen>", "keygen-koden specificerer et nøglepar, der anvendes til formularer"},
    {Art::Par, "<label></label>", "label-koden definerer en overskrift til et input-element"},
    {Art::Par, "<legend></legend>", "legend-koden definerer overskrift til fieldset-koden"},
    {Art::Par, "<meter></meter>",
     "meter-koden anvendes til angivelse af værdi i et defineret område"},
    {Art::Blok, "<optgroup></optgroup>",
     "optgroup-koden anvendes til at gruppere elementer i en drop-down-liste"},
    {Art::Par, "<option></option>", "option-koden definerer elementer i en valg liste"},
    {Art::Par, "<output></output>",
     "output-koden repræsenterer resultatet af en beregning, som en beregning udført af et "
     "script"},
    {Art::Blok, "<select></select>", "select-koden anvendes til at skabe en drop-down liste"},
    {Art::Enkelt, "<textarea></textarea>",
     "textarea-koden definerer en input kontrol med flere linier"},
};

const Punkt kMultimediekoder[] = {
    {Art::Under, "Audio"},
    {Art::Vaerdi, "<audio src=\"\" controls></audio>",
     "audio-koden anvendes til afspilning af lydfiler"},
    {Art::Streg},
    {Art::Blok, "<audio controls></audio>", "controls: Afspilleren vises på siden"},
    {Art::Vaerdi, "<source src=\"\">", "src: Angiver media-filens url"},
    {Art::Vaerdi, "<source src=\"\" type=\"\">", "type: Specificerer media ressourcens MIME type"},
    {Art::UnderSlut},
    {Art::Under, "Canvas"},
    {Art::Vaerdi, "<canvas id=\"\"></canvas>", "id: Scriptet kan få kontakt til elementet via id"},
    {Art::Vaerdi, "<canvas id=\"\" height=\"\" width=\"\"></canvas>"},
    {Art::Blok, "<script></script>", "Scriptet kan få kontakt til canvas-elementet via dets id"},
    {Art::UnderSlut},
    {Art::Under, "Embed"},
    {Art::Vaerdi, "<embed src=\"\">",
     "src: Specificerer adressen på den eksterne fil, der indlejres"},
    {Art::UnderSlut},
    {Art::Under, "Img"},
    {Art::Vaerdi, "<img src=\"\" alt=\"\">", "Billedkode med attributter"},
    {Art::Streg},
    {Art::Vaerdi, "<img src=\"\" alt=\"\" usemap=\"#\">",
     "Billedkode forberedt til at anvende klikområder"},
    {Art::Vaerdi, "<map name=\"\"></map>",
     "map-koden benyttes til at definere et klientside billedets klik-områder"},
    {Art::Vaerdi, "<area shape=\"\" coords=\"\" href=\"\" alt=\"\">",
     "area-koden definerer et område inden i et image-map"},
    {Art::UnderSlut},
    {Art::Under, "Object"},
    {Art::Vaerdi, "<object data=\"\"></object>", "data: Angiver urlen på anvendte ressource"},
    {Art::Vaerdi, "<param name=\"\" value=\"\">",
     "param-koden anvendes til at definere parametre for det indlejrede objekt-element"},
    {Art::UnderSlut},
    {Art::Under, "Video"},
    {Art::Vaerdi, "<video src=\"\" controls></video>", "src: Angiver video-filens url"},
    {Art::Streg},
    {Art::Blok, "<video controls></video>", "controls: afspilleren vises på siden"},
    {Art::Vaerdi, "<source src=\"\">", "src: Angiver media-filens url"},
    {Art::Vaerdi, "<source src=\"\" type=\"\">", "type: Specificerer media ressourcens MIME type"},
    {Art::UnderSlut},
    {Art::Streg},
    {Art::Enkelt, "<area>", "area-koden definerer et område inden i et image-map"},
    {Art::Par, "<audio></audio>", "audio-koden anvendes til afspilning af lydfiler"},
    {Art::Par, "<canvas></canvas>",
     "canvas-koden anvendes som baggrund til grafik, som papir der tegnes på"},
    {Art::Enkelt, "<embed>",
     "embed-koden er kontainer for eksterne programmer eller interaktivt indhold"},
    {Art::Enkelt, "<img>", "img-koden definerer et billede på siden"},
    {Art::Par, "<map></map>",
     "map-koden benyttes til at definere et klientside billedets klik-områder"},
    {Art::Par, "<object></object>",
     " object-koden definerer et objekt eller anden hjemmeside, der skal indlejres i "
     "dokumentet"},
    {Art::Enkelt, "<param>",
     "param-koden anvendes til at definere parametre for det indlejrede objekt-element"},
    {Art::Enkelt, "<source>",
     "source-koden anvendes til at specificere media-ressourcer for media-elementer som "
     "audio-koder og video-koder"},
    {Art::Enkelt, "<track>",
     "track-koden specificerer tekst-spor til media-elementer som audio og video"},
    {Art::Par, "<video></video>", "video-koden anvendes til video afspilning"},
};

const Punkt kSkemakoder[] = {
    {Art::Under, "Colgroup"},
    {Art::Vaerdi, "<colgroup span=\"\" style=\"\"></colgroup>",
     "span: Angiver antallet af kolonner elementet skal spænde over"},
    {Art::Vaerdi, "<colgroup><col span=\"\" style=\"\"></colgroup>",
     "span: Angiver antallet af kolonner elementet skal spænde over"},
    {Art::Vaerdi, "<col span=\"\" style=\"\">",
     "span: Angiver antallet af kolonner elementet skal spænde over"},
    {Art::UnderSlut},
    {Art::Streg},
    {Art::Par, "<caption></caption>",
     "caption-koden anvendes til at definere en overskrift til et skema"},
    {Art::Enkelt, "<col>",
     "col-koden specificerer antallet af kolonner i en kolonnegruppe ved attributten span"},
    {Art::Par, "<colgroup></colgroup>",
     "colgroup-koden specificerer en gruppe bestående af en eller flere kolonner"},
    {Art::Par, "<table></table>", "table-koden anvendes til at konstruere et skema"},
    {Art::Par, "<tbody></tbody>",
     "tbody-koden er sammen med thead-kode og tfoot-kode koder til at strukturere tabellen i "
     "definerede afsnit"},
    {Art::Par, "<td></td>", "td-koden definerer en standard celle i en tabel"},
    {Art::Par, "<tfoot></tfoot>",
     "tfoot-koden er sammen med thead-kode og tbody-kode koder til at strukturere tabellen i "
     "definerede afsnit"},
    {Art::Par, "<th></th>", "th-koden definerer overskrift-celler i en tabel"},
    {Art::Par, "<thead></thead>",
     " thead-koden er sammen med tfoot-kode og tbody-kode koder til at strukturere tabellen i "
     "definerede afsnit"},
    {Art::Par, "<tr></tr>", "tr-koden definerer en tabel-række og omslutter celle-koderne"},
};

const Punkt kListekoder[] = {
    {Art::Under, "Ordnet liste", "Fremstilles ved ol-koden"},
    {Art::Vaerdi, "<ol type=\"\"></ol>", "type: Specificerer hvilken tegn-type der skal anvendes"},
    {Art::Vaerdi, "<ol type=\"\" start=\"\"></ol>", "start: Definerer listens startnummer"},
    {Art::UnderSlut},
    {Art::Streg},
    {Art::Par, "<dd></dd>",
     "dd-koden anvendes til at definere eller beskrive et begreb eller navn i en "
     "definitionsliste"},
    {Art::Par, "<dl></dl>", "dl-koden anvendes tilat fremstille en definitions/beskrivelses liste"},
    {Art::Par, "<dt></dt>",
     "dt-koden anvendes til at definere et begreb/navn, der skal defineres eller beskrives i en "
     "definitionsliste"},
    {Art::Par, "<li></li>", "li-koden definerer et liste-element"},
    {Art::Par, "<ol></ol>", "ol-koden anvendes til at fremstille en ordnet liste"},
    {Art::Par, "<ul></ul>", "ul-koden definerer en uordnet liste eller prik-liste"},
};

const Punkt kSpecialtegn[] = {
    {Art::Enkelt, "Mellemrum", "Udskriver et ekstra mellemrum", "&nbsp;"},
    {Art::Enkelt, "Større end", "", "&gt;"},
    {Art::Enkelt, "Mindre end", "", "&lt;"},
    {Art::Enkelt, "Ampersant", "", "&amp;"},
};

struct Menu {
    const char* navn;
    const char* knap;
    const char* hint;
    const Punkt* punkter;
    int antal;
};

template <int N> constexpr int antalAf(const Punkt (&)[N]) {
    return N;
}

const Menu kMenuer[] = {
    {"PUstrukturkoder", "Struktur", "Strukturkoder", kStrukturkoder, antalAf(kStrukturkoder)},
    {"PUtekstkoder", "Tekst", "Tekstkoder", kTekstkoder, antalAf(kTekstkoder)},
    {"PUformkoder", "Form", "Formkoder", kFormkoder, antalAf(kFormkoder)},
    {"PUmultimedieKoder", "Multimedie", "Multimediekoder", kMultimediekoder,
     antalAf(kMultimediekoder)},
    {"PUskemakoder", "Skema", "Skemakoder", kSkemakoder, antalAf(kSkemakoder)},
    {"PUlistekoder", "Liste", "Listekoder", kListekoder, antalAf(kListekoder)},
    {"PUspecialtegn", "Tegn", "Specialtegn", kSpecialtegn, antalAf(kSpecialtegn)},
};

QString tekstAf(const char* s) {
    return QString::fromUtf8(s);
}

// Writes an item through the checker.
void skriv(Tinfotag& taginf, const Punkt& punkt) {
    const QString caption = tekstAf(punkt.caption).trimmed();
    QStringList felter =
        punkt.skrevet ? tekstAf(punkt.skrevet).split(QLatin1Char('\t')) : QStringList{caption};
    if (felter.size() == 1 && (punkt.art == Art::Par || punkt.art == Art::Blok)) {
        const qsizetype slut = caption.indexOf(QLatin1String("</"));
        felter = {caption.left(slut), caption.mid(slut)};
    }
    switch (punkt.art) {
    case Art::Par:
        taginf.UdskrivKode(felter[0], felter[1]);
        break;
    case Art::Enkelt:
        taginf.UdskrivKode(felter[0], QString());
        break;
    case Art::Vaerdi: {
        const qsizetype efter = felter[0].indexOf(QLatin1String("=\"")) + 2;
        taginf.UdskrivKode(felter[0].left(efter), felter[0].mid(efter));
        break;
    }
    case Art::Blok:
        taginf.UdskrivBlok(felter[0], felter[1]);
        break;
    case Art::BlokPar:
        taginf.UdskrivBlok(felter[0], felter[1], felter[2], felter[3]);
        break;
    case Art::Under:
    case Art::UnderSlut:
    case Art::Streg:
        break;
    }
}

} // namespace

HtmlMenuer::HtmlMenuer(MainHost& host, QObject* parent) : QObject(parent), m_host(host) {}

QMenu* HtmlMenuer::lavMenu(const char* navn, QToolBar* bar) {
    auto* menu = new QMenu(bar);
    menu->setObjectName(QLatin1String(navn));
    menu->setToolTipsVisible(true);
    m_menuer.insert(QLatin1String(navn), menu);
    return menu;
}

void HtmlMenuer::fyld(QToolBar* bar, const DokumentHandlinger& handlinger) {
    auto knap = [bar](QMenu* menu, const char* tekst, const char* hint) {
        auto* knap = new QToolButton(bar);
        knap->setText(tekstAf(tekst));
        knap->setToolTip(tekstAf(hint));
        knap->setMenu(menu);
        knap->setPopupMode(QToolButton::InstantPopup);
        knap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(knap);
    };
    for (const Menu& m : kMenuer) {
        QMenu* menu = lavMenu(m.navn, bar);
        QMenu* her = menu;
        for (int i = 0; i < m.antal; ++i) {
            const Punkt& punkt = m.punkter[i];
            if (punkt.art == Art::Streg) {
                her->addSeparator();
                continue;
            }
            if (punkt.art == Art::UnderSlut) {
                her = menu;
                continue;
            }
            if (punkt.art == Art::Under) {
                her = menu->addMenu(tekstAf(punkt.caption));
                her->setToolTipsVisible(true);
                her->menuAction()->setToolTip(tekstAf(punkt.hint));
                continue;
            }
            QAction* handling = her->addAction(tekstAf(punkt.caption));
            handling->setToolTip(*punkt.hint ? tekstAf(punkt.hint) : QString());
            handling->setStatusTip(handling->toolTip());
            connect(handling, &QAction::triggered, this, [this, &punkt] {
                skriv(m_host.taginf(), punkt);
                emit kodeSkrevet();
            });
        }
        knap(menu, m.knap, m.hint);
    }

    QMenu* attributter = lavMenu("PUattributter", bar);
    const auto attribut = [&](const char* navn, const QString& attribut) {
        QAction* handling = handlinger(navn);
        connect(handling, &QAction::triggered, this,
                [this, attribut] { m_host.taginf().udskrivAttribut(attribut); });
        attributter->addAction(handling);
    };
    attribut("AstyleAttribut", QStringLiteral("style"));
    attributter->addSeparator();
    attribut("AclassAttribut", QStringLiteral("class"));
    attribut("AidAttribut", QStringLiteral("id"));
    attributter->addSeparator();
    attribut("AonclickEvent", QStringLiteral("onclick"));
    attributter->addSeparator();
    auto blok = [this, attributter](const QString& caption, const QString& start,
                                    const QString& slut) {
        QAction* handling = attributter->addAction(caption);
        handling->setToolTip(QStringLiteral("Indsætter ") + start + slut);
        handling->setStatusTip(handling->toolTip());
        connect(handling, &QAction::triggered, this,
                [this, start, slut] { m_host.taginf().UdskrivBlok(start, slut); });
    };
    blok(QStringLiteral("Style-koder"), QStringLiteral("<style>"), QStringLiteral("</style>"));
    blok(QStringLiteral("Script-koder"), QStringLiteral("<script>"), QStringLiteral("</script>"));
    knap(attributter, "Attributter", "Nogle attributter og koder");
}

void HtmlMenuer::Slutkode() {
    Tinfotag& taginf = m_host.taginf();
    if (taginf.GetTag().isEmpty()) {
        m_host.Info(QStringLiteral("Der er ingen aktuel kode"));
        return;
    }
    if (taginf.PosData().CurPos == cpBetween && !taginf.UdskrivSlutkode())
        Platform::prompter().message(QStringLiteral("Koden blev ikke fundet"));
}
