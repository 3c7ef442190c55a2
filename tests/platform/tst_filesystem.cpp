// The file system service on Linux (PosixFileSystem): listing and attributes, copying,
// renaming, making and removing folders and trees.

#include "harness/testenvironment.h"
#include "platform/devicememory.h"
#include "platform/nameorder.h"
#include "platform/platform.h"
#include "platform/treeremover.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <cstddef>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/filter.h>
#include <linux/fs.h>
#include <linux/seccomp.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

FileSystem& fs() {
    return Platform::files();
}

QByteArray enc(const QString& host) {
    return QFile::encodeName(host);
}

struct stat lstatOf(const QString& host) {
    struct stat st {};
    if (::lstat(enc(host).constData(), &st) != 0)
        st.st_mode = 0;
    return st;
}

bool hostExists(const QString& host) {
    struct stat st;
    return ::lstat(enc(host).constData(), &st) == 0;
}

QByteArray readHost(const QString& host) {
    QFile f(host);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeHost(const QString& host, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(host).path());
    QFile f(host);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(host));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every entry of a host folder, hidden ones included.
QSet<QString> hostEntries(const QString& folder) {
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
    return QSet<QString>(names.cbegin(), names.cend());
}

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator gen(4711);
    gen.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    for (qsizetype i = size / 4 * 4; i < size; ++i)
        bytes[i] = char(i);
    return bytes;
}

void setMtime(const QString& host, qint64 seconds, long nanoseconds) {
    const timespec times[2] = {{seconds - 3600, 0}, {seconds, nanoseconds}};
    QCOMPARE(::utimensat(AT_FDCWD, enc(host).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

const FileInfo* entryNamed(const QList<FileInfo>& entries, const QString& name) {
    for (const FileInfo& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

bool symlinkHost(const QString& text, const QString& at) {
    return ::symlink(enc(text).constData(), enc(at).constData()) == 0;
}

QString readLinkHost(const QString& at) {
    char buffer[4096];
    const ssize_t n = ::readlink(enc(at).constData(), buffer, sizeof buffer);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(buffer, n));
}

bool xattrsSupported(const QString& host) {
    if (::lsetxattr(enc(host).constData(), "user.ravnsti.test", "1", 1, 0) != 0)
        return false;
    ::lremovexattr(enc(host).constData(), "user.ravnsti.test");
    return true;
}

// Root passes every permission check, so permission tests run their body in a child
// process as the user "nobody" when the suite runs as root (after handing the given paths
// over to it); otherwise in this process. Returns the body's result, or -1.
constexpr uid_t kNobody = 65534;

void chownTree(const QString& host) {
    ::lchown(enc(host).constData(), kNobody, kNobody);
    struct stat st;
    if (::lstat(enc(host).constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
        const QStringList names = QDir(host).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            chownTree(host + QLatin1Char('/') + name);
    }
}

// Hands host paths (and all below them) over to the ordinary user, when running as root.
void giveToOrdinaryUser(const TestEnvironment& env, const QStringList& paths) {
    if (::geteuid() != 0)
        return;
    ::chmod(enc(env.base()).constData(), 0711);
    for (QChar drive : {QLatin1Char('C'), QLatin1Char('D')})
        ::chmod(enc(env.driveFolder(drive)).constData(), 0755);
    for (const QString& path : paths)
        chownTree(path);
}

int runAsOrdinaryUser(const std::function<int()>& body) {
    if (::geteuid() != 0)
        return body();
    fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::alarm(30);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(250);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Runs `body` in a child process in which the given system calls fail with the given
// errno values (a seccomp filter), as on older kernels and simpler file systems. Returns
// the body's result, or -1.
int runWithFailingSyscalls(const QList<QPair<int, int>>& calls, const std::function<int()>& body) {
    std::vector<sock_filter> program;
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)));
    for (const auto& [nr, err] : calls) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(nr), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (__u32(err) & 0xffff)));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog fprog{static_cast<unsigned short>(program.size()), program.data()};
    fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::alarm(30);
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) != 0)
            ::_exit(250);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Restores the file size limit and the SIGXFSZ handling when it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    struct rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : m_old(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_old); }

private:
    mode_t m_old;
};

using Calls = QList<QPair<qint64, qint64>>;

CopyProgress recorder(Calls& calls) {
    return [&calls](qint64 done, qint64 total) {
        calls.append({done, total});
        return true;
    };
}

} // namespace

class TestFileSystem : public QObject {
    Q_OBJECT

private slots:
    // --- Listing -------------------------------------------------------------------------
    void list_byNameWithoutDots();
    void nameOrder_movesEveryItemOnce();
    void list_hiddenByDotAndByHiddenFile();
    void list_linkReportedAsLinkNotFollowed();
    void list_unmappableNamesFlagged();
    void list_fifoListedAsOther();
    void namesListing_agreesWithFullListing();
    void readFile_regularFilesOnly();
    void list_sizesTimesAndReadOnly();
    void list_archiveAndSystemFromDosAttrib();
    void list_failures();
    void list_unreadableFolderFails();

    // --- Single entries ------------------------------------------------------------------
    void info_describesTheEntryItself();
    void identity_sameFileWhateverTheName();
    void existsAndIsFolder();
    void unmappablePathsRefused();

    // --- Attributes ----------------------------------------------------------------------
    void setReadOnly_clearsAndRestoresWriteBits();
    void setHidden_editsTheHiddenFile();
    void setHidden_dotNamesStayHidden();
    void setHidden_refusesWhatIsNoListOfNames();

    // --- Copying -------------------------------------------------------------------------
    void copy_identicalBytesModeAndTimes();
    void copy_progressEndsAtTotal();
    void copy_zeroByteFile();
    void copy_ontoItselfRefused_data();
    void copy_ontoItselfRefused();
    void copy_refuseAndReplace();
    void copy_failureMidCopyLeavesNothing_data();
    void copy_failureMidCopyLeavesNothing();
    void copy_cancelFromCallback_data();
    void copy_cancelFromCallback();
    void copy_fifoSourceRefusedWithoutHanging();
    void copy_linkCopiedAsLink();
    void copy_folderSourceAndMissingPlaces();
    void copy_acrossFileSystems();

    // Copying through open folders
    void openFolders_copyEntriesKeepingModesAndTimes();
    void openFolders_copyFilesSeveralAtATime();
    void openFolders_entryThatCameMeanwhile_data();
    void openFolders_entryThatCameMeanwhile();
    void openFolders_swappedEntriesAreNotFollowed();
    void openFolders_defaultAclStillGivesTheSourceMode();
    void deviceMemory_perPairAndPerDevice();

    // --- Renaming ------------------------------------------------------------------------
    void rename_movesFilesAndFolders();
    void rename_neverReplaces();
    void rename_onlyTheCase();
    void rename_failures();

    // --- Fallbacks -----------------------------------------------------------------------
    void fallbacks_withoutModernCalls_data();
    void fallbacks_withoutModernCalls();

    // --- Folders and removing -------------------------------------------------------------
    void makeFolder_allLevels();
    void removeFile_filesAndLinksNotFolders();
    void removeFolder_emptyOnly();
    void removeTree_removesEverything();
    void removeTree_doesNotFollowLinkToOutsideFolder();
    void removeTree_endsOnLinkLoop();
    void removeTree_givenLinkUnlinksOnlyTheLink();
    void removeTree_deepTree();
    void removeTree_ownReadOnlyFolders();
    void removeTree_stopsAtFirstFailure();
    void removeTree_severalSubfoldersAtOnce();
    void removeHostTree_worksOnHostPaths();
};

// --- Listing ---------------------------------------------------------------------------

void TestFileSystem::list_byNameWithoutDots() {
    TestEnvironment env;
    for (const char* name : {"zeta.txt", "Alpha.txt", "mid", ".skjult", "beta.TXT", "Åben.txt",
                             "ære.txt", "Øl.txt", "zz{.txt", "æble", "Æble"})
        env.writeFile(QStringLiteral("C:\\Liste\\") + QString::fromUtf8(name), "x");
    env.makeFolder(QStringLiteral("C:\\Liste\\Undermappe"));

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\Liste"), entries));

    QStringList names;
    for (const FileInfo& e : entries)
        names << e.name;
    // By name ignoring case, whatever order the file system keeps; æ, ø and å after z (and
    // after any sign that sorts after z); names equal but for case in a fixed order.
    QCOMPARE(names,
             (QStringList{".skjult", "Alpha.txt", "beta.TXT", "mid", "Undermappe", "zeta.txt",
                          "zz{.txt", "Æble", "æble", "ære.txt", "Øl.txt", "Åben.txt"}));
    QVERIFY(entryNamed(entries, QStringLiteral("Undermappe"))->isFolder());
    QVERIFY(entryNamed(entries, QStringLiteral("zeta.txt"))->isFile());
    for (const FileInfo& e : entries)
        QVERIFY(e.mappable);
}

void TestFileSystem::nameOrder_movesEveryItemOnce() {
    // Names with repeats and case twins, each with its own number: every item must come out
    // once, in the order of the keys, twins by their exact names.
    QRandomGenerator random(5);
    const QStringList stems{"a", "B", "b", "æ", "Ø", "zz", "å", "Z"};
    QList<std::pair<QString, int>> items;
    for (int i = 0; i < 3000; ++i)
        items.append({stems.at(random.bounded(int(stems.size()))) +
                          stems.at(random.bounded(int(stems.size()))),
                      i});
    QList<std::pair<QString, int>> expected = items;
    std::stable_sort(expected.begin(), expected.end(), [](const auto& x, const auto& y) {
        const std::u16string kx = NameOrder::key(x.first), ky = NameOrder::key(y.first);
        return kx != ky ? kx < ky : x.first < y.first;
    });
    NameOrder::sortBy(items, [](const auto& item) -> const QString& { return item.first; });
    QStringList got, want;
    QList<int> numbers;
    for (qsizetype i = 0; i < items.size(); ++i) {
        got << items.at(i).first;
        want << expected.at(i).first;
        numbers << items.at(i).second;
    }
    QCOMPARE(got, want);
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < 3000; ++i)
        QCOMPARE(numbers.at(i), i);
}

void TestFileSystem::list_hiddenByDotAndByHiddenFile() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\M\\.punktum"), "x");
    env.writeFile(QStringLiteral("C:\\M\\listet.txt"), "x");
    env.writeFile(QStringLiteral("C:\\M\\crlf.txt"), "x");
    env.writeFile(QStringLiteral("C:\\M\\synlig.txt"), "x");
    env.makeFolder(QStringLiteral("C:\\M\\skjult mappe"));
    env.writeFile(QStringLiteral("C:\\M\\.hidden"),
                  "listet.txt\ncrlf.txt\r\nskjult mappe\nfindes ikke\n");

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\M"), entries));
    QCOMPARE(entries.size(), 6);
    QVERIFY(entryNamed(entries, QStringLiteral(".punktum"))->hidden);
    QVERIFY(entryNamed(entries, QStringLiteral(".hidden"))->hidden);
    QVERIFY(entryNamed(entries, QStringLiteral("listet.txt"))->hidden);
    QVERIFY(entryNamed(entries, QStringLiteral("crlf.txt"))->hidden);
    QVERIFY(entryNamed(entries, QStringLiteral("skjult mappe"))->hidden);
    QVERIFY(!entryNamed(entries, QStringLiteral("synlig.txt"))->hidden);

    QVERIFY(fs().info(QStringLiteral("C:\\M\\listet.txt"))->hidden);
    QVERIFY(fs().info(QStringLiteral("C:\\M\\.punktum"))->hidden);
    QVERIFY(!fs().info(QStringLiteral("C:\\M\\synlig.txt"))->hidden);
}

