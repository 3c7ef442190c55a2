// Reads arbitrary bytes as a saved folder structure. Chosen in the window, it shows every line
// that is not empty as a folder, in order; taken up for editing and saved under another name
// (Enter in the name box), it shows the same folders again.
#include "fuzzsupport.h"

#include "dialogs/mappestrukturform.h"
#include "dialogs/openmappeform.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/markoerliste.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using FuzzSupport::require;

namespace {

TestHost* host = nullptr;
Tmappestrukturform* vindue = nullptr;

void vaelg(const QString& navn) {
    auto* lister = vindue->findChild<MarkoerListe*>(QStringLiteral("strukturListe"));
    const QList<QListWidgetItem*> fundet = lister->findItems(navn, Qt::MatchFixedString);
    require(fundet.size() == 1, "the window lists the structure");
    lister->vaelg(lister->row(fundet.first()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_mappestruktur", true, true);
    host = new TestHost;
    FuzzSupport::makeFolders(host->folders.brugerMapper());
    vindue = new Tmappestrukturform(*host, *new QAction, *new QAction, []() -> Topenmappeform& {
        static Topenmappeform* dialog = new Topenmappeform(*host);
        return *dialog;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString mappe = host->folders.mappestrukturDir;
    FuzzSupport::write(mappe + QStringLiteral("struktur.txt"), FuzzSupport::bytesOf(data, size));
    QFile::remove(*Platform::hostPath(mappe + QStringLiteral("kopi.txt")));
    vindue->loadMappeStruktur();
    vaelg(QStringLiteral("struktur.txt"));
    QStringList linjer;
    require(bool(TextFile::read(mappe + QStringLiteral("struktur.txt"), linjer)),
            "a structure of the fuzz drive reads");
    linjer.removeAll(QString());
    const QStringList vist = vindue->valgteMapper();
    require(vist == linjer, "every line that is not empty is a folder, in order");

    vindue->redigerValgte();
    auto* navn = vindue->findChild<QLineEdit*>(QStringLiteral("EditGem"));
    navn->clear();
    QTest::keyClicks(navn, QStringLiteral("kopi"));
    QTest::keyClick(navn, Qt::Key_Return);
    if (vist.isEmpty())
        return 0;
    vaelg(QStringLiteral("kopi.txt"));
    require(vindue->valgteMapper() == vist, "a saved structure shows the same folders");
    return 0;
}
