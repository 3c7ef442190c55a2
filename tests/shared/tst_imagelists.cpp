#include "harness/testenvironment.h"
#include "shared/imagelists.h"
#include "shared/lazyiconengine.h"

#include <QDir>
#include <QImageReader>

namespace {

// True if the icon draws something at the size asked for (a broken SVG draws nothing).
bool draws(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size).toImage();
    if (image.isNull() || image.size() != QSize(size, size))
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

// Slot 0 is empty; every other slot draws, and only the unused `repeated` slot draws the
// same as the slot it repeats, so no two kinds of node are shown alike.
void checkList(const QList<QIcon>& list, qsizetype length, int repeated, int original) {
    QCOMPARE(list.size(), length);
    QVERIFY(list[0].isNull());
    QList<QImage> seen;
    for (int slot = 1; slot < list.size(); ++slot) {
        QVERIFY2(!list[slot].isNull(), qPrintable(QStringLiteral("slot %1").arg(slot)));
        QVERIFY2(draws(list[slot], 16) && draws(list[slot], 32),
                 qPrintable(QStringLiteral("slot %1").arg(slot)));
        const QImage image = list[slot].pixmap(16).toImage();
        const qsizetype same = seen.indexOf(image);
        if (slot == repeated)
            QCOMPARE(same + 1, qsizetype(original));
        else
            QVERIFY2(
                same < 0,
                qPrintable(QStringLiteral("slot %1 looks like slot %2").arg(slot).arg(same + 1)));
        seen.append(image);
    }
}

} // namespace

class TestImageLists : public QObject {
    Q_OBJECT

private slots:
    void folderTree() { checkList(ImageLists::dirliste(), 13, 4, 3); }

    void filePane() { checkList(ImageLists::filliste(), 27, 19, 2); }

    void listsAreKept() {
        QCOMPARE(ImageLists::filliste()[3].cacheKey(), ImageLists::filliste()[3].cacheKey());
    }

    // An icon loads once, at its first drawing by any of its copies, and then draws as the
    // same icon loaded at once does, at a device pixel ratio of 1 and of 2.
    void lazyIconsLoadOnFirstDrawing() {
        ImageLists::filliste(); // registers the resource
        const QString file = QStringLiteral(":/icons/folder.svg");
        int loads = 0;
        const QIcon lazy = LazyIconEngine::icon([&] {
            ++loads;
            return QIcon(file);
        });
        const QIcon copy = lazy;
        QVERIFY(!lazy.isNull());
        QCOMPARE(loads, 0);
        const QIcon eager(file);
        QCOMPARE(lazy.pixmap(16).toImage(), eager.pixmap(16).toImage());
        const QPixmap sharp = copy.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(sharp.size(), QSize(32, 32));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.toImage(), eager.pixmap(QSize(16, 16), 2.0).toImage());
        QCOMPARE(lazy.actualSize(QSize(24, 24)), eager.actualSize(QSize(24, 24)));
        QCOMPARE(loads, 1);
    }

    // The icons of files are measured without being loaded, as they measure once loaded.
    void lazyFileIconsMeasureAsLoaded() {
        ImageLists::filliste(); // registers the resource
        const QStringList files = QDir(QStringLiteral(":/icons")).entryList({"*.svg"});
        QVERIFY(files.size() > 100);
        for (const QString& name : files) {
            // The question mark is drawn only at its own size, by the windows that ask.
            if (name == QStringLiteral("question.svg"))
                continue;
            const QString file = QStringLiteral(":/icons/") + name;
            const QIcon eager(file);
            for (const QSize size : {QSize(16, 16), QSize(24, 16), QSize(16, 40), QSize(0, 8)})
                QVERIFY2(LazyIconEngine::icon(file).actualSize(size) == eager.actualSize(size),
                         qPrintable(name));
        }
    }

    void installedFileIcons() {
        const QDir dir(qEnvironmentVariable("RAVNSTI_DATA") + QStringLiteral("/Program/Ikoner"));
        QVERIFY2(dir.exists(), "RAVNSTI_DATA does not name the data folder");
        const QStringList files = dir.entryList({QStringLiteral("*.ico")}, QDir::Files);
        for (const char* key : {"ukendt", "film", "musik", "billeder"})
            QVERIFY2(files.contains(QLatin1String(key) + QStringLiteral("_ikon.ico")), key);
        for (const QString& name : files) {
            QImageReader reader(dir.filePath(name));
            QVERIFY2(reader.format() == "ico", qPrintable(name));
            bool has32 = false;
            for (int i = 0; i < reader.imageCount(); ++i) {
                QVERIFY(reader.jumpToImage(i));
                const QImage image = reader.read();
                QVERIFY2(!image.isNull(), qPrintable(name));
                has32 = has32 || image.size() == QSize(32, 32);
            }
            QVERIFY2(has32, qPrintable(name));
            QVERIFY2(draws(QIcon(dir.filePath(name)), 16), qPrintable(name));
        }
    }
};

RAVNSTI_TEST_MAIN(TestImageLists)
#include "tst_imagelists.moc"