void TestFileSystem::list_linkReportedAsLinkNotFollowed() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\L\\mål\\indhold.txt"), "0123456789");
    env.writeFile(QStringLiteral("C:\\L\\fil.txt"), "abc");
    const QString folder = env.host(QStringLiteral("C:\\L"));
    QVERIFY(symlinkHost(QStringLiteral("mål"), folder + QStringLiteral("/til mappe")));
    QVERIFY(symlinkHost(QStringLiteral("fil.txt"), folder + QStringLiteral("/til fil")));
    QVERIFY(symlinkHost(QStringLiteral("intet"), folder + QStringLiteral("/død")));

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\L"), entries));
    QCOMPARE(entries.size(), 5);
    const FileInfo* toFolder = entryNamed(entries, QStringLiteral("til mappe"));
    QVERIFY(toFolder);
    QCOMPARE(toFolder->kind, EntryKind::Link);
    QCOMPARE(toFolder->linkTarget, EntryKind::Folder);
    QVERIFY(!toFolder->isFolder());
    QCOMPARE(toFolder->size, 0);
    const FileInfo* toFile = entryNamed(entries, QStringLiteral("til fil"));
    QCOMPARE(toFile->kind, EntryKind::Link);
    QCOMPARE(toFile->linkTarget, EntryKind::File);
    QCOMPARE(toFile->size, 0); // the link's own, not the 3 bytes it points at
    const FileInfo* dangling = entryNamed(entries, QStringLiteral("død"));
    QCOMPARE(dangling->kind, EntryKind::Link);
    QCOMPARE(dangling->linkTarget, EntryKind::Other);

    // The link's own times, not those of the folder it points at.
    setMtime(folder + QStringLiteral("/mål"), 1500000000, 0);
    setMtime(folder + QStringLiteral("/til mappe"), 1400000000, 0);
    const auto info = fs().info(QStringLiteral("C:\\L\\til mappe"));
    QVERIFY(info);
    QCOMPARE(info->kind, EntryKind::Link);
    QCOMPARE(info->modified.toSecsSinceEpoch(), 1400000000);
}

void TestFileSystem::list_unmappableNamesFlagged() {
    TestEnvironment env;
    const QString folder = env.driveFolder('C') + QStringLiteral("/U");
    writeHost(folder + QStringLiteral("/a\\b"), "x");
    writeHost(folder + QStringLiteral("/linje\nskift"), "x");
    writeHost(folder + QStringLiteral("/god.txt"), "x");
    // Bytes that are no UTF-8 cannot come back from a decoded name either.
    const QByteArray raw = enc(folder) + "/d\xe5rlig";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    // QTemporaryDir cannot remove a name it cannot decode.
    const auto removeRaw = qScopeGuard([&] { ::unlink(raw.constData()); });

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\U"), entries));
    QCOMPARE(entries.size(), 4);
    QVERIFY(!entryNamed(entries, QStringLiteral("a\\b"))->mappable);
    QVERIFY(entryNamed(entries, QStringLiteral("a\\b"))->isFile());
    QVERIFY(!entryNamed(entries, QStringLiteral("linje\nskift"))->mappable);
    QVERIFY(entryNamed(entries, QStringLiteral("god.txt"))->mappable);
    int unmappable = 0;
    for (const FileInfo& e : entries)
        unmappable += e.mappable ? 0 : 1;
    QCOMPARE(unmappable, 3);
}

void TestFileSystem::list_fifoListedAsOther() {
    TestEnvironment env;
    env.makeFolder(QStringLiteral("C:\\F"));
    const QString fifo = env.host(QStringLiteral("C:\\F\\rør"));
    QCOMPARE(::mkfifo(enc(fifo).constData(), 0644), 0);

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\F"), entries));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).name, QStringLiteral("rør"));
    QCOMPARE(entries.at(0).kind, EntryKind::Other);
    QCOMPARE(entries.at(0).size, 0);
    QCOMPARE(fs().info(QStringLiteral("C:\\F\\rør"))->kind, EntryKind::Other);
    QVERIFY(fs().exists(QStringLiteral("C:\\F\\rør")));
    QVERIFY(!fs().isFolder(QStringLiteral("C:\\F\\rør")));
}

// The cheap listings of the trees and counts must tell the same kinds, link targets and hidden
// flags.
void TestFileSystem::namesListing_agreesWithFullListing() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\N\\fil.txt"), "x");
    env.writeFile(QStringLiteral("C:\\N\\.skjult"), "x");
    env.writeFile(QStringLiteral("C:\\N\\.hidden"), "i .hidden\n");
    env.writeFile(QStringLiteral("C:\\N\\i .hidden"), "x");
    env.makeFolder(QStringLiteral("C:\\N\\mappe"));
    const QString n = env.host(QStringLiteral("C:\\N"));
    QCOMPARE(::symlink("mappe", enc(n + QStringLiteral("/til mappe")).constData()), 0);
    QCOMPARE(::symlink("borte", enc(n + QStringLiteral("/død")).constData()), 0);
    QCOMPARE(::mkfifo(enc(n + QStringLiteral("/rør")).constData(), 0644), 0);
    QFile odd(n + QStringLiteral("/a\\b"));
    QVERIFY(odd.open(QIODevice::WriteOnly));

    QList<FileInfo> full;
    QVERIFY(fs().list(QStringLiteral("C:\\N"), full));
    QCOMPARE(full.size(), 9);
    // The cheaper listings, in either order, tell the same; the count's listing the sizes too,
    // and neither computes times.
    for (const ListDetail detail : {ListDetail::Names, ListDetail::Sizes}) {
        for (const ListOrder order : {ListOrder::ByName, ListOrder::AsStored}) {
            QList<FileInfo> cheap;
            QVERIFY(fs().list(QStringLiteral("C:\\N"), cheap, detail, order));
            if (order == ListOrder::AsStored)
                NameOrder::sortBy(cheap,
                                  [](const FileInfo& e) -> const QString& { return e.name; });
            QCOMPARE(cheap.size(), full.size());
            for (qsizetype i = 0; i < full.size(); ++i) {
                const FileInfo& c = cheap.at(i);
                const FileInfo& f = full.at(i);
                QCOMPARE(c.name, f.name);
                QCOMPARE(c.kind, f.kind);
                QCOMPARE(c.hidden, f.hidden);
                QCOMPARE(c.mappable, f.mappable);
                if (f.kind == EntryKind::Link)
                    QCOMPARE(c.linkTarget, f.linkTarget);
                if (detail == ListDetail::Sizes)
                    QCOMPARE(c.size, f.size);
                QVERIFY(!c.modified.isValid());
            }
        }
    }
}

void TestFileSystem::readFile_regularFilesOnly() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\R\\fil.bin"), QByteArray("\0\x01\xff", 3));
    const QString r = env.host(QStringLiteral("C:\\R"));
    QCOMPARE(::symlink("fil.bin", enc(r + QStringLiteral("/link")).constData()), 0);
    QCOMPARE(::mkfifo(enc(r + QStringLiteral("/rør")).constData(), 0644), 0);
    QByteArray bytes;
    QVERIFY(fs().readFile(QStringLiteral("C:\\R\\link"), bytes, 3));
    QCOMPARE(bytes, QByteArray("\0\x01\xff", 3));
    QCOMPARE(fs().readFile(QStringLiteral("C:\\R\\fil.bin"), bytes, 2).error(),
             FileError::InvalidData);
    // A FIFO with no writer would block a reader for ever.
    QCOMPARE(fs().readFile(QStringLiteral("C:\\R\\rør"), bytes, 10).error(),
             FileError::NotSupported);
    QCOMPARE(fs().readFile(QStringLiteral("C:\\R"), bytes, 10).error(), FileError::NotSupported);
    QCOMPARE(fs().readFile(QStringLiteral("C:\\R\\ingen"), bytes, 10).error(), FileError::NotFound);
}

void TestFileSystem::list_sizesTimesAndReadOnly() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\T\\fil.txt"), QByteArray(1234, 'x'));
    env.writeFile(QStringLiteral("C:\\T\\skrivebeskyttet.txt"), "x");
    env.writeFile(QStringLiteral("C:\\T\\kun ejer.txt"), "x");
    env.makeFolder(QStringLiteral("C:\\T\\mappe"));
    const QString file = env.host(QStringLiteral("C:\\T\\fil.txt"));
    setMtime(file, 1394006700, 250000000); // 2014-03-05 09:05:00.25 (UTC+1)
    QCOMPARE(::chmod(enc(env.host(QStringLiteral("C:\\T\\skrivebeskyttet.txt"))).constData(), 0444),
             0);
    QCOMPARE(::chmod(enc(env.host(QStringLiteral("C:\\T\\kun ejer.txt"))).constData(), 0600), 0);

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\T"), entries));
    const FileInfo* f = entryNamed(entries, QStringLiteral("fil.txt"));
    QCOMPARE(f->size, 1234);
    QCOMPARE(f->modified.toMSecsSinceEpoch(), Q_INT64_C(1394006700250));
    QCOMPARE(f->accessed.toSecsSinceEpoch(), Q_INT64_C(1394006700) - 3600);
    QVERIFY(f->created.isValid());
    QVERIFY(qAbs(f->created.secsTo(QDateTime::currentDateTime())) < 300);
    QVERIFY(!f->readOnly);
    QVERIFY(entryNamed(entries, QStringLiteral("skrivebeskyttet.txt"))->readOnly);
    QVERIFY(!entryNamed(entries, QStringLiteral("kun ejer.txt"))->readOnly);
    const FileInfo* folder = entryNamed(entries, QStringLiteral("mappe"));
    QVERIFY(folder->isFolder());
    QCOMPARE(folder->size, 0);
    QVERIFY(!folder->archive && !folder->system && !folder->hidden);
}

void TestFileSystem::list_archiveAndSystemFromDosAttrib() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\A\\arkiv.txt"), "x");
    env.writeFile(QStringLiteral("C:\\A\\system.sys"), "x");
    env.writeFile(QStringLiteral("C:\\A\\begge.dat"), "x");
    env.writeFile(QStringLiteral("C:\\A\\ingen.txt"), "x");
    env.writeFile(QStringLiteral("C:\\A\\skrald.txt"), "x");
    const QString folder = env.host(QStringLiteral("C:\\A"));
    if (!xattrsSupported(folder + QStringLiteral("/arkiv.txt")))
        QSKIP("the temporary folder's file system has no user extended attributes");
    const auto set = [&](const char* name, const QByteArray& value) {
        return ::setxattr(enc(folder + QLatin1Char('/') + QLatin1String(name)).constData(),
                          "user.DOSATTRIB", value.constData(), size_t(value.size()), 0) == 0;
    };
    QVERIFY(set("arkiv.txt", "0x20"));                               // samba 3: the string
    QVERIFY(set("system.sys", QByteArray("0x4\0\4\0\4\0\0\0", 11))); // samba 4: string + NDR
    QVERIFY(set("begge.dat", QByteArray("0x27\0", 5)));              // + readonly and hidden
    QVERIFY(set("skrald.txt", "ikke hex"));

    QList<FileInfo> entries;
    QVERIFY(fs().list(QStringLiteral("C:\\A"), entries));
    const FileInfo* archive = entryNamed(entries, QStringLiteral("arkiv.txt"));
    QVERIFY(archive->archive && !archive->system);
    const FileInfo* system = entryNamed(entries, QStringLiteral("system.sys"));
    QVERIFY(!system->archive && system->system);
    const FileInfo* both = entryNamed(entries, QStringLiteral("begge.dat"));
    QVERIFY(both->archive && both->system);
    // Read-only and hidden do not come from the attribute.
    QVERIFY(!both->readOnly && !both->hidden);
    const FileInfo* none = entryNamed(entries, QStringLiteral("ingen.txt"));
    QVERIFY(!none->archive && !none->system);
    const FileInfo* junk = entryNamed(entries, QStringLiteral("skrald.txt"));
    QVERIFY(!junk->archive && !junk->system);

    const auto single = fs().info(QStringLiteral("C:\\A\\system.sys"));
    QVERIFY(single && single->system && !single->archive);
}

