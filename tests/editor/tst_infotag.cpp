#include "editor/infotag.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

class TestInfotag : public QObject {
    Q_OBJECT
private slots:
    void linjerErstatterCaretensLinje();
    void blokGiverTomMidterlinjeMedCaret();
    void ubundetGoerIntet();
};

namespace {

void caretPaaLinje(QPlainTextEdit& e, int linje, int kolonne = 0) {
    QTextCursor c(e.document()->findBlockByNumber(linje));
    c.setPosition(c.position() + kolonne);
    e.setTextCursor(c);
}

} // namespace

void TestInfotag::linjerErstatterCaretensLinje() {
    QPlainTextEdit e;
    Tinfotag taginf;
    taginf.setEditor(&e);
    // An empty document written line by line ends with an empty last line, caret on it.
    taginf.InsertLine(QStringLiteral("<html>"), true, false, false);
    taginf.InsertLine(QStringLiteral("</html>"), true, false, false);
    QCOMPARE(e.toPlainText(), QStringLiteral("<html>\n</html>\n"));
    QCOMPARE(e.textCursor().position(), e.toPlainText().size());
    QVERIFY(e.document()->isModified());

    // The caret in the middle of a line: the whole line goes, the rest stays.
    e.setPlainText(QStringLiteral("a\nmidte\nb"));
    caretPaaLinje(e, 1, 3);
    taginf.InsertLine(QStringLiteral("ny"), false, false, false);
    QCOMPARE(e.toPlainText(), QStringLiteral("a\nny\nb"));
    QCOMPARE(e.textCursor().position(), 4);
}

void TestInfotag::blokGiverTomMidterlinjeMedCaret() {
    QPlainTextEdit e;
    e.setPlainText(QStringLiteral("før\ngammel linje\nefter"));
    Tinfotag taginf;
    taginf.setEditor(&e);
    caretPaaLinje(e, 1, 4);
    taginf.InsertLine(QStringLiteral("<div>"), true, true, false);
    taginf.InsertLine(QString(), true, false, false);
    taginf.InsertLine(QStringLiteral("</div>"), false, false, true);
    QCOMPARE(e.toPlainText(), QStringLiteral("før\n<div>\n\n</div>\nefter"));
    QCOMPARE(e.textCursor().blockNumber(), 2);
    QCOMPARE(e.textCursor().positionInBlock(), 0);
}

void TestInfotag::ubundetGoerIntet() {
    Tinfotag taginf;
    taginf.InsertLine(QStringLiteral("x"), true, true, true);
    // An editor that is destroyed unbinds itself.
    auto* e = new QPlainTextEdit;
    taginf.setEditor(e);
    delete e;
    QVERIFY(!taginf.editor());
    taginf.InsertLine(QStringLiteral("x"), true, true, true);
}

QTEST_MAIN(TestInfotag)
#include "tst_infotag.moc"
