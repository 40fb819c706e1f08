#include "drawercsv.h"
#include "drawerstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace Velmora;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The file's drawer, read back as the next start would.
int onDisk(const QString &path, Decimal value)
{
    return readDrawerCsv(contents(path).toStdString()).drawer.countOf(value);
}

} // namespace

class TestDrawerStore : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsOnDisk();
    void failedSaveKeepsTheFile_data();
    void failedSaveKeepsTheFile();
    void unreadableFileIsKept();
};

void TestDrawerStore::everyChangeIsOnDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dati/Velmora/cassetto.csv"));
    DrawerStore store(path);
    QVERIFY(store.drawer().empty() && store.message().isEmpty());
    QVERIFY(store.add({47, 2}, 2));
    QCOMPARE(onDisk(path, {4700, 0}), 2);
    QVERIFY(store.add({22, -2}, 1));
    QCOMPARE(onDisk(path, {22, -2}), 1);
    QVERIFY(store.setCount({4700, 0}, 5));
    QCOMPARE(onDisk(path, {47, 2}), 5);
    QVERIFY(store.remove({22, -2}));
    QCOMPARE(onDisk(path, {22, -2}), 0);
    QVERIFY(store.add({1, 6}, 1));

    const DrawerStore fresh(path);
    QCOMPARE(fresh.drawer().lines().size(), std::size_t(2));
    QCOMPARE(fresh.drawer().countOf({4700, 0}), 5);
    QCOMPARE(fresh.drawer().countOf({1000000, 0}), 1);
    QVERIFY(fresh.message().isEmpty());
}

void TestDrawerStore::failedSaveKeepsTheFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder"); // else the disk is full
    QTest::newRow("full disk") << false;
    QTest::newRow("read-only folder") << true;
}

// A save that fails leaves the last saved file byte for byte, says so, and
// keeps the change for the next save.
void TestDrawerStore::failedSaveKeepsTheFile()
{
    QFETCH(bool, readOnlyFolder);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cassetto.csv"));
    DrawerStore store(path);
    QVERIFY(store.add({1, 3}, 1));
    const QByteArray before = contents(path);

    // Writes past a few bytes fail as on a full disk, for root too.
    rlimit was {};
    getrlimit(RLIMIT_FSIZE, &was);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (readOnlyFolder) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    } else {
        rlimit small = was;
        small.rlim_cur = rlim_t(before.size() + 4);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    Drawer bigger = store.drawer();
    bigger.addSeries(ESeries::E24, {1, 0}, {1, 6});
    const bool saved = store.setDrawer(bigger);
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, oldHandler);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!saved);
    QVERIFY(!store.saved());
    QVERIFY2(store.message().contains(path), qPrintable(store.message()));
    QCOMPARE(contents(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("cassetto.csv")});
    QCOMPARE(store.drawer().countOf({1, 3}), 2); // the change, kept

    QVERIFY(store.add({47, 2}, 1));
    QVERIFY(store.message().isEmpty());
    QCOMPARE(DrawerStore(path).drawer(), store.drawer());
}

// Read at start or not, the file that was there survives a change.
void TestDrawerStore::unreadableFileIsKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cassetto.csv"));
    const QByteArray corrupt("valore;quantità\n1k;2\n4.700;1\n");
    write(path, corrupt);
    DrawerStore store(path);
    QVERIFY(store.drawer().empty());
    QVERIFY2(store.message().contains(QStringLiteral("Riga 3:")), qPrintable(store.message()));
    QCOMPARE(contents(path), corrupt);

    QVERIFY(store.add({10, 0}, 1));
    QCOMPARE(contents(path + QStringLiteral(".illeggibile")), corrupt);
    QVERIFY2(store.message().contains(QStringLiteral("cassetto.csv.illeggibile")), qPrintable(store.message()));
    QCOMPARE(onDisk(path, {10, 0}), 1);
}

QTEST_GUILESS_MAIN(TestDrawerStore)
#include "tst_drawerstore.moc"
