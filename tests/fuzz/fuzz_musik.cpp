// Reads arbitrary bytes as the music window's files: its place ("musikunit.txt") up to the
// first NUL byte, a music list after it. The window fetches the list as a person does (the
// list chosen, Enter in the fetch box): every line that is not blank becomes an entry, in
// order, and the list saved under another name fetches the same entries again.
#include "fuzzsupport.h"

#include "harness/testhost.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "tools/musikform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

using FuzzSupport::require;

namespace {

TestHost* host = nullptr;

QStringList liste() {
    QStringList ud;
    for (int i = 0; i <= host->funk().mIndex(); ++i)
        ud << host->funk().getPlayFilename(i);
    return ud;
}

// Chooses the list `navn` in the window and presses Enter in the fetch box.
void hent(Tmusikform& vindue, const QString& navn) {
    vindue.findChild<QToolButton*>(QStringLiteral("opdaterKnap"))->click();
    auto* lister = vindue.findChild<QListWidget*>(QStringLiteral("musikliste"));
    const QList<QListWidgetItem*> fundet = lister->findItems(navn, Qt::MatchFixedString);
    require(fundet.size() == 1, "the window lists the music list");
    lister->setCurrentItem(fundet.first());
    auto* boks = vindue.findChild<QLineEdit*>(QStringLiteral("EditHent"));
    boks->setText(navn);
    QTest::keyClick(boks, Qt::Key_Return);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_musik", true, true);
    host = new TestHost;
    host->options.spilStraksChecked = false;
    host->options.lukStraksChecked = false;
    FuzzSupport::makeFolders(host->folders.brugerMapper());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> filer = FuzzSupport::parts(data, size, 2);
    const DataFolders& mapper = host->folders;
    FuzzSupport::write(mapper.optDir + QStringLiteral("musikunit.txt"), filer[0]);
    FuzzSupport::write(mapper.musikListeDir + QStringLiteral("liste.txt"), filer[1]);
    QFile::remove(*Platform::hostPath(mapper.musikListeDir + QStringLiteral("kopi.txt")));
    host->funk().clearMusikliste();

    Tmusikform vindue(*host);
    hent(vindue, QStringLiteral("liste.txt"));
    QStringList linjer;
    require(bool(TextFile::read(mapper.musikListeDir + QStringLiteral("liste.txt"), linjer)),
            "a list of the fuzz drive reads");
    linjer.removeIf([](const QString& linje) { return linje.trimmed().isEmpty(); });
    const QStringList hentet = liste();
    require(hentet == linjer, "every line that is not blank is an entry, in order");
    if (hentet.isEmpty())
        return 0;

    auto* gemBoks = vindue.findChild<QLineEdit*>(QStringLiteral("EditGem"));
    gemBoks->setText(QStringLiteral("kopi"));
    QTest::keyClick(gemBoks, Qt::Key_Return);
    host->funk().clearMusikliste();
    hent(vindue, QStringLiteral("kopi.txt"));
    require(liste() == hentet, "a saved list fetches the same entries");
    return 0;
}