void TestFileSystem::list_failures() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\fil.txt"), "x");
    QList<FileInfo> entries{FileInfo()};
    FileResult r = fs().list(QStringLiteral("C:\\findes ikke"), entries);
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::NotFound);
    QVERIFY(entries.isEmpty());
    r = fs().list(QStringLiteral("C:\\fil.txt"), entries);
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::PathNotFound);
    r = fs().list(QStringLiteral("Q:\\ingen drev"), entries);
    QCOMPARE(r.error(), FileError::Unmappable);
    // The drive root itself lists.
    QVERIFY(fs().list(QStringLiteral("C:"), entries));
    QCOMPARE(entries.size(), 1);
}

void TestFileSystem::list_unreadableFolderFails() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Lukket\\fil.txt"), "x");
    const QString locked = env.host(QStringLiteral("C:\\Lukket"));
    giveToOrdinaryUser(env, {locked});
    const int code = runAsOrdinaryUser([&] {
        if (::chmod(enc(locked).constData(), 0) != 0)
            return 201;
        QList<FileInfo> entries;
        const FileResult r = fs().list(QStringLiteral("C:\\Lukket"), entries);
        ::chmod(enc(locked).constData(), 0755);
        return r.ok() ? 200 : int(r.error());
    });
    QCOMPARE(code, int(FileError::AccessDenied));
}

// --- Single entries --------------------------------------------------------------------

void TestFileSystem::info_describesTheEntryItself() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\I\\fil.txt"), "12345");
    const auto file = fs().info(QStringLiteral("C:\\I\\fil.txt"));
    QVERIFY(file);
    QCOMPARE(file->name, QStringLiteral("fil.txt"));
    QCOMPARE(file->kind, EntryKind::File);
    QCOMPARE(file->size, 5);
    QVERIFY(file->mappable);
    const auto folder = fs().info(QStringLiteral("c:\\i"));
    QVERIFY(!folder); // host names keep their case
    const auto folder2 = fs().info(QStringLiteral("C:\\I"));
    QVERIFY(folder2 && folder2->isFolder());
    const auto root = fs().info(QStringLiteral("C:"));
    QVERIFY(root && root->isFolder() && !root->hidden);
    QVERIFY(!fs().info(QStringLiteral("C:\\I\\mangler.txt")));
    QVERIFY(!fs().info(QStringLiteral("Q:\\x")));
}

void TestFileSystem::identity_sameFileWhateverTheName() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\D\\fil.txt"), "x");
    env.writeFile(QStringLiteral("C:\\D\\anden.txt"), "x");
    const QString folder = env.host(QStringLiteral("C:\\D"));
    QVERIFY(symlinkHost(QStringLiteral("fil.txt"), folder + QStringLiteral("/link")));
    QVERIFY(::link(QFile::encodeName(folder + QStringLiteral("/fil.txt")).constData(),
                   QFile::encodeName(folder + QStringLiteral("/hård")).constData()) == 0);
    const auto fil = fs().identity(QStringLiteral("C:\\D\\fil.txt"));
    QVERIFY(fil);
    QCOMPARE(fs().identity(QStringLiteral("C:\\D\\link")), fil);
    QCOMPARE(fs().identity(QStringLiteral("C:\\D\\hård")), fil);
    QVERIFY(fs().identity(QStringLiteral("C:\\D\\anden.txt")) != fil);
    QVERIFY(!fs().identity(QStringLiteral("C:\\D\\mangler.txt")));
}

void TestFileSystem::existsAndIsFolder() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\E\\fil.txt"), "x");
    env.makeFolder(QStringLiteral("C:\\E\\mappe"));
    const QString folder = env.host(QStringLiteral("C:\\E"));
    QVERIFY(symlinkHost(QStringLiteral("mappe"), folder + QStringLiteral("/til mappe")));
    QVERIFY(symlinkHost(QStringLiteral("fil.txt"), folder + QStringLiteral("/til fil")));
    QVERIFY(symlinkHost(QStringLiteral("væk"), folder + QStringLiteral("/død")));

    QVERIFY(fs().exists(QStringLiteral("C:\\E\\fil.txt")));
    QVERIFY(fs().exists(QStringLiteral("C:\\E\\død"))); // a dangling link exists
    QVERIFY(!fs().exists(QStringLiteral("C:\\E\\væk")));
    QVERIFY(fs().isFolder(QStringLiteral("C:\\E\\mappe")));
    QVERIFY(fs().isFolder(QStringLiteral("C:\\E\\til mappe")));
    QVERIFY(!fs().isFolder(QStringLiteral("C:\\E\\til fil")));
    QVERIFY(!fs().isFolder(QStringLiteral("C:\\E\\død")));
    QVERIFY(!fs().isFolder(QStringLiteral("C:\\E\\fil.txt")));
    QVERIFY(fs().isFolder(QStringLiteral("C:")));
    QVERIFY(!fs().exists(QStringLiteral("Q:\\E")));
}

void TestFileSystem::unmappablePathsRefused() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\fil.txt"), "x");
    const QString bad = QStringLiteral("Q:\\fil.txt");
    QCOMPARE(fs().copyFile(QStringLiteral("C:\\fil.txt"), bad, ReplaceMode::Refuse).error(),
             FileError::Unmappable);
    QCOMPARE(fs().copyFile(bad, QStringLiteral("C:\\y.txt"), ReplaceMode::Refuse).error(),
             FileError::Unmappable);
    QCOMPARE(fs().rename(QStringLiteral("C:\\fil.txt"), bad).error(), FileError::Unmappable);
    QCOMPARE(fs().makeFolder(bad).error(), FileError::Unmappable);
    QCOMPARE(fs().removeFile(bad).error(), FileError::Unmappable);
    QCOMPARE(fs().removeFolder(bad).error(), FileError::Unmappable);
    QCOMPARE(fs().removeTree(bad).error(), FileError::Unmappable);
    QCOMPARE(fs().setReadOnly(bad, true).error(), FileError::Unmappable);
    QCOMPARE(fs().setHidden(bad, true).error(), FileError::Unmappable);
    QVERIFY(hostExists(env.host(QStringLiteral("C:\\fil.txt"))));
}

// --- Attributes ------------------------------------------------------------------------

void TestFileSystem::setReadOnly_clearsAndRestoresWriteBits() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\R\\fil.txt"), "x");
    env.makeFolder(QStringLiteral("C:\\R\\mappe"));
    const QString file = env.host(QStringLiteral("C:\\R\\fil.txt"));
    const QString folder = env.host(QStringLiteral("C:\\R\\mappe"));
    QCOMPARE(::chmod(enc(file).constData(), 0664), 0);
    QCOMPARE(::chmod(enc(folder).constData(), 0775), 0);

    QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\fil.txt"), true));
    QCOMPARE(lstatOf(file).st_mode & 07777, mode_t(0444));
    QVERIFY(fs().info(QStringLiteral("C:\\R\\fil.txt"))->readOnly);
    QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\mappe"), true));
    QCOMPARE(lstatOf(folder).st_mode & 07777, mode_t(0555));
    {
        UmaskScope mask(022);
        QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\fil.txt"), false));
        QCOMPARE(lstatOf(file).st_mode & 07777, mode_t(0644));
        QVERIFY(!fs().info(QStringLiteral("C:\\R\\fil.txt"))->readOnly);
    }
    {
        UmaskScope mask(002);
        QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\mappe"), false));
        QCOMPARE(lstatOf(folder).st_mode & 07777, mode_t(0775));
    }
    {
        UmaskScope mask(077);
        QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\fil.txt"), true));
        QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\fil.txt"), false));
        QCOMPARE(lstatOf(file).st_mode & 07777, mode_t(0644)); // owner write at least
    }
    // Not read-only already: nothing changes, no group write appears.
    QCOMPARE(::chmod(enc(file).constData(), 0600), 0);
    QVERIFY(fs().setReadOnly(QStringLiteral("C:\\R\\fil.txt"), false));
    QCOMPARE(lstatOf(file).st_mode & 07777, mode_t(0600));
    QCOMPARE(fs().setReadOnly(QStringLiteral("C:\\R\\væk"), true).error(), FileError::NotFound);
}

void TestFileSystem::setHidden_editsTheHiddenFile() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\H\\a.txt"), "x");
    env.writeFile(QStringLiteral("C:\\H\\b.txt"), "x");
    const QString hiddenFile = env.host(QStringLiteral("C:\\H\\.hidden"));

    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\a.txt"), true));
    QCOMPARE(readHost(hiddenFile), QByteArray("a.txt\n"));
    QVERIFY(fs().info(QStringLiteral("C:\\H\\a.txt"))->hidden);
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\a.txt"), true)); // once only
    QCOMPARE(readHost(hiddenFile), QByteArray("a.txt\n"));
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\b.txt"), true));
    QCOMPARE(readHost(hiddenFile), QByteArray("a.txt\nb.txt\n"));
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\a.txt"), false));
    QCOMPARE(readHost(hiddenFile), QByteArray("b.txt\n"));
    QVERIFY(!fs().info(QStringLiteral("C:\\H\\a.txt"))->hidden);
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\b.txt"), false));
    QVERIFY(!hostExists(hiddenFile)); // an empty list leaves no file behind
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\b.txt"), false));

    // Other lines, written by other programs, stay as they were.
    writeHost(hiddenFile, "fremmed\r\nb.txt\r\nandet\n");
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\b.txt"), false));
    QCOMPARE(readHost(hiddenFile), QByteArray("fremmed\r\nandet\n"));
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\a.txt"), true));
    QCOMPARE(readHost(hiddenFile), QByteArray("fremmed\r\nandet\na.txt\n"));

    QCOMPARE(fs().setHidden(QStringLiteral("C:\\H\\væk.txt"), true).error(), FileError::NotFound);
}

// A ".hidden" that is a FIFO or leads to an endless device is never waited on nor read into
// memory; it stays as it is, and hiding a file there fails. A link to a real list is followed.
void TestFileSystem::setHidden_refusesWhatIsNoListOfNames() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\F\\a.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Z\\a.txt"), "x");
    env.writeFile(QStringLiteral("C:\\L\\a.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Lister\\skjulte"), "fremmed\n");
    const QString fifo = env.host(QStringLiteral("C:\\F\\.hidden"));
    QCOMPARE(::mkfifo(enc(fifo).constData(), 0600), 0);
    QVERIFY(symlinkHost(QStringLiteral("/dev/zero"), env.host(QStringLiteral("C:\\Z\\.hidden"))));
    const QString linked = env.host(QStringLiteral("C:\\L\\.hidden"));
    QVERIFY(symlinkHost(QStringLiteral("../Lister/skjulte"), linked));

    for (const char* folder : {"C:\\F", "C:\\Z"}) {
        const QString file = QString::fromLatin1(folder) + QStringLiteral("\\a.txt");
        QCOMPARE(fs().setHidden(file, true).error(), FileError::NotSupported);
        QVERIFY(!fs().info(file)->hidden);
        QList<FileInfo> entries;
        QVERIFY(fs().list(QString::fromLatin1(folder), entries));
    }
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

    QVERIFY(fs().setHidden(QStringLiteral("C:\\L\\a.txt"), true));
    QVERIFY(QFileInfo(linked).isSymLink());
    QCOMPARE(env.readFile(QStringLiteral("C:\\Lister\\skjulte")), QByteArray("fremmed\na.txt\n"));
    QVERIFY(fs().info(QStringLiteral("C:\\L\\a.txt"))->hidden);
}

