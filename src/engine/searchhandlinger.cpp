#include "searchhandlinger.h"
#include "ikonplads.h"
#include "strukturitem.h"
#include "strukturvisning.h"

#include "platform/logicalpath.h"
#include "platform/nameorder.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

// File pane icon slots of search results.

bool isFile(const FileInfo& e) {
    return e.kind == EntryKind::File ||
           (e.kind == EntryKind::Link && e.linkTarget == EntryKind::File);
}

bool isFolder(const FileInfo& e) {
    return e.kind == EntryKind::Folder ||
           (e.kind == EntryKind::Link && e.linkTarget == EntryKind::Folder);
}

// The name without the part from its last dot ("data.old" -> "data").
QString uptoLastDot(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

// The extension of a bare name, with its dot.
QStringView extensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringView() : QStringView(name).mid(dot);
}

} // namespace

bool TSearchHandlinger::walk(
    const QString& aDir, bool hiddenToo, ListDetail detail, int& ulaeste,
    const std::function<bool(const QString& folder, const FileInfo& entry)>& visit) {
    QStringList pending{LogicalPath::normalized(aDir)};
    QList<FileInfo> entries;
    int laeste = 0;
    while (!pending.isEmpty()) {
        const QString folder = pending.takeLast();
        if (FFremdrift && !FFremdrift(laeste++, folder))
            return false;
        const FileResult listed =
            Platform::files().list(folder, entries, detail, ListOrder::AsStored);
        if (!listed) {
            ++ulaeste;
            continue;
        }
        for (const FileInfo& e : std::as_const(entries)) {
            const bool enter = e.kind == EntryKind::Folder && (hiddenToo || !e.hidden);
            if (!e.mappable) {
                // A name with no logical form cannot be shown, opened or listed.
                if (enter)
                    ++ulaeste;
                continue;
            }
            if (!visit(folder, e))
                return false;
            if (enter)
                pending.append(LogicalPath::join(folder, e.name));
        }
    }
    return true;
}

void TSearchHandlinger::visFund(const QString& rootText, const QString& rootMappe,
                                QList<Fund>& hits) {
    // The file pane's order; equal texts keep a fixed order by their paths.
    std::vector<std::pair<std::u16string, qsizetype>> keys;
    keys.reserve(size_t(hits.size()));
    for (qsizetype i = 0; i < hits.size(); ++i)
        keys.emplace_back(NameOrder::key(hits.at(i).text), i);
    std::sort(keys.begin(), keys.end(), [&hits](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        const Fund& x = hits.at(a.second);
        const Fund& y = hits.at(b.second);
        if (const int c = x.text.compare(y.text); c != 0)
            return c < 0;
        return x.rec.filnavn < y.rec.filnavn;
    });

    StrukturVisning* tree = Struktur2();
    if (!tree)
        return;
    tree->clear();
    StrukturItem* root =
        new StrukturItem(rootText, {rootMappe, QString(), NodeKind::SearchHit}, IkonPlads::FundRod);
    QList<StrukturItem*> children;
    children.reserve(hits.size());
    for (const auto& [key, i] : std::as_const(keys)) {
        Fund& hit = hits[i];
        children.append(new StrukturItem(std::move(hit.text), std::move(hit.rec), hit.slot));
    }
    root->addChildren(children);
    tree->addTopLevelItem(root);
    tree->expandAll();
}

void TSearchHandlinger::getDirFileList(const QString& aDir, const QString& aSearchS, int searchOpt,
                                       bool withExt, bool ikkeKunHeleOrd) {
    const QString& wanted = aSearchS;
    const auto matches = [&](QStringView key) {
        return key.compare(wanted, Qt::CaseInsensitive) == 0 ||
               (ikkeKunHeleOrd && key.contains(wanted, Qt::CaseInsensitive));
    };
    QList<Fund> hits;
    FUlaesteMapper = 0;
    FStoppet = !walk(
        aDir, true, ListDetail::Names, FUlaesteMapper,
        [&](const QString& folder, const FileInfo& e) {
            if (isFile(e)) {
                if (searchOpt == KunMapper || e.hidden)
                    return true;
                const QStringView name(e.name);
                if (matches(withExt ? name : name.chopped(extensionOf(e.name).size())))
                    hits.append({e.name,
                                 {folder, LogicalPath::join(folder, e.name), NodeKind::SearchHit},
                                 IkonPlads::Fund});
            } else if (isFolder(e) && searchOpt != KunFiler && !e.hidden && matches(e.name)) {
                hits.append({uptoLastDot(e.name),
                             {folder, LogicalPath::join(folder, e.name), NodeKind::SearchHit},
                             IkonPlads::FundMappe});
            }
            return true;
        });
    FFindCount += int(hits.size());
    // The root stands for the folder holding the searched one; a drive has none above it.
    const QString searched = LogicalPath::normalized(aDir);
    const QString above = LogicalPath::parent(searched);
    visFund(aSearchS, above.isEmpty() ? searched : above, hits);
}

void TSearchHandlinger::getDirFileExtList(const QString& aDir, const QString& aExt) {
    const QString ext = aExt.startsWith(QLatin1Char('.')) ? aExt : QLatin1Char('.') + aExt;
    QList<Fund> hits;
    FUlaesteMapper = 0;
    FStoppet =
        !walk(aDir, false, ListDetail::Names, FUlaesteMapper,
              [&](const QString& folder, const FileInfo& e) {
                  if (isFile(e) && !e.hidden &&
                      extensionOf(e.name).compare(ext, Qt::CaseInsensitive) == 0)
                      hits.append({e.name.chopped(ext.size()),
                                   {folder, LogicalPath::join(folder, e.name), NodeKind::SearchHit},
                                   IkonPlads::Fund});
                  return true;
              });
    FFindCount += int(hits.size());
    visFund(ext.mid(1) + QStringLiteral(" filer"), LogicalPath::normalized(aDir), hits);
}
