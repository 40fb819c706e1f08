#include "drawercsv.h"
#include "drawerstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Velmora;

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's count of a value, read back as the next start would.
static int onDisk(const QString &path, Decimal value)
{
    return readDrawerCsv(contents(path).toStdString()).drawer.countOf(value);
}

class TestDrawerStore : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsOnDisk();
    void failedSaveKeepsTheFile();
    void unreadableFileIsKept();
};

// Each change is in the file when the call returns, and a fresh store
// (the next start) reads it.
void TestDrawerStore::everyChangeIsOnDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dati/Velmora/cassetto.csv"));
    DrawerStore store(path);
    QVERIFY(store.add({47, 2}, 2) && onDisk(path, {4700, 0}) == 2);
    QVERIFY(store.add({22, -2}, 1) && onDisk(path, {22, -2}) == 1);
    QVERIFY(store.setCount({4700, 0}, 5) && onDisk(path, {47, 2}) == 5);
    QVERIFY(store.remove({22, -2}) && onDisk(path, {22, -2}) == 0);
    const DrawerStore fresh(path);
    QCOMPARE(fresh.drawer().lines().size(), std::size_t(1));
    QCOMPARE(fresh.drawer().countOf({4700, 0}), 5);
    QVERIFY(fresh.message().isEmpty());
}

// A save cut short, as on a full disk (a file size limit, which binds root
// too), leaves the last saved file byte for byte, says so, and keeps the
// change for the next save.
void TestDrawerStore::failedSaveKeepsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cassetto.csv"));
    DrawerStore store(path);
    QVERIFY(store.add({1, 3}, 1));
    const QByteArray before = contents(path);

    rlimit was {};
    getrlimit(RLIMIT_FSIZE, &was);
    rlimit small = was;
    small.rlim_cur = rlim_t(before.size() + 4);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    Drawer bigger = store.drawer();
    bigger.addSeries(ESeries::E24, {1, 0}, {1, 6});
    const bool saved = store.setDrawer(bigger);
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, handler);

    QVERIFY(!saved && !store.saved());
    QVERIFY2(store.message().contains(path), qPrintable(store.message()));
    QCOMPARE(contents(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("cassetto.csv")});
    QCOMPARE(store.drawer().countOf({1, 3}), 2); // the change, kept
    QVERIFY(store.add({47, 2}, 1) && store.message().isEmpty());
    QCOMPARE(DrawerStore(path).drawer(), store.drawer());
}

// A file that cannot be read is reported, left alone, and kept aside at the
// first change.
void TestDrawerStore::unreadableFileIsKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cassetto.csv"));
    const QByteArray corrupt("valore;quantità\n1k;2\n4.700;1\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(corrupt) == corrupt.size());
    file.close();
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