void TestFileSystem::setHidden_dotNamesStayHidden() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\H\\.punktum"), "x");
    QVERIFY(fs().setHidden(QStringLiteral("C:\\H\\.punktum"), true));
    const FileResult r = fs().setHidden(QStringLiteral("C:\\H\\.punktum"), false);
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::NotSupported);
    QVERIFY(fs().info(QStringLiteral("C:\\H\\.punktum"))->hidden);
    QVERIFY(!hostExists(env.host(QStringLiteral("C:\\H\\.hidden"))));
}

// --- Copying ---------------------------------------------------------------------------

void TestFileSystem::copy_identicalBytesModeAndTimes() {
    TestEnvironment env;
    const QByteArray bytes = randomBytes(3 * 1024 * 1024 + 17);
    env.writeFile(QStringLiteral("C:\\Kilde\\data.bin"), bytes);
    const QString source = env.host(QStringLiteral("C:\\Kilde\\data.bin"));
    QCOMPARE(::chmod(enc(source).constData(), 0751), 0);
    setMtime(source, 1394006700, 123456789);
    env.makeFolder(QStringLiteral("D:\\Mål"));

    UmaskScope mask(077); // the mode is the source's, whatever the umask
    QVERIFY(fs().copyFile(QStringLiteral("C:\\Kilde\\data.bin"),
                          QStringLiteral("D:\\Mål\\kopi.bin"), ReplaceMode::Refuse));
    const QString target = env.host(QStringLiteral("D:\\Mål\\kopi.bin"));
    const struct stat st = lstatOf(target); // before reading, which may touch the access time
    QCOMPARE(readHost(target), bytes);
    QVERIFY(S_ISREG(st.st_mode));
    QCOMPARE(st.st_mode & 07777, mode_t(0751));
    QCOMPARE(qint64(st.st_mtim.tv_sec), Q_INT64_C(1394006700));
    QCOMPARE(st.st_mtim.tv_nsec, 123456789L);
    QCOMPARE(qint64(st.st_atim.tv_sec), Q_INT64_C(1394006700) - 3600);
    QCOMPARE(readHost(source), bytes);
    QCOMPARE(hostEntries(env.host(QStringLiteral("D:\\Mål"))), QSet<QString>{"kopi.bin"});
}

void TestFileSystem::copy_progressEndsAtTotal() {
    TestEnvironment env;
    const qint64 size = 20 * 1024 * 1024 + 5; // more than one chunk
    const QByteArray bytes = randomBytes(size);
    env.writeFile(QStringLiteral("C:\\stor.bin"), bytes);
    Calls calls;
    QVERIFY(fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("C:\\kopi.bin"),
                          ReplaceMode::Refuse, recorder(calls)));
    QCOMPARE(readHost(env.host(QStringLiteral("C:\\kopi.bin"))), bytes);
    QVERIFY(calls.size() >= 2);
    QCOMPARE(calls.first(), qMakePair(qint64(0), size));
    QCOMPARE(calls.last(), qMakePair(size, size));
    for (qsizetype i = 1; i < calls.size(); ++i) {
        QVERIFY(calls.at(i).first >= calls.at(i - 1).first);
        QVERIFY(calls.at(i).first <= calls.at(i).second);
        QCOMPARE(calls.at(i).second, size);
    }
    // Without a callback it copies as well.
    QVERIFY(fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("C:\\kopi2.bin"),
                          ReplaceMode::Refuse));
    QCOMPARE(readHost(env.host(QStringLiteral("C:\\kopi2.bin"))), bytes);
}

void TestFileSystem::copy_zeroByteFile() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\tom.txt"), QByteArray());
    Calls calls;
    QVERIFY(fs().copyFile(QStringLiteral("C:\\tom.txt"), QStringLiteral("D:\\tom.txt"),
                          ReplaceMode::Refuse, recorder(calls)));
    const QString target = env.host(QStringLiteral("D:\\tom.txt"));
    QVERIFY(hostExists(target));
    QCOMPARE(lstatOf(target).st_size, off_t(0));
    QVERIFY(calls.size() >= 2);
    QCOMPARE(calls.first(), qMakePair(qint64(0), qint64(0)));
    QCOMPARE(calls.last(), qMakePair(qint64(0), qint64(0)));
    for (const auto& c : calls)
        QCOMPARE(c, qMakePair(qint64(0), qint64(0)));
}

void TestFileSystem::copy_ontoItselfRefused_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("mode");
    QTest::newRow("same path, replace") << "C:\\S\\fil.txt" << int(ReplaceMode::Replace);
    QTest::newRow("same path, refuse") << "C:\\S\\fil.txt" << int(ReplaceMode::Refuse);
    QTest::newRow("other case of drive letter") << "c:\\S\\fil.txt" << int(ReplaceMode::Replace);
    QTest::newRow("hard link") << "C:\\S\\hård.txt" << int(ReplaceMode::Replace);
    QTest::newRow("link to the file") << "C:\\S\\link.txt" << int(ReplaceMode::Replace);
    QTest::newRow("through a linked folder") << "D:\\via\\fil.txt" << int(ReplaceMode::Replace);
    QTest::newRow("other drive, same folder") << "E:\\fil.txt" << int(ReplaceMode::Replace);
}

void TestFileSystem::copy_ontoItselfRefused() {
    QFETCH(QString, target);
    QFETCH(int, mode);
    QTemporaryDir probe; // E: is a second drive letter for C:\S itself
    TestEnvironment env(QStringLiteral("E=%1").arg(probe.path() + QStringLiteral("/e")));
    const QByteArray bytes = randomBytes(100000);
    env.writeFile(QStringLiteral("C:\\S\\fil.txt"), bytes);
    const QString folder = env.host(QStringLiteral("C:\\S"));
    QVERIFY(symlinkHost(folder, probe.path() + QStringLiteral("/e")));
    QCOMPARE(::link(enc(folder + QStringLiteral("/fil.txt")).constData(),
                    enc(folder + QStringLiteral("/hård.txt")).constData()),
             0);
    QVERIFY(symlinkHost(QStringLiteral("fil.txt"), folder + QStringLiteral("/link.txt")));
    QVERIFY(symlinkHost(folder, env.driveFolder('D') + QStringLiteral("/via")));
    const QSet<QString> before = hostEntries(folder);

    Calls calls;
    const FileResult r =
        fs().copyFile(QStringLiteral("C:\\S\\fil.txt"), target, ReplaceMode(mode), recorder(calls));
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::SameFile);
    QVERIFY(calls.isEmpty()); // refused before anything began
    QCOMPARE(readHost(folder + QStringLiteral("/fil.txt")), bytes);
    QCOMPARE(lstatOf(folder + QStringLiteral("/fil.txt")).st_nlink, nlink_t(2));
    QCOMPARE(readLinkHost(folder + QStringLiteral("/link.txt")), QStringLiteral("fil.txt"));
    QCOMPARE(hostEntries(folder), before);
}

void TestFileSystem::copy_refuseAndReplace() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\ny.txt"), "nyt indhold");
    env.writeFile(QStringLiteral("D:\\ny.txt"), "gammelt");
    FileResult r = fs().copyFile(QStringLiteral("C:\\ny.txt"), QStringLiteral("D:\\ny.txt"),
                                 ReplaceMode::Refuse);
    QCOMPARE(r.error(), FileError::AlreadyExists);
    QCOMPARE(env.readFile(QStringLiteral("D:\\ny.txt")), QByteArray("gammelt"));
    QCOMPARE(hostEntries(env.driveFolder('D')), QSet<QString>{"ny.txt"});

    // Replace: the old inode is replaced, not written into (a hard link to it keeps it).
    const QString old = env.host(QStringLiteral("D:\\ny.txt"));
    QCOMPARE(::link(enc(old).constData(), enc(env.base() + QStringLiteral("/gammel")).constData()),
             0);
    QVERIFY(fs().copyFile(QStringLiteral("C:\\ny.txt"), QStringLiteral("D:\\ny.txt"),
                          ReplaceMode::Replace));
    QCOMPARE(env.readFile(QStringLiteral("D:\\ny.txt")), QByteArray("nyt indhold"));
    QCOMPARE(readHost(env.base() + QStringLiteral("/gammel")), QByteArray("gammelt"));
    QCOMPARE(hostEntries(env.driveFolder('D')), QSet<QString>{"ny.txt"});

    // A folder of that name is never replaced.
    env.makeFolder(QStringLiteral("D:\\mappe.txt"));
    r = fs().copyFile(QStringLiteral("C:\\ny.txt"), QStringLiteral("D:\\mappe.txt"),
                      ReplaceMode::Replace);
    QCOMPARE(r.error(), FileError::AlreadyExists);
    QVERIFY(fs().isFolder(QStringLiteral("D:\\mappe.txt")));
}

void TestFileSystem::copy_failureMidCopyLeavesNothing_data() {
    QTest::addColumn<bool>("existingTarget");
    QTest::newRow("no target") << false;
    QTest::newRow("existing target") << true;
}

void TestFileSystem::copy_failureMidCopyLeavesNothing() {
    QFETCH(bool, existingTarget);
    TestEnvironment env;
    const QByteArray bytes = randomBytes(2 * 1024 * 1024);
    env.writeFile(QStringLiteral("C:\\stor.bin"), bytes);
    env.makeFolder(QStringLiteral("D:\\Mål"));
    if (existingTarget)
        env.writeFile(QStringLiteral("D:\\Mål\\stor.bin"), "det gamle");
    const QSet<QString> before = hostEntries(env.host(QStringLiteral("D:\\Mål")));

    FileResult r;
    Calls calls;
    {
        FileSizeLimit limit(256 * 1024); // writes beyond 256 KiB fail with EFBIG
        QVERIFY(limit.ok());
        r = fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("D:\\Mål\\stor.bin"),
                          ReplaceMode::Replace, recorder(calls));
    }
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::NoSpace);
    QVERIFY(!calls.isEmpty());
    QVERIFY(calls.last().first < calls.last().second);                  // it never reached the end
    QCOMPARE(hostEntries(env.host(QStringLiteral("D:\\Mål"))), before); // no temporary file
    if (existingTarget)
        QCOMPARE(env.readFile(QStringLiteral("D:\\Mål\\stor.bin")), QByteArray("det gamle"));
    QCOMPARE(env.readFile(QStringLiteral("C:\\stor.bin")), bytes);

    // With the limit gone the same copy succeeds.
    QVERIFY(fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("D:\\Mål\\stor.bin"),
                          ReplaceMode::Replace));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Mål\\stor.bin")), bytes);
}

void TestFileSystem::copy_cancelFromCallback_data() {
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("existingTarget");
    for (const char* when : {"start", "middle", "end"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, no target").arg(when))) << when << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, existing target").arg(when))) << when << true;
    }
}

