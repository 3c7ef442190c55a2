#include "engine/strukturitem.h"
#include "engine/strukturmodel.h"
#include "engine/strukturvisning.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

StrukturItem* fil(const QString& text) {
    return new StrukturItem(
        text, {QStringLiteral("C:\\M"), QStringLiteral("C:\\M\\") + text, NodeKind::File}, 1);
}

QStringList texts(const QList<StrukturItem*>& nodes) {
    QStringList t;
    for (const StrukturItem* node : nodes)
        t << node->text();
    return t;
}

// A pane of five files under a shown, focused view.
struct Pane {
    Pane() {
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.resize(300, 400);
        for (const char* name : {"a", "b", "c", "d", "e"})
            view.addTopLevelItem(fil(QString::fromLatin1(name)));
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QPoint at(int row) const { return view.visualItemRect(view.topLevelItem(row)).center(); }

    StrukturVisning view;
};

} // namespace

class TestStrukturVisning : public QObject {
    Q_OBJECT

private slots:
    // Nodes built outside a tree, added, deleted in the middle and cleared: the node calls
    // and the model the view reads agree at every step.
    void nodesAndModelStayInStep() {
        StrukturVisning view;
        auto* root = new StrukturItem(QStringLiteral("rod"), {}, 0);
        root->addChildren(
            {fil(QStringLiteral("x")), fil(QStringLiteral("y")), fil(QStringLiteral("z"))});
        view.addTopLevelItem(root);
        view.addTopLevelItem(fil(QStringLiteral("sidst")));
        const StrukturModel& model = view.strukturModel();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.rowCount(view.indexFromItem(root)), 3);
        QCOMPARE(root->child(2)->parent(), root);
        QCOMPARE(root->parent(), nullptr);
        QCOMPARE(root->child(1)->treeWidget(), &view);

        delete root->child(1); // a deleted node leaves its tree
        QCOMPARE(model.rowCount(view.indexFromItem(root)), 2);
        QCOMPARE(texts({root->child(0), root->child(1)}), QStringList({"x", "z"}));
        QCOMPARE(root->indexOfChild(root->child(1)), 1);
        QCOMPARE(view.itemFromIndex(model.index(1, 0, view.indexFromItem(root))), root->child(1));

        root->child(0)->setText(QStringLiteral("omdøbt"));
        QCOMPARE(model.data(view.indexFromItem(root->child(0)), Qt::DisplayRole).toString(),
                 QStringLiteral("omdøbt"));

        root->deleteChildren();
        QCOMPARE(model.rowCount(view.indexFromItem(root)), 0);
        delete view.topLevelItem(0);
        QCOMPARE(view.topLevelItemCount(), 1);
        QCOMPARE(view.topLevelItem(0)->row(), 0);
        view.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(view.currentItem(), nullptr);
    }

    // The selection is read in display order however it was made, and selecting many nodes
    // at once selects exactly those, in nested lists too.
    void selectionInDisplayOrder() {
        StrukturVisning view;
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        auto* hits = new StrukturItem(QStringLiteral("Fund"), {}, 0);
        for (const char* name : {"a.txt", "b.jpg", "c.txt", "d.txt", "e.jpg"})
            hits->addChild(fil(QString::fromLatin1(name)));
        view.addTopLevelItem(hits);
        view.addTopLevelItem(fil(QStringLiteral("f.txt")));

        view.topLevelItem(1)->setSelected(true);
        hits->child(3)->setSelected(true);
        hits->child(0)->setSelected(true);
        QCOMPARE(texts(view.selectedItems()), QStringList({"a.txt", "d.txt", "f.txt"}));

        view.selectWhere([](const StrukturItem& node) { return node.text().endsWith(".txt"); });
        QCOMPARE(texts(view.selectedItems()), QStringList({"a.txt", "c.txt", "d.txt", "f.txt"}));
        QVERIFY(!hits->child(1)->isSelected());
        QVERIFY(!hits->isSelected());

        view.selectWhere([](const StrukturItem&) { return false; });
        QVERIFY(view.selectedItems().isEmpty());
    }

    // A click, a Ctrl click and a Shift click select as in any file list; a double click and
    // Ctrl+A reach the program with the nodes they hit.
    void mouseAndKeys() {
        Pane p;
        QSignalSpy clicked(&p.view, &StrukturVisning::itemClicked);
        QSignalSpy doubled(&p.view, &StrukturVisning::itemDoubleClicked);
        QTest::mouseClick(p.view.viewport(), Qt::LeftButton, {}, p.at(1));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).value<StrukturItem*>(), p.view.topLevelItem(1));
        QCOMPARE(p.view.currentItem(), p.view.topLevelItem(1));
        QTest::mouseClick(p.view.viewport(), Qt::LeftButton, Qt::ControlModifier, p.at(4));
        QTest::mouseClick(p.view.viewport(), Qt::LeftButton, Qt::ShiftModifier, p.at(2));
        QCOMPARE(texts(p.view.selectedItems()), QStringList({"b", "c", "d", "e"}));

        // A double click begins with a press, as from a mouse.
        QTest::mouseClick(p.view.viewport(), Qt::LeftButton, {}, p.at(3));
        QTest::mouseDClick(p.view.viewport(), Qt::LeftButton, {}, p.at(3));
        QCOMPARE(doubled.size(), 1);
        QCOMPARE(doubled.at(0).at(0).value<StrukturItem*>(), p.view.topLevelItem(3));

        p.view.setFocus();
        QTest::keyClick(&p.view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(p.view.selectedItems().size(), 5);
        QVERIFY(p.view.itemAt(p.at(0)) == p.view.topLevelItem(0));
    }

    // Editing in place changes the node's text only when asked for; a disabled node cannot
    // be chosen.
    void editingAndDisabledNodes() {
        Pane p;
        p.view.setEditTriggers(QAbstractItemView::NoEditTriggers);
        QTest::mouseDClick(p.view.viewport(), Qt::LeftButton, {}, p.at(0));
        QCOMPARE(p.view.findChild<QLineEdit*>(), nullptr);

        p.view.editItem(p.view.topLevelItem(0));
        auto* editor = p.view.findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("ny æble.txt"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(p.view.topLevelItem(0)->text(), QStringLiteral("ny æble.txt"));

        StrukturItem* tom = p.view.topLevelItem(4);
        tom->setDisabled(true);
        QTest::mouseClick(p.view.viewport(), Qt::LeftButton, {}, p.at(4));
        QVERIFY(!tom->isSelected());
        QCOMPARE(p.view.findItems(QStringLiteral("e")), QList<StrukturItem*>({tom}));
    }
};

QTEST_MAIN(TestStrukturVisning)
#include "tst_strukturvisning.moc"
