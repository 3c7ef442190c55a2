#include "vbskommandoer.h"

#include "infotag.h"
#include "vbsstavning.h"

#include "engine/struktur.h"

#include "shared/datafolders.h"
#include "shared/mainhost.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

struct Skabelon {
    const char* caption;
    const char* linjer; // lines apart by "|"; the caret ends at the start of the line after
    int markeret;       // this one
};

const Skabelon kSkabeloner[] = {
    {"If ... End If", "If BETINGELSE Then||End If", 0},
    {"Select Case ... End Select", "Select Case VARIABEL|Case VALUE||End Select", 1},
    {nullptr, nullptr, 0},
    {"Do While .. Loop", "Do While BETINGELSE||Loop", 0},
    {"Do Until ... Loop", "Do Until BETINGELSE||Loop", 0},
    {"Do ... Loop While", "Do||Loop While BETINGELSE", 0},
    {"Do ... Loop Until", "Do||Loop Until BETINGELSE", 0},
    {nullptr, nullptr, 0},
    {"For Each ... in ... Next", "For Each ELEMENT In ELEMENTER||Next", 0},
    {"For ... To ... Next", "For VAR = VALUE to VALUE||Next", 0},
    {nullptr, nullptr, 0},
    {"Function ... End Function", "Function FUNKTIONSNAVN||End Function", 0},
    {"Sub ... End Sub", "Sub PROCEDURENAVN||End Sub", 0},
    {"Class ... End Class", "Class OBJEKTNAVN||End Class", 0},
};

const Skabelon kPrivate[] = {
    {"Function ... End Function", "Private Function FUNKTIONSNAVN||End Function", 0},
    {"Sub ... End Sub", "Private Sub PROCEDURENAVN||End Sub", 0},
};

const Skabelon kPublic[] = {
    {"Function ... End Function", "Public Function FUNKTIONSNAVN||End Function", 0},
    {"Sub ... End Sub", "Public Sub PROCEDURENAVN||End Sub", 0},
    {nullptr, nullptr, 0},
    {"Property Let ... End Property", "Public Property Let PROPERTYNAVN(VALUE)||End Property", 0},
    {"Property Get ... End Property", "Public Property Get PROPERTYNAVN||End Property", 0},
    {"Property Set ... End Property", "Public Property Set PROPERTYNAVN(VALUE)||End Property", 0},
};

// The first word of a line in lower case: a run of letters ended by any other character;
// an apostrophe ends the scan and drops a word in progress.
QString foersteOrd(const QString& linje) {
    QString ord;
    for (const QChar c : linje) {
        if (c == QLatin1Char('\''))
            return {};
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            ord += c;
        else if (!ord.isEmpty())
            return ord;
    }
    return ord;
}

} // namespace

VbsKommandoer::VbsKommandoer(MainHost& host, QObject* parent) : QObject(parent), m_host(host) {}

void VbsKommandoer::CompleteScriptBlock() {
    Tinfotag& taginf = m_host.taginf();
    if (!taginf.editor())
        return;
    const QString linje = taginf.editor()->textCursor().block().text().toLower();
    if (linje.isEmpty() || linje.startsWith(QLatin1Char('\'')))
        return;
    int indrykning = 0;
    while (indrykning < linje.size() && linje[indrykning] == QLatin1Char(' '))
        ++indrykning;
    static const QHash<QString, QString> kSlut = {
        {QStringLiteral("if"), QStringLiteral("End If")},
        {QStringLiteral("function"), QStringLiteral("End function")},
        {QStringLiteral("sub"), QStringLiteral("End Sub")},
        {QStringLiteral("class"), QStringLiteral("End Class")},
        {QStringLiteral("for"), QStringLiteral("Next")},
        {QStringLiteral("do"), QStringLiteral("Loop")},
        {QStringLiteral("select"), QStringLiteral("End Select")},
    };
    const QString slut = kSlut.value(foersteOrd(linje));
    if (slut.isEmpty())
        return;
    taginf.InsertVbs(slut, indrykning);
    emit kodeSkrevet();
}

QMenu* VbsKommandoer::lavPUvbs(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PUvbs"));
    auto fyld = [this](QMenu* her, const auto& skabeloner) {
        for (const Skabelon& s : skabeloner) {
            if (!s.caption) {
                her->addSeparator();
                continue;
            }
            const QStringList linjer = QString::fromLatin1(s.linjer).split(QLatin1Char('|'));
            const int markeret = s.markeret;
            connect(her->addAction(QString::fromLatin1(s.caption)), &QAction::triggered, this,
                    [this, linjer, markeret] {
                        m_host.taginf().UdskrivLinjer(linjer, markeret);
                        emit kodeSkrevet();
                    });
        }
    };
    fyld(menu, kSkabeloner);
    menu->addSeparator();
    fyld(menu->addMenu(QStringLiteral("Private")), kPrivate);
    fyld(menu->addMenu(QStringLiteral("Public")), kPublic);
    return menu;
}

QStringList VbsKommandoer::stavemaader() const {
    const QString emne = m_host.mapper().strukturDir + QStringLiteral("\\VBS");
    TStruktur struktur;
    struktur.setStrukturfile(emne + QStringLiteral("\\struktur.txt"));
    QStringList tekster;
    if (struktur.HentStruktur())
        for (const QTreeWidgetItem* node : struktur.allNodes())
            tekster.append(node->text(0));
    return tekster;
}

void VbsKommandoer::tsVbAbc(const QString& ext) {
    QPlainTextEdit* editor = m_host.taginf().editor();
    if (!editor)
        return;
    const QStringList ord = stavemaader();
    if (ord.isEmpty()) {
        m_host.Info(QStringLiteral("Stavningen kan ikke rettes: scriptemnet \"VBS.txt\" mangler"));
        return;
    }
    const QList<VbsStavning::Rettelse> rettelser =
        VbsStavning(ord).rettelser(editor->document()->toPlainText(), ext);
    if (rettelser.isEmpty())
        return;
    // Each word keeps its length, so the caret and the later words keep their places.
    QTextCursor caret = editor->textCursor();
    const int anker = caret.anchor(), position = caret.position();
    QTextCursor skriv(editor->document());
    skriv.beginEditBlock();
    for (const VbsStavning::Rettelse& r : rettelser) {
        skriv.setPosition(int(r.pos));
        skriv.setPosition(int(r.pos + r.ord.size()), QTextCursor::KeepAnchor);
        skriv.insertText(r.ord);
    }
    skriv.endEditBlock();
    caret.setPosition(anker);
    caret.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(caret);
}
