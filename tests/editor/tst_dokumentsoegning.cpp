#include "editor/dokumentsoegning.h"
#include "harness/testenvironment.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

QStringList rows(const QList<TekstFund>& fund) {
    QStringList result;
    for (const TekstFund& f : fund)
        result << QStringLiteral("%1|%2|%3").arg(f.dokument).arg(f.position).arg(f.tekst);
    return result;
}

// The text an editor selects when it puts its caret at the hit and selects `length`.
QString selected(QTextDocument& doc, qint64 position, int length) {
    QTextCursor cursor(&doc);
    cursor.setPosition(int(position));
    cursor.setPosition(int(position) + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

class TestDokumentsoegning : public QObject {
    Q_OBJECT

private slots:
    void findsWithTheOptions() {
        QTextDocument doc(QStringLiteral("Hest hest\nhestehoved, (hest)\n\nen HEST"));
        QList<TekstFund> fund;
        DokumentSoegning(QStringLiteral("hest"), false, false).find(QStringLiteral("a"), doc, fund);
        QCOMPARE(rows(fund),
                 QStringList({"a|0|Hest hest", "a|5|Hest hest", "a|10|hestehoved, (hest)",
                              "a|23|hestehoved, (hest)", "a|33|en HEST"}));
        for (const TekstFund& f : std::as_const(fund))
            QCOMPARE(selected(doc, f.position, 4).toLower(), QStringLiteral("hest"));
        fund.clear();
        DokumentSoegning(QStringLiteral("hest"), true, true).find(QStringLiteral("a"), doc, fund);
        QCOMPARE(rows(fund), QStringList({"a|5|Hest hest", "a|23|hestehoved, (hest)"}));
        fund.clear();
        DokumentSoegning(QStringLiteral("ingen"), false, false)
            .find(QStringLiteral("a"), doc, fund);
        DokumentSoegning(QString(), false, false).find(QStringLiteral("a"), doc, fund);
        QVERIFY(fund.isEmpty());
    }

    // In rich text a paragraph and a soft line break count one character each, as the
    // editor's caret does; the row shows only the line of the hit.
    void positionsInRichTextAreTheEditors() {
        QTextDocument doc;
        doc.setHtml(QStringLiteral("<p><b>Første</b> linje<br>anden ræv</p><ul><li>ræv</li></ul>"));
        QList<TekstFund> fund;
        DokumentSoegning(QStringLiteral("ræv"), false, false).find(QStringLiteral("r"), doc, fund);
        QCOMPARE(fund.size(), 2);
        QCOMPARE(fund.at(0).tekst, QStringLiteral("anden ræv"));
        QCOMPARE(fund.at(1).tekst, QStringLiteral("ræv"));
        for (const TekstFund& f : std::as_const(fund))
            QCOMPARE(selected(doc, f.position, 3), QStringLiteral("ræv"));
    }

    void replacesEveryHitAsOneStep() {
        QTextDocument doc(QStringLiteral("a-a a\nxa"));
        QList<TekstFund> fund;
        // A replacement holding the text is not searched again.
        const int antal = DokumentSoegning(QStringLiteral("a"), true, false)
                              .erstat(QStringLiteral("d"), doc, QStringLiteral("aa"), fund);
        QCOMPARE(antal, 3);
        QCOMPARE(doc.toPlainText(), QStringLiteral("aa-aa aa\nxa"));
        QCOMPARE(rows(fund), QStringList({"d|0|aa-a a", "d|3|aa-aa a", "d|6|aa-aa aa"}));
        for (const TekstFund& f : std::as_const(fund))
            QCOMPARE(selected(doc, f.position, 2), QStringLiteral("aa"));
        QVERIFY(doc.isModified());
        doc.undo(); // one undo takes every replacement back
        QCOMPARE(doc.toPlainText(), QStringLiteral("a-a a\nxa"));

        // Replacing by nothing; a document without hits is left unmodified.
        fund.clear();
        QCOMPARE(DokumentSoegning(QStringLiteral("A"), false, false)
                     .erstat(QStringLiteral("d"), doc, QString(), fund),
                 4);
        QCOMPARE(doc.toPlainText(), QStringLiteral("- \nx"));
        QTextDocument tom(QStringLiteral("intet"));
        const int tomTrin = tom.availableUndoSteps();
        QCOMPARE(DokumentSoegning(QStringLiteral("A"), false, false)
                     .erstat(QStringLiteral("t"), tom, QStringLiteral("b"), fund),
                 0);
        QCOMPARE(tom.availableUndoSteps(), tomTrin);
    }

    void aLongLineShowsOnlyItsPartAroundTheHit() {
        const QString fyld(1000, u'x');
        QTextDocument doc(fyld + QStringLiteral(" nål ") + fyld);
        QList<TekstFund> fund;
        DokumentSoegning(QStringLiteral("nål"), false, false).find(QStringLiteral("l"), doc, fund);
        QCOMPARE(fund.size(), 1);
        QCOMPARE(fund.at(0).position, 1001);
        QCOMPARE(fund.at(0).tekst.size(), 2 * TekstSoegning::kKontekst + 3);
    }
};

RAVNSTI_TEST_MAIN(TestDokumentsoegning)
#include "tst_dokumentsoegning.moc"