void TestFileSystem::copy_cancelFromCallback() {
    QFETCH(QString, when);
    QFETCH(bool, existingTarget);
    TestEnvironment env;
    const QByteArray bytes = randomBytes(20 * 1024 * 1024);
    env.writeFile(QStringLiteral("C:\\stor.bin"), bytes);
    if (existingTarget)
        env.writeFile(QStringLiteral("D:\\stor.bin"), "det gamle");
    const QSet<QString> before = hostEntries(env.driveFolder('D'));

    int calls = 0;
    const CopyProgress cancel = [&](qint64 done, qint64 total) {
        ++calls;
        if (when == QLatin1String("start"))
            return false;
        if (when == QLatin1String("middle"))
            return done == 0; // stops at the first step after the start
        return done < total;
    };
    const FileResult r =
        fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("D:\\stor.bin"),
                      ReplaceMode::Replace, cancel);
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::Cancelled);
    QCOMPARE(hostEntries(env.driveFolder('D')), before);
    if (existingTarget)
        QCOMPARE(env.readFile(QStringLiteral("D:\\stor.bin")), QByteArray("det gamle"));
    if (when == QLatin1String("start"))
        QCOMPARE(calls, 1);
    QCOMPARE(env.readFile(QStringLiteral("C:\\stor.bin")), bytes);
}

void TestFileSystem::copy_fifoSourceRefusedWithoutHanging() {
    TestEnvironment env;
    const QString fifo = env.host(QStringLiteral("C:\\rør"));
    QCOMPARE(::mkfifo(enc(fifo).constData(), 0644), 0);
    ::alarm(20); // a hang kills the suite instead of stalling it
    const FileResult r =
        fs().copyFile(QStringLiteral("C:\\rør"), QStringLiteral("D:\\rør"), ReplaceMode::Refuse);
    ::alarm(0);
    QVERIFY(!r);
    QCOMPARE(r.error(), FileError::NotSupported);
    QVERIFY(hostEntries(env.driveFolder('D')).isEmpty());
}

void TestFileSystem::copy_linkCopiedAsLink() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\L\\mål.txt"), "indhold");
    const QString folder = env.host(QStringLiteral("C:\\L"));
    QVERIFY(symlinkHost(QStringLiteral("mål.txt"), folder + QStringLiteral("/link")));
    QVERIFY(symlinkHost(QStringLiteral("../ingen/steder"), folder + QStringLiteral("/død")));
    setMtime(folder + QStringLiteral("/link"), 1394006700, 0);
    env.makeFolder(QStringLiteral("D:\\L"));

    Calls calls;
    QVERIFY(fs().copyFile(QStringLiteral("C:\\L\\link"), QStringLiteral("D:\\L\\link"),
                          ReplaceMode::Refuse, recorder(calls)));
    const QString copy = env.host(QStringLiteral("D:\\L\\link"));
    QVERIFY(S_ISLNK(lstatOf(copy).st_mode));
    QCOMPARE(readLinkHost(copy), QStringLiteral("mål.txt")); // the same text, dangling here
    QCOMPARE(qint64(lstatOf(copy).st_mtim.tv_sec), Q_INT64_C(1394006700));
    QVERIFY(!calls.isEmpty());
    QCOMPARE(calls.last().first, calls.last().second);

    QVERIFY(fs().copyFile(QStringLiteral("C:\\L\\død"), QStringLiteral("D:\\L\\død"),
                          ReplaceMode::Refuse));
    QCOMPARE(readLinkHost(env.host(QStringLiteral("D:\\L\\død"))),
             QStringLiteral("../ingen/steder"));

    // Refuse and replace for links too; a replaced target is the link itself.
    QCOMPARE(fs().copyFile(QStringLiteral("C:\\L\\død"), QStringLiteral("D:\\L\\link"),
                           ReplaceMode::Refuse)
                 .error(),
             FileError::AlreadyExists);
    env.writeFile(QStringLiteral("D:\\L\\fil.txt"), "gammel");
    QVERIFY(fs().copyFile(QStringLiteral("C:\\L\\link"), QStringLiteral("D:\\L\\fil.txt"),
                          ReplaceMode::Replace));
    QCOMPARE(readLinkHost(env.host(QStringLiteral("D:\\L\\fil.txt"))), QStringLiteral("mål.txt"));
    QCOMPARE(hostEntries(env.host(QStringLiteral("D:\\L"))),
             (QSet<QString>{"link", "død", "fil.txt"}));
    QCOMPARE(env.readFile(QStringLiteral("C:\\L\\mål.txt")), QByteArray("indhold"));

    // A link whose text leads to the target itself would make the target point at itself.
    QVERIFY(
        symlinkHost(env.host(QStringLiteral("C:\\L\\mål.txt")), folder + QStringLiteral("/abs")));
    QCOMPARE(fs().copyFile(QStringLiteral("C:\\L\\abs"), QStringLiteral("C:\\L\\mål.txt"),
                           ReplaceMode::Replace)
                 .error(),
             FileError::SameFile);
    QCOMPARE(env.readFile(QStringLiteral("C:\\L\\mål.txt")), QByteArray("indhold"));
}

void TestFileSystem::copy_folderSourceAndMissingPlaces() {
    TestEnvironment env;
    env.makeFolder(QStringLiteral("C:\\Mappe"));
    env.writeFile(QStringLiteral("C:\\fil.txt"), "x");
    QCOMPARE(
        fs().copyFile(QStringLiteral("C:\\Mappe"), QStringLiteral("D:\\Mappe"), ReplaceMode::Refuse)
            .error(),
        FileError::NotSupported);
    QVERIFY(hostEntries(env.driveFolder('D')).isEmpty());
    QCOMPARE(fs().copyFile(QStringLiteral("C:\\væk.txt"), QStringLiteral("D:\\væk.txt"),
                           ReplaceMode::Refuse)
                 .error(),
             FileError::NotFound);
    QCOMPARE(fs().copyFile(QStringLiteral("C:\\fil.txt"), QStringLiteral("D:\\ingen\\fil.txt"),
                           ReplaceMode::Refuse)
                 .error(),
             FileError::PathNotFound);
    QVERIFY(hostEntries(env.driveFolder('D')).isEmpty());
}

void TestFileSystem::copy_acrossFileSystems() {
    QTemporaryDir shm(QStringLiteral("/dev/shm/ravnsti-test-XXXXXX"));
    if (!shm.isValid())
        QSKIP("no /dev/shm");
    TestEnvironment env(QStringLiteral("E=%1").arg(shm.path()));
    struct stat a, b;
    if (::stat(enc(env.base()).constData(), &a) != 0 ||
        ::stat(enc(shm.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        QSKIP("/dev/shm is on the temporary folder's file system");
    const QByteArray bytes = randomBytes(5 * 1024 * 1024 + 3);
    env.writeFile(QStringLiteral("C:\\stor.bin"), bytes);
    setMtime(env.host(QStringLiteral("C:\\stor.bin")), 1394006700, 5000);
    Calls calls;
    QVERIFY(fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("E:\\stor.bin"),
                          ReplaceMode::Refuse, recorder(calls)));
    QCOMPARE(readHost(shm.path() + QStringLiteral("/stor.bin")), bytes);
    QCOMPARE(lstatOf(shm.path() + QStringLiteral("/stor.bin")).st_mtim.tv_nsec, 5000L);
    QCOMPARE(calls.last(), qMakePair(qint64(bytes.size()), qint64(bytes.size())));

    // And renaming there is refused as a move across file systems.
    const FileResult r =
        fs().rename(QStringLiteral("C:\\stor.bin"), QStringLiteral("E:\\flyttet.bin"));
    QCOMPARE(r.error(), FileError::CrossDevice);
    QVERIFY(hostExists(env.host(QStringLiteral("C:\\stor.bin"))));
}

// --- Copying through open folders --------------------------------------------------------

namespace {

std::unique_ptr<OpenFolder> opened(const QString& path, bool create) {
    std::unique_ptr<OpenFolder> folder;
    const FileResult r = fs().openFolder(path, create, folder);
    if (!r)
        qWarning("%s", qPrintable(r.detail()));
    return folder;
}

const FileInfo* listed(const OpenFolder& folder, QList<FileInfo>& entries, const QString& name) {
    return fs().list(folder, entries, ListDetail::Names, ListOrder::ByName)
               ? entryNamed(entries, name)
               : nullptr;
}

} // namespace

void TestFileSystem::openFolders_copyEntriesKeepingModesAndTimes() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Kilde\\læs.txt"), "skrivebeskyttet");
    env.writeFile(QStringLiteral("C:\\Kilde\\alle.txt"), "alle må skrive");
    env.writeFile(QStringLiteral("C:\\Kilde\\Under\\dyb.bin"), randomBytes(300000));
    const QString source = env.host(QStringLiteral("C:\\Kilde"));
    QCOMPARE(::chmod(enc(source + QStringLiteral("/læs.txt")).constData(), 0444), 0);
    QCOMPARE(::chmod(enc(source + QStringLiteral("/alle.txt")).constData(), 0666), 0);
    setMtime(source + QStringLiteral("/alle.txt"), 1394006700, 42);
    QVERIFY(symlinkHost(QStringLiteral("Under/dyb.bin"), source + QStringLiteral("/peg")));

    UmaskScope mask(022); // takes 0666 down to 0644 when the file is made
    const auto from = opened(QStringLiteral("C:\\Kilde"), false);
    const auto to = opened(QStringLiteral("D:\\Ny\\Kopi"), true); // made with its parent
    QVERIFY(from && to);
    QCOMPARE(to->path(), QStringLiteral("D:\\Ny\\Kopi"));
    QList<FileInfo> entries;
    QVERIFY(fs().list(*from, entries, ListDetail::Names, ListOrder::ByName));
    QCOMPARE(entries.size(), 4);
    for (const FileInfo& e : std::as_const(entries)) {
        if (e.isFolder()) {
            std::unique_ptr<OpenFolder> sub, subTarget;
            QVERIFY(fs().openSubfolder(*from, e.name, false, sub));
            QVERIFY(fs().openSubfolder(*to, e.name, true, subTarget));
            QCOMPARE(subTarget->path(), QStringLiteral("D:\\Ny\\Kopi\\Under"));
            QList<FileInfo> inner;
            const FileInfo* deep = listed(*sub, inner, QStringLiteral("dyb.bin"));
            QVERIFY(deep);
            Calls calls;
            QVERIFY(fs().copyFile(*sub, *deep, *subTarget, deep->name, ReplaceMode::Refuse,
                                  recorder(calls)));
            QCOMPARE(calls.last(), qMakePair(qint64(300000), qint64(300000)));
        } else {
            QVERIFY(fs().copyFile(*from, e, *to, e.name, ReplaceMode::Refuse));
        }
    }
    const QString target = env.host(QStringLiteral("D:\\Ny\\Kopi"));
    QCOMPARE(lstatOf(target + QStringLiteral("/læs.txt")).st_mode & 07777, mode_t(0444));
    QCOMPARE(lstatOf(target + QStringLiteral("/alle.txt")).st_mode & 07777, mode_t(0666));
    QCOMPARE(lstatOf(target + QStringLiteral("/alle.txt")).st_mtim.tv_nsec, 42L);
    QCOMPARE(readLinkHost(target + QStringLiteral("/peg")), QStringLiteral("Under/dyb.bin"));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Ny\\Kopi\\Under\\dyb.bin")),
             env.readFile(QStringLiteral("C:\\Kilde\\Under\\dyb.bin")));
    QCOMPARE(hostEntries(target), (QSet<QString>{"læs.txt", "alle.txt", "peg", "Under"}));

    // Listed twice, an open folder gives all of it again; an existing folder opens as well.
    QVERIFY(fs().list(*from, entries, ListDetail::Names, ListOrder::ByName));
    QCOMPARE(entries.size(), 4);
    QVERIFY(opened(QStringLiteral("D:\\Ny\\Kopi"), true));
    // Nothing but a folder opens as one.
    std::unique_ptr<OpenFolder> none;
    QCOMPARE(fs().openFolder(QStringLiteral("C:\\Kilde\\læs.txt"), true, none).error(),
             FileError::AlreadyExists);
    QCOMPARE(fs().openSubfolder(*from, QStringLiteral("peg"), false, none).error(),
             FileError::NotSupported);
    QCOMPARE(fs().openFolder(QStringLiteral("C:\\Findes\\ikke"), false, none).error(),
             FileError::NotFound);
    QVERIFY(!none);
}

