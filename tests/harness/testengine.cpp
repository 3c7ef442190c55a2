#include "testengine.h"

#include "engine/strukturitem.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestEngine::TestEngine() : funk(nullptr, *this) {
    funk.setStruktur1(&dirbox);
    funk.setStruktur2(&filbox);
    funk.setBrugernavn(QStringLiteral("anna"));
    funk.setMedtagPrivat(false);
    funk.setOperationWindows(&windows);
    filbox.setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TestEngine::vaelgMappe(const QString& folder) {
    if (dirbox.topLevelItemCount() == 0)
        funk.makeStruktur1();
    funk.setAktiveStruktur(1);
    funk.udfoldStruktur1(folder, true);
    funk.getDirectory();
}

void TestEngine::vis(const QString& folder, const QStringList& texts) {
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(folder, false);
    filbox.clearSelection();
    for (const QString& text : texts) {
        StrukturItem* item = node(text);
        if (!item) {
            QTest::qFail(qPrintable(QStringLiteral("no node ") + text), __FILE__, __LINE__);
            return;
        }
        item->setSelected(true);
        filbox.setCurrentItem(item, QItemSelectionModel::Select);
    }
    funk.infoStruktur2();
}

StrukturItem* TestEngine::node(const QString& text) const {
    const QList<StrukturItem*> found = filbox.findItems(text);
    return found.isEmpty() ? nullptr : found.first();
}

QMap<QString, QByteArray> snapshot(const QString& hostFolder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(hostFolder, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString relative = path.mid(hostFolder.size() + 1);
        if (info.isSymLink()) {
            files.insert(relative, "link:" + info.symLinkTarget().toUtf8());
            continue;
        }
        QFile file(path);
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            files.insert(relative,
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}

bool nothingLost(const QMap<QString, QByteArray>& before, const QString& sourceHost,
                 const QString& targetHost) {
    const QMap<QString, QByteArray> source = snapshot(sourceHost);
    const QMap<QString, QByteArray> target = snapshot(targetHost);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (source.value(it.key()) == it.value() || target.value(it.key()) == it.value())
            continue;
        qWarning("lost: %s", qPrintable(it.key()));
        return false;
    }
    return true;
}
