// Editing a 20 MB UTF-8 text file: open it in a document window of the program, type 1,000
// characters one key at a time (the caret panels follow each key), save with Ctrl+S;
// against a bare QPlainTextEdit that opens the same file, types the same keys with a label
// showing line count, line and column, and saves with QSaveFile. Each side runs in a child
// process of its own, which prints the seconds of its work; the peak resident memory of the
// whole child is taken from the system. Both saved files must be the original with the
// typed text at the same place. Goals: at most 1.5 times the bare editor's time and memory.
// Usage: bench_editor [folder [rounds]] (default: /tmp, 5 rounds).
#include "benchfolder.h"
#include "benchtools.h"

#include "app/mainform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

namespace {

constexpr qsizetype kFileSize = 20 * 1000 * 1000;
constexpr int kKeys = 1000;
// The typed text goes into the middle of the file, at the start of this line.
constexpr int kLine = 100000;

QByteArray makeText() {
    static const char* const words[] = {"mappe", "fil",   "sti",      "drev",  "søgning",
                                        "tekst", "linje", "ravn",     "kode",  "æblegrød",
                                        "notat", "liste", "kalender", "pølse", "fløjte"};
    QRandomGenerator random(42);
    QByteArray text;
    text.reserve(kFileSize + 200);
    while (text.size() < kFileSize) {
        const int count = 3 + int(random.bounded(12));
        for (int w = 0; w < count; ++w) {
            text += words[random.bounded(15)];
            text += ' ';
        }
        text += '\n';
    }
    return text;
}

// The keys both sides type: letters, Danish letters, spaces and now and then Enter.
QString keys() {
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzæøå  ");
    QRandomGenerator random(7);
    QString out;
    for (int i = 0; i < kKeys; ++i)
        out += i % 80 == 79 ? QChar(u'\n') : letters.at(random.bounded(int(letters.size())));
    return out;
}

void typeInto(QWidget* editor) {
    for (const QChar c : keys()) {
        if (c == u'\n')
            QTest::keyClick(editor, Qt::Key_Return);
        else // Latin-1 capitals are their own key codes, the Danish letters included.
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        QCoreApplication::processEvents();
    }
}

void caretToLine(QPlainTextEdit* editor) {
    QTextCursor caret(editor->document()->findBlockByNumber(kLine));
    editor->setTextCursor(caret);
}

int bareSide(const QString& file) {
    QElapsedTimer timer;
    timer.start();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* editor = new QPlainTextEdit(&window);
    auto* panels = new QLabel(&window);
    layout->addWidget(editor);
    layout->addWidget(panels);
    QObject::connect(editor, &QPlainTextEdit::cursorPositionChanged, panels, [editor, panels] {
        const QTextCursor c = editor->textCursor();
        panels->setText(QStringLiteral("%1  %2  %3")
                            .arg(editor->blockCount())
                            .arg(c.blockNumber() + 1)
                            .arg(c.positionInBlock()));
    });
    window.resize(900, 700);
    window.show();
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    editor->setPlainText(QString::fromUtf8(in.readAll()));
    in.close();
    QCoreApplication::processEvents();
    caretToLine(editor);
    editor->setFocus();
    typeInto(editor);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(editor->toPlainText().toUtf8()) < 0 ||
        !out.commit())
        return 1;
    std::printf("%.6f\n", timer.nsecsElapsed() / 1e9);
    return 0;
}

int ravnstiSide(const QString& file, const QString& logical) {
    Tmainform form;
    form.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    form.OpenFilIEditor(logical);
    QCoreApplication::processEvents();
    auto* editor = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
    if (!editor) {
        std::fprintf(stderr, "the document window's editor has no focus\n");
        return 1;
    }
    caretToLine(editor);
    typeInto(editor);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    if (editor->document()->isModified()) {
        std::fprintf(stderr, "Ctrl+S did not save %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%.6f\n", timer.nsecsElapsed() / 1e9);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !std::strcmp(argv[1], "--bare")) {
        QApplication app(argc, argv);
        return bareSide(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 4 && !std::strcmp(argv[1], "--ravnsti")) {
        QApplication app(argc, argv);
        return ravnstiSide(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int rounds = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 5;
    const BenchFolder data(QStringLiteral("editor"), args.size() > 1 ? args.at(1) : QString());
    if (!data.isValid())
        return 1;
    std::printf("FILESYSTEM\t%s\n", qPrintable(data.fileSystem()));
    const QString self = QCoreApplication::applicationFilePath();
    const QString here = QCoreApplication::applicationDirPath();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("RAVNSTI_DRIVES", ("C=" + data.path()).toLocal8Bit());
    qputenv("RAVNSTI_ROOT", data.filePath(QStringLiteral("Ravnsti")).toLocal8Bit());
    qputenv("RAVNSTI_DATA", QDir::cleanPath(here + QStringLiteral("/../data")).toLocal8Bit());

    const QByteArray original = makeText();
    QByteArray expected;
    const auto write = [&](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(original) == original.size();
    };
    long barePeak = 0;
    long oursPeak = 0;
    const auto side = [&](const QStringList& arguments, const QString& file, long& peak) {
        if (!write(file))
            return -1.0;
        const Bench::Run r = Bench::run(arguments, QString(), true);
        if (!r.ok()) {
            std::fprintf(stderr, "%s failed (exit %d)\n", qPrintable(arguments.at(1)), r.exitCode);
            return -1.0;
        }
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return -1.0;
        const QByteArray saved = f.readAll();
        if (expected.isEmpty())
            expected = saved;
        if (saved != expected || saved.size() <= original.size()) {
            std::fprintf(stderr, "%s saved another text than the other side\n",
                         qPrintable(arguments.at(1)));
            return -1.0;
        }
        peak = qMax(peak, r.peakKiB);
        return r.output.trimmed().toDouble();
    };
    const QString bareFile = data.filePath(QStringLiteral("bare.txt"));
    const QString oursFile = data.filePath(QStringLiteral("ravnsti.txt"));
    // The first start of the program makes its user's data folders; it is not timed.
    if (side({self, QStringLiteral("--ravnsti"), oursFile, QStringLiteral("C:\\ravnsti.txt")},
             oursFile, oursPeak) < 0)
        return 1;
    const auto m = Bench::alternate(
        "editor", rounds,
        [&] {
            return side({self, QStringLiteral("--bare"), bareFile}, bareFile, barePeak);
        },
        [&] {
            return side(
                {self, QStringLiteral("--ravnsti"), oursFile, QStringLiteral("C:\\ravnsti.txt")},
                oursFile, oursPeak);
        });
    if (!m)
        return 1;
    Bench::reportTimes(QStringLiteral("open 20 MB, type 1,000 keys, save vs QPlainTextEdit"), *m,
                       Bench::Goal::AtMost, 1.5);
    Bench::report(QStringLiteral("peak memory editing 20 MB vs QPlainTextEdit"),
                  Bench::mebibytesText(oursPeak), Bench::mebibytesText(barePeak),
                  double(oursPeak) / double(barePeak), Bench::Goal::AtMost, 1.5);
    return 0;
}