// A folder's files copied as one batch, on helper threads: every file whole with its mode
// and time, the link as a link, no temporary entry left, and a name a folder holds in the
// target refused alone.
void TestFileSystem::openFolders_copyFilesSeveralAtATime() {
    TestEnvironment env;
    const QString source = env.host(QStringLiteral("C:\\Kilde"));
    QHash<QString, QByteArray> contents;
    for (int i = 0; i < 300; ++i) {
        const QString name = QStringLiteral("fil%1.bin").arg(i, 3, 10, QLatin1Char('0'));
        contents.insert(name, randomBytes(i * 67));
        env.writeFile(QStringLiteral("C:\\Kilde\\") + name, contents.value(name));
        QCOMPARE(::chmod(enc(source + '/' + name).constData(), i % 2 ? 0600 : 0644), 0);
        setMtime(source + '/' + name, 1394006700 + i, i);
    }
    QVERIFY(symlinkHost(QStringLiteral("fil001.bin"), source + QStringLiteral("/peg")));
    env.makeFolder(QStringLiteral("D:\\Kopi\\fil150.bin"));

    const auto from = opened(QStringLiteral("C:\\Kilde"), false);
    const auto to = opened(QStringLiteral("D:\\Kopi"), true);
    QVERIFY(from && to);
    QList<FileInfo> entries;
    QVERIFY(fs().list(*from, entries, ListDetail::Names, ListOrder::ByName));
    QHash<QString, FileError> results;
    fs().copyFiles(*from, entries, *to, ReplaceMode::Replace, {},
                   [&](qsizetype i, const FileResult& r, qint64) {
                       results.insert(entries[i].name, r.error());
                   });
    QCOMPARE(results.size(), 301);
    const QString target = env.host(QStringLiteral("D:\\Kopi"));
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        const int i = it.key().mid(3, 3).toInt();
        if (i == 150) {
            QCOMPARE(results.value(it.key()), FileError::AlreadyExists);
            continue;
        }
        QCOMPARE(results.value(it.key()), FileError::None);
        QCOMPARE(readHost(target + '/' + it.key()), it.value());
        const struct stat st = lstatOf(target + '/' + it.key());
        QCOMPARE(st.st_mode & 07777, mode_t(i % 2 ? 0600 : 0644));
        QCOMPARE(st.st_mtim.tv_sec, time_t(1394006700 + i));
        QCOMPARE(st.st_mtim.tv_nsec, long(i));
    }
    QCOMPARE(results.value(QStringLiteral("peg")), FileError::None);
    QCOMPARE(readLinkHost(target + QStringLiteral("/peg")), QStringLiteral("fil001.bin"));
    QCOMPARE(hostEntries(target).size(), 301);
}

void TestFileSystem::openFolders_entryThatCameMeanwhile_data() {
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("error");
    const int none = int(FileError::None);
    QTest::newRow("file, refuse") << "file" << int(ReplaceMode::Refuse)
                                  << int(FileError::AlreadyExists);
    QTest::newRow("file, replace") << "file" << int(ReplaceMode::Replace) << none;
    QTest::newRow("folder, replace")
        << "folder" << int(ReplaceMode::Replace) << int(FileError::AlreadyExists);
    QTest::newRow("the source, replace")
        << "hard link" << int(ReplaceMode::Replace) << int(FileError::SameFile);
}

// A folder the copy made holds only what the copy put there, so a file is placed there
// without asking first; what another put there meanwhile is still judged.
void TestFileSystem::openFolders_entryThatCameMeanwhile() {
    QFETCH(QString, meanwhile);
    QFETCH(int, mode);
    QFETCH(int, error);
    TestEnvironment env;
    const QByteArray bytes = randomBytes(50000);
    env.writeFile(QStringLiteral("C:\\Kilde\\fil.bin"), bytes);
    const auto from = opened(QStringLiteral("C:\\Kilde"), false);
    const auto to = opened(QStringLiteral("D:\\Ny"), true);
    QVERIFY(from && to);
    QList<FileInfo> entries;
    const FileInfo* file = listed(*from, entries, QStringLiteral("fil.bin"));
    QVERIFY(file);

    const QString target = env.host(QStringLiteral("D:\\Ny\\fil.bin"));
    bool made = false;
    const CopyProgress putThere = [&](qint64, qint64) {
        if (!made) {
            made = true;
            if (meanwhile == QLatin1String("file"))
                writeHost(target, "en andens");
            else if (meanwhile == QLatin1String("folder"))
                QDir().mkpath(target);
            else
                ::link(enc(env.host(QStringLiteral("C:\\Kilde\\fil.bin"))).constData(),
                       enc(target).constData());
        }
        return true;
    };
    const FileResult r = fs().copyFile(*from, *file, *to, file->name, ReplaceMode(mode), putThere);
    QCOMPARE(int(r.error()), error);
    QCOMPARE(hostEntries(env.host(QStringLiteral("D:\\Ny"))), QSet<QString>{"fil.bin"});
    if (meanwhile == QLatin1String("file"))
        QCOMPARE(readHost(target), r ? bytes : QByteArray("en andens"));
    if (meanwhile == QLatin1String("folder"))
        QVERIFY(S_ISDIR(lstatOf(target).st_mode));
    QCOMPARE(env.readFile(QStringLiteral("C:\\Kilde\\fil.bin")), bytes);
}

// Entries swapped between the listing and the copy: a folder for a link to a folder
// elsewhere, a file for a link, a file for a FIFO, and the target folder for a link.
void TestFileSystem::openFolders_swappedEntriesAreNotFollowed() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Kilde\\Under\\fil.txt"), "under");
    env.writeFile(QStringLiteral("C:\\Kilde\\fil.txt"), "fil");
    env.writeFile(QStringLiteral("C:\\Kilde\\rør"), "bliver et rør");
    env.writeFile(QStringLiteral("D:\\Hemmelig\\kode.txt"), "hemmelig");
    const QString source = env.host(QStringLiteral("C:\\Kilde"));
    const QString secret = env.host(QStringLiteral("D:\\Hemmelig"));
    const auto from = opened(QStringLiteral("C:\\Kilde"), false);
    const auto to = opened(QStringLiteral("D:\\Kopi"), true);
    QVERIFY(from && to);
    QList<FileInfo> entries;
    QVERIFY(fs().list(*from, entries, ListDetail::Names, ListOrder::ByName));
    QCOMPARE(entries.size(), 3);

    QVERIFY(QDir(source + QStringLiteral("/Under")).removeRecursively());
    QVERIFY(symlinkHost(secret, source + QStringLiteral("/Under")));
    QCOMPARE(::unlink(enc(source + QStringLiteral("/fil.txt")).constData()), 0);
    QVERIFY(symlinkHost(secret + QStringLiteral("/kode.txt"), source + QStringLiteral("/fil.txt")));
    QCOMPARE(::unlink(enc(source + QStringLiteral("/rør")).constData()), 0);
    QCOMPARE(::mkfifo(enc(source + QStringLiteral("/rør")).constData(), 0644), 0);

    std::unique_ptr<OpenFolder> sub;
    QCOMPARE(fs().openSubfolder(*from, QStringLiteral("Under"), false, sub).error(),
             FileError::NotSupported);
    QVERIFY(!sub);
    ::alarm(20); // a hang kills the suite instead of stalling it
    const FileResult pipe = fs().copyFile(*from, *entryNamed(entries, QStringLiteral("rør")), *to,
                                          QStringLiteral("rør"), ReplaceMode::Refuse);
    ::alarm(0);
    QCOMPARE(pipe.error(), FileError::NotSupported);
    // The file that became a link is copied as the link it is now, not as what it leads to.
    QVERIFY(fs().copyFile(*from, *entryNamed(entries, QStringLiteral("fil.txt")), *to,
                          QStringLiteral("fil.txt"), ReplaceMode::Refuse));
    const QString target = env.host(QStringLiteral("D:\\Kopi"));
    QCOMPARE(readLinkHost(target + QStringLiteral("/fil.txt")),
             secret + QStringLiteral("/kode.txt"));
    QCOMPARE(hostEntries(target), QSet<QString>{"fil.txt"});

    // A target folder swapped for a link is not written through either.
    QVERIFY(QDir(target).removeRecursively());
    QVERIFY(symlinkHost(secret, target));
    std::unique_ptr<OpenFolder> through;
    QCOMPARE(fs().openFolder(QStringLiteral("D:\\Kopi"), true, through).error(),
             FileError::AlreadyExists);
    QCOMPARE(fs().openSubfolder(*from, QStringLiteral("Under"), true, through).error(),
             FileError::AlreadyExists);
    QCOMPARE(hostEntries(secret), QSet<QString>{"kode.txt"});
}

void TestFileSystem::openFolders_defaultAclStillGivesTheSourceMode() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Kilde\\fil.txt"), "x");
    QCOMPARE(::chmod(enc(env.host(QStringLiteral("C:\\Kilde\\fil.txt"))).constData(), 0664), 0);
    env.makeFolder(QStringLiteral("D:\\Acl"));
    // A default ACL of user::rwx, group::---, other::--- (version 2, three entries).
    const quint32 acl[] = {2, 0x00070001, 0, 0x00000004, 0, 0x00000020, 0};
    const QString folder = env.host(QStringLiteral("D:\\Acl"));
    if (::setxattr(enc(folder).constData(), "system.posix_acl_default", acl, sizeof acl, 0) != 0)
        QSKIP("no POSIX ACLs here");
    UmaskScope mask(002); // would leave 0664 whole
    const auto from = opened(QStringLiteral("C:\\Kilde"), false);
    const auto to = opened(QStringLiteral("D:\\Acl"), true);
    QVERIFY(from && to);
    QList<FileInfo> entries;
    const FileInfo* file = listed(*from, entries, QStringLiteral("fil.txt"));
    QVERIFY(file);
    std::unique_ptr<OpenFolder> made; // a folder made in it inherits the ACL
    QVERIFY(fs().openSubfolder(*to, QStringLiteral("Under"), true, made));
    QVERIFY(fs().copyFile(*from, *file, *to, file->name, ReplaceMode::Refuse));
    QVERIFY(fs().copyFile(*from, *file, *made, file->name, ReplaceMode::Refuse));
    QCOMPARE(lstatOf(folder + QStringLiteral("/fil.txt")).st_mode & 0777, mode_t(0664));
    QCOMPARE(lstatOf(folder + QStringLiteral("/Under/fil.txt")).st_mode & 0777, mode_t(0664));
}

void TestFileSystem::deviceMemory_perPairAndPerDevice() {
    DeviceMemory memory;
    QVERIFY(memory.mayClone(1, 1));
    memory.cannotClone(1, 2);
    QVERIFY(!memory.mayClone(1, 2));
    // A second file system is still tried once, and so is the way back.
    QVERIFY(memory.mayClone(1, 3));
    QVERIFY(memory.mayClone(2, 1));
    QVERIFY(memory.mayClone(1, 1));
    memory.hasNoXattrs(4);
    QVERIFY(!memory.mayHaveXattrs(4));
    QVERIFY(memory.mayHaveXattrs(1));
}

// --- Renaming --------------------------------------------------------------------------

void TestFileSystem::rename_movesFilesAndFolders() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\a.txt"), "a");
    env.writeFile(QStringLiteral("C:\\Mappe\\Under\\b.txt"), "b");
    QVERIFY(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\Mappe\\nyt navn.txt")));
    QCOMPARE(env.readFile(QStringLiteral("C:\\Mappe\\nyt navn.txt")), QByteArray("a"));
    QVERIFY(!fs().exists(QStringLiteral("C:\\a.txt")));
    QVERIFY(fs().rename(QStringLiteral("C:\\Mappe"), QStringLiteral("D:\\Flyttet")));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Flyttet\\Under\\b.txt")), QByteArray("b"));
    QVERIFY(!fs().exists(QStringLiteral("C:\\Mappe")));
    // A link is renamed as itself.
    const QString link = env.host(QStringLiteral("D:\\link"));
    QVERIFY(symlinkHost(QStringLiteral("Flyttet"), link));
    QVERIFY(fs().rename(QStringLiteral("D:\\link"), QStringLiteral("D:\\link2")));
    QCOMPARE(readLinkHost(env.host(QStringLiteral("D:\\link2"))), QStringLiteral("Flyttet"));
}

void TestFileSystem::rename_neverReplaces() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\a.txt"), "a");
    env.writeFile(QStringLiteral("C:\\b.txt"), "b");
    env.makeFolder(QStringLiteral("C:\\Tom"));
    env.makeFolder(QStringLiteral("C:\\Fuld"));
    env.writeFile(QStringLiteral("C:\\Fuld\\x.txt"), "x");
    const QString linkHost = env.host(QStringLiteral("C:\\død"));
    QVERIFY(symlinkHost(QStringLiteral("ingen"), linkHost));

    QCOMPARE(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\b.txt")).error(),
             FileError::AlreadyExists);
    QCOMPARE(env.readFile(QStringLiteral("C:\\a.txt")), QByteArray("a"));
    QCOMPARE(env.readFile(QStringLiteral("C:\\b.txt")), QByteArray("b"));
    // rename() would silently replace an empty folder; this must not.
    QCOMPARE(fs().rename(QStringLiteral("C:\\Fuld"), QStringLiteral("C:\\Tom")).error(),
             FileError::AlreadyExists);
    QCOMPARE(env.readFile(QStringLiteral("C:\\Fuld\\x.txt")), QByteArray("x"));
    QVERIFY(fs().isFolder(QStringLiteral("C:\\Tom")));
    // Nor a dangling link.
    QCOMPARE(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\død")).error(),
             FileError::AlreadyExists);
    QCOMPARE(readLinkHost(linkHost), QStringLiteral("ingen"));
    // Nor its own name.
    QCOMPARE(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\a.txt")).error(),
             FileError::AlreadyExists);
    QCOMPARE(env.readFile(QStringLiteral("C:\\a.txt")), QByteArray("a"));
}

void TestFileSystem::rename_onlyTheCase() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\a.txt"), "a");
    env.makeFolder(QStringLiteral("C:\\mappe"));
    QVERIFY(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\A.txt")));
    QVERIFY(fs().rename(QStringLiteral("C:\\mappe"), QStringLiteral("C:\\Mappe")));
    QCOMPARE(hostEntries(env.driveFolder('C')), (QSet<QString>{"A.txt", "Mappe"}));
    QCOMPARE(env.readFile(QStringLiteral("C:\\A.txt")), QByteArray("a"));

    // On a file system that tells case apart, "b.txt" beside a hard link "B.txt" is
    // another entry of that name.
    env.writeFile(QStringLiteral("C:\\b.txt"), "b");
    QCOMPARE(::link(enc(env.host(QStringLiteral("C:\\b.txt"))).constData(),
                    enc(env.host(QStringLiteral("C:\\B.txt"))).constData()),
             0);
    QCOMPARE(fs().rename(QStringLiteral("C:\\b.txt"), QStringLiteral("C:\\B.txt")).error(),
             FileError::AlreadyExists);
    QCOMPARE(hostEntries(env.driveFolder('C')),
             (QSet<QString>{"A.txt", "Mappe", "b.txt", "B.txt"}));
}

void TestFileSystem::rename_failures() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\a.txt"), "a");
    env.makeFolder(QStringLiteral("C:\\M\\U"));
    QCOMPARE(fs().rename(QStringLiteral("C:\\væk.txt"), QStringLiteral("C:\\b.txt")).error(),
             FileError::NotFound);
    QCOMPARE(fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\ingen\\b.txt")).error(),
             FileError::PathNotFound);
    const FileResult intoItself =
        fs().rename(QStringLiteral("C:\\M"), QStringLiteral("C:\\M\\U\\M"));
    QVERIFY(!intoItself);
    QVERIFY(fs().isFolder(QStringLiteral("C:\\M\\U")));
    QCOMPARE(env.readFile(QStringLiteral("C:\\a.txt")), QByteArray("a"));
}

// --- Fallbacks -------------------------------------------------------------------------

void TestFileSystem::fallbacks_withoutModernCalls_data() {
    QTest::addColumn<bool>("hardLinks");
    QTest::newRow("no renameat2, copy_file_range, statx") << true;
    QTest::newRow("nor hard links") << false;
}

void TestFileSystem::fallbacks_withoutModernCalls() {
    QFETCH(bool, hardLinks);
    TestEnvironment env;
    const QByteArray bytes = randomBytes(3 * 1024 * 1024 + 1);
    env.writeFile(QStringLiteral("C:\\stor.bin"), bytes);
    env.writeFile(QStringLiteral("C:\\a.txt"), "a");
    env.writeFile(QStringLiteral("C:\\b.txt"), "b");
    env.writeFile(QStringLiteral("D:\\findes.bin"), "gammel");
    env.makeFolder(QStringLiteral("C:\\Fuld\\Under"));
    env.makeFolder(QStringLiteral("C:\\Tom"));
    QList<QPair<int, int>> calls = {
        {SYS_renameat2, EINVAL}, {SYS_copy_file_range, ENOSYS}, {SYS_statx, ENOSYS}};
    if (!hardLinks)
        calls += {{SYS_link, EPERM}, {SYS_linkat, EPERM}};

    const int step = runWithFailingSyscalls(calls, [] {
        Calls progress;
        if (!fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("D:\\stor.bin"),
                           ReplaceMode::Refuse, recorder(progress)))
            return 1;
        if (progress.size() < 3 || progress.last().first != progress.last().second)
            return 2;
        if (fs().copyFile(QStringLiteral("C:\\stor.bin"), QStringLiteral("D:\\findes.bin"),
                          ReplaceMode::Refuse)
                .error() != FileError::AlreadyExists)
            return 3;
        if (!fs().copyFile(QStringLiteral("C:\\a.txt"), QStringLiteral("D:\\findes.bin"),
                           ReplaceMode::Replace))
            return 4;
        if (fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\b.txt")).error() !=
            FileError::AlreadyExists)
            return 5;
        if (!fs().rename(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\c.txt")))
            return 6;
        if (fs().rename(QStringLiteral("C:\\Fuld"), QStringLiteral("C:\\Tom")).error() !=
            FileError::AlreadyExists)
            return 7;
        if (!fs().rename(QStringLiteral("C:\\Fuld"), QStringLiteral("C:\\Flyttet")))
            return 8;
        if (!fs().rename(QStringLiteral("C:\\b.txt"), QStringLiteral("C:\\B.txt")))
            return 9;
        QList<FileInfo> entries;
        if (!fs().list(QStringLiteral("C:"), entries) || entries.size() != 5)
            return 10;
        const auto info = fs().info(QStringLiteral("C:\\stor.bin"));
        if (!info || info->size != 3 * 1024 * 1024 + 1 || !info->created.isValid())
            return 11;
        if (!fs().removeTree(QStringLiteral("C:\\Flyttet")))
            return 12;
        return 0;
    });
    QCOMPARE(step, 0);
    QCOMPARE(env.readFile(QStringLiteral("D:\\stor.bin")), bytes);
    QCOMPARE(env.readFile(QStringLiteral("D:\\findes.bin")), QByteArray("a"));
    QCOMPARE(hostEntries(env.driveFolder('D')), (QSet<QString>{"stor.bin", "findes.bin"}));
    QCOMPARE(hostEntries(env.driveFolder('C')),
             (QSet<QString>{"stor.bin", "c.txt", "B.txt", "Tom"}));
    QCOMPARE(env.readFile(QStringLiteral("C:\\c.txt")), QByteArray("a"));
}

// --- Folders and removing --------------------------------------------------------------

void TestFileSystem::makeFolder_allLevels() {
    TestEnvironment env;
    QVERIFY(fs().makeFolder(QStringLiteral("C:\\a\\b\\c d\\æøå")));
    QVERIFY(fs().isFolder(QStringLiteral("C:\\a\\b\\c d\\æøå")));
    QVERIFY(fs().makeFolder(QStringLiteral("C:\\a\\b\\c d\\æøå"))); // already there
    QVERIFY(fs().makeFolder(QStringLiteral("C:\\a")));
    env.writeFile(QStringLiteral("C:\\fil"), "x");
    QCOMPARE(fs().makeFolder(QStringLiteral("C:\\fil")).error(), FileError::AlreadyExists);
    QCOMPARE(fs().makeFolder(QStringLiteral("C:\\fil\\under")).error(), FileError::PathNotFound);
    // Through a link to a folder is fine.
    QVERIFY(symlinkHost(QStringLiteral("a"), env.host(QStringLiteral("C:\\link"))));
    QVERIFY(fs().makeFolder(QStringLiteral("C:\\link\\ny")));
    QVERIFY(fs().isFolder(QStringLiteral("C:\\a\\ny")));
}

void TestFileSystem::removeFile_filesAndLinksNotFolders() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\fil.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Mappe\\inde.txt"), "x");
    QVERIFY(symlinkHost(QStringLiteral("Mappe"), env.host(QStringLiteral("C:\\link"))));
    QVERIFY(fs().removeFile(QStringLiteral("C:\\fil.txt")));
    QVERIFY(!fs().exists(QStringLiteral("C:\\fil.txt")));
    QVERIFY(fs().removeFile(QStringLiteral("C:\\link")));
    QVERIFY(!fs().exists(QStringLiteral("C:\\link")));
    QCOMPARE(env.readFile(QStringLiteral("C:\\Mappe\\inde.txt")), QByteArray("x"));
    const FileResult r = fs().removeFile(QStringLiteral("C:\\Mappe"));
    QVERIFY(!r);
    QVERIFY(fs().isFolder(QStringLiteral("C:\\Mappe")));
    QCOMPARE(fs().removeFile(QStringLiteral("C:\\væk")).error(), FileError::NotFound);
}

void TestFileSystem::removeFolder_emptyOnly() {
    TestEnvironment env;
    env.makeFolder(QStringLiteral("C:\\Tom"));
    env.writeFile(QStringLiteral("C:\\Fuld\\x.txt"), "x");
    env.writeFile(QStringLiteral("C:\\fil.txt"), "x");
    QVERIFY(fs().removeFolder(QStringLiteral("C:\\Tom")));
    QVERIFY(!fs().exists(QStringLiteral("C:\\Tom")));
    QVERIFY(!fs().removeFolder(QStringLiteral("C:\\Fuld")));
    QCOMPARE(env.readFile(QStringLiteral("C:\\Fuld\\x.txt")), QByteArray("x"));
    QVERIFY(!fs().removeFolder(QStringLiteral("C:\\fil.txt")));
    QVERIFY(fs().exists(QStringLiteral("C:\\fil.txt")));
    QCOMPARE(fs().removeFolder(QStringLiteral("C:\\væk")).error(), FileError::NotFound);
}

void TestFileSystem::removeTree_removesEverything() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Træ\\a.txt"), "a");
    env.writeFile(QStringLiteral("C:\\Træ\\.skjult"), "s");
    env.writeFile(QStringLiteral("C:\\Træ\\U1\\U2\\U3\\dyb.txt"), "d");
    env.makeFolder(QStringLiteral("C:\\Træ\\Tom"));
    const QString tree = env.host(QStringLiteral("C:\\Træ"));
    QCOMPARE(::mkfifo(enc(tree + QStringLiteral("/U1/rør")).constData(), 0644), 0);
    writeHost(tree + QStringLiteral("/U1/a\\b"), "unmappable");
    QCOMPARE(::chmod(enc(tree + QStringLiteral("/a.txt")).constData(), 0444), 0);
    env.writeFile(QStringLiteral("C:\\Bliver.txt"), "b");

    QVERIFY(fs().removeTree(QStringLiteral("C:\\Træ")));
    QVERIFY(!hostExists(tree));
    QCOMPARE(hostEntries(env.driveFolder('C')), QSet<QString>{"Bliver.txt"});
    QCOMPARE(fs().removeTree(QStringLiteral("C:\\Træ")).error(), FileError::NotFound);
    // A file given to it is removed as well.
    QVERIFY(fs().removeTree(QStringLiteral("C:\\Bliver.txt")));
    QVERIFY(hostEntries(env.driveFolder('C')).isEmpty());
}

void TestFileSystem::removeTree_doesNotFollowLinkToOutsideFolder() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("D:\\Udenfor\\vigtig.txt"), "behold mig");
    env.writeFile(QStringLiteral("D:\\Udenfor\\Under\\også.txt"), "også");
    env.writeFile(QStringLiteral("D:\\enkelt.txt"), "enkelt");
    env.writeFile(QStringLiteral("C:\\Træ\\Sub\\fil.txt"), "x");
    const QString tree = env.host(QStringLiteral("C:\\Træ"));
    QVERIFY(symlinkHost(env.host(QStringLiteral("D:\\Udenfor")),
                        tree + QStringLiteral("/Sub/til udenfor")));
    QVERIFY(
        symlinkHost(env.host(QStringLiteral("D:\\Udenfor")), tree + QStringLiteral("/direkte")));
    QVERIFY(
        symlinkHost(env.host(QStringLiteral("D:\\enkelt.txt")), tree + QStringLiteral("/til fil")));

    QVERIFY(fs().removeTree(QStringLiteral("C:\\Træ")));
    QVERIFY(!hostExists(tree));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\Under\\også.txt")), QByteArray("også"));
    QCOMPARE(env.readFile(QStringLiteral("D:\\enkelt.txt")), QByteArray("enkelt"));
}

void TestFileSystem::removeTree_endsOnLinkLoop() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Løkke\\A\\B\\fil.txt"), "x");
    const QString tree = env.host(QStringLiteral("C:\\Løkke"));
    QVERIFY(symlinkHost(QStringLiteral("../.."), tree + QStringLiteral("/A/B/op")));
    QVERIFY(symlinkHost(tree, tree + QStringLiteral("/A/rod")));
    QVERIFY(symlinkHost(QStringLiteral("l2"), tree + QStringLiteral("/l1")));
    QVERIFY(symlinkHost(QStringLiteral("l1"), tree + QStringLiteral("/l2")));
    QVERIFY(symlinkHost(QStringLiteral("selv"), tree + QStringLiteral("/selv")));

    ::alarm(20);
    const FileResult r = fs().removeTree(QStringLiteral("C:\\Løkke"));
    ::alarm(0);
    QVERIFY2(r, qPrintable(r.detail()));
    QVERIFY(!hostExists(tree));
    QVERIFY(hostEntries(env.driveFolder('C')).isEmpty());
}

void TestFileSystem::removeTree_givenLinkUnlinksOnlyTheLink() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("D:\\Udenfor\\vigtig.txt"), "behold mig");
    const QString link = env.host(QStringLiteral("C:\\link"));
    QVERIFY(symlinkHost(env.host(QStringLiteral("D:\\Udenfor")), link));
    QVERIFY(fs().removeTree(QStringLiteral("C:\\link")));
    QVERIFY(!hostExists(link));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));
    // A dangling link too.
    QVERIFY(symlinkHost(QStringLiteral("ingen"), link));
    QVERIFY(fs().removeTree(QStringLiteral("C:\\link")));
    QVERIFY(!hostExists(link));
}

void TestFileSystem::removeTree_deepTree() {
    TestEnvironment env;
    env.makeFolder(QStringLiteral("C:\\Dyb"));
    const QString tree = env.host(QStringLiteral("C:\\Dyb"));
    int fd = ::open(enc(tree).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    for (int level = 0; level < 1500; ++level) { // deeper than PATH_MAX allows by path
        QCOMPARE(::mkdirat(fd, "mappe", 0755), 0);
        const int file = ::openat(fd, "fil", O_CREAT | O_WRONLY, 0644);
        QVERIFY(file >= 0);
        ::close(file);
        const int next = ::openat(fd, "mappe", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
        QVERIFY(fd >= 0);
    }
    ::close(fd);
    const FileResult r = fs().removeTree(QStringLiteral("C:\\Dyb"));
    QVERIFY2(r, qPrintable(r.detail()));
    QVERIFY(!hostExists(tree));
}

void TestFileSystem::removeTree_ownReadOnlyFolders() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Beskyttet\\Sub\\fil.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Beskyttet\\Lukket\\fil.txt"), "x");
    env.writeFile(QStringLiteral("C:\\Beskyttet\\fil.txt"), "x");
    const QString tree = env.host(QStringLiteral("C:\\Beskyttet"));
    giveToOrdinaryUser(env, {env.driveFolder('C')}); // the tree and the folder holding it
    const int code = runAsOrdinaryUser([&] {
        // Read-only folders as setReadOnly makes them, and one without any permission.
        if (!fs().setReadOnly(QStringLiteral("C:\\Beskyttet\\Sub"), true) ||
            !fs().setReadOnly(QStringLiteral("C:\\Beskyttet"), true) ||
            ::chmod(enc(tree + QStringLiteral("/Lukket")).constData(), 0) != 0)
            return 201;
        const FileResult r = fs().removeTree(QStringLiteral("C:\\Beskyttet"));
        return r.ok() ? 0 : int(r.error());
    });
    QCOMPARE(code, 0);
    QVERIFY(!hostExists(tree));
}

void TestFileSystem::removeTree_stopsAtFirstFailure() {
    if (::geteuid() != 0)
        QSKIP("needs a folder of another user, which only root can make");
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Træ\\Fremmed\\fil.txt"), "x");
    const QString tree = env.host(QStringLiteral("C:\\Træ"));
    const QString foreign = tree + QStringLiteral("/Fremmed");
    // The tree is handed over, the folder inside stays root's and read-only.
    giveToOrdinaryUser(env, {env.driveFolder('C')});
    QCOMPARE(::lchown(enc(foreign).constData(), 0, 0), 0);
    QCOMPARE(::lchown(enc(foreign + QStringLiteral("/fil.txt")).constData(), 0, 0), 0);
    QCOMPARE(::chmod(enc(foreign).constData(), 0555), 0);
    const int result = runAsOrdinaryUser([] {
        const FileResult r = fs().removeTree(QStringLiteral("C:\\Træ"));
        return r.ok() ? 0 : int(r.error());
    });
    QCOMPARE(result, int(FileError::AccessDenied));
    QVERIFY(hostExists(foreign + QStringLiteral("/fil.txt")));
    ::chmod(enc(foreign).constData(), 0755);
}

namespace {

// Sets or clears the immutable flag of a host file; false where the file system has none.
bool setImmutable(const QString& host, bool on) {
    const int fd = ::open(enc(host).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

// A tree of many subfolders is removed on helper threads as well: all of it goes, no link
// is followed, and a failure is told for the first subfolder in the folder's order.
void TestFileSystem::removeTree_severalSubfoldersAtOnce() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("D:\\Udenfor\\vigtig.txt"), "behold mig");
    const QString tree = env.host(QStringLiteral("C:\\Mange"));
    const auto build = [&] {
        for (int d = 0; d < 30; ++d) {
            const QString sub = QStringLiteral("C:\\Mange\\d%1").arg(d, 2, 10, QLatin1Char('0'));
            for (int f = 0; f < 20; ++f)
                env.writeFile(sub + QStringLiteral("\\f%1").arg(f, 2, 10, QLatin1Char('0')), "x");
            env.writeFile(sub + QStringLiteral("\\inde\\dyb.txt"), "y");
        }
        env.writeFile(QStringLiteral("C:\\Mange\\top.txt"), "z");
        return symlinkHost(env.host(QStringLiteral("D:\\Udenfor")),
                           tree + QStringLiteral("/d05/ud"));
    };
    QVERIFY(build());
    const FileResult removed = fs().removeTree(QStringLiteral("C:\\Mange"));
    QVERIFY2(removed, qPrintable(removed.detail()));
    QVERIFY(!hostExists(tree));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));

    QVERIFY(build());
    const QString first = tree + QStringLiteral("/d07/f03");
    const QString later = tree + QStringLiteral("/d21/inde/dyb.txt");
    const auto release = qScopeGuard([&] {
        setImmutable(first, false);
        setImmutable(later, false);
    });
    if (!setImmutable(first, true) || !setImmutable(later, true))
        QSKIP("the temporary folder's file system keeps no immutable flag");
    const FileResult r = fs().removeTree(QStringLiteral("C:\\Mange"));
    QCOMPARE(r.error(), FileError::AccessDenied);
    QVERIFY2(r.detail().contains(QStringLiteral("d07")), qPrintable(r.detail()));
    QVERIFY(hostExists(first));
    QVERIFY(hostExists(later));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));
}

void TestFileSystem::removeHostTree_worksOnHostPaths() {
    TestEnvironment env;
    const QString trash = env.base() + QStringLiteral("/Trash/files/navn\\med\\skråstreg");
    writeHost(trash + QStringLiteral("/fil.txt"), "x");
    writeHost(trash + QStringLiteral("/Under/fil2.txt"), "y");
    env.writeFile(QStringLiteral("D:\\Udenfor\\vigtig.txt"), "behold mig");
    QVERIFY(symlinkHost(env.host(QStringLiteral("D:\\Udenfor")), trash + QStringLiteral("/link")));
    QVERIFY(TreeRemover::removeHostTree(trash));
    QVERIFY(!hostExists(trash));
    QVERIFY(hostExists(env.base() + QStringLiteral("/Trash/files")));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));
    QCOMPARE(TreeRemover::removeHostTree(trash).error(), FileError::NotFound);

    // "link/" means the link, not the folder it resolves to.
    const QString link = env.base() + QStringLiteral("/Trash/files/link");
    QVERIFY(symlinkHost(env.host(QStringLiteral("D:\\Udenfor")), link));
    QVERIFY(TreeRemover::removeHostTree(link + QStringLiteral("/")));
    QVERIFY(!hostExists(link));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Udenfor\\vigtig.txt")), QByteArray("behold mig"));
    QCOMPARE(TreeRemover::removeHostTree(QStringLiteral("/")).error(), FileError::NotSupported);
    QCOMPARE(TreeRemover::removeHostTree(env.base() + QStringLiteral("/Trash/..")).error(),
             FileError::NotSupported);
    // Nor is a whole drive removed through its logical root.
    QCOMPARE(fs().removeTree(QStringLiteral("D:")).error(), FileError::NotSupported);
    QCOMPARE(fs().removeTree(QStringLiteral("D:\\")).error(), FileError::NotSupported);
    QVERIFY(hostExists(env.host(QStringLiteral("D:\\Udenfor\\vigtig.txt"))));
}

RAVNSTI_TEST_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
