#include "drawerdialog.h"
#include "drawerstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Velmora;

class TestDrawerDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addingJoinsLines();
    void editInPlaceAndDelete();
    void badImportLeavesTheDrawer();
    void importIntoAFullDrawer_data();
    void importIntoAFullDrawer();

private:
    // "4700 x2, 10000 x1": what the table shows.
    QString table() const;
    QString message() const { return m_dialog->findChild<QLabel *>(QStringLiteral("messageLabel"))->text(); }
    void type(const QString &value);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DrawerStore> m_store;
    std::unique_ptr<DrawerDialog> m_dialog;
    QTableWidget *m_table = nullptr;
};

void TestDrawerDialog::init()
{
    m_dialog.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<DrawerStore>(m_dir->filePath(QStringLiteral("cassetto.csv")));
    m_dialog = std::make_unique<DrawerDialog>(*m_store);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    m_table = m_dialog->findChild<QTableWidget *>(QStringLiteral("drawerTable"));
}

QString TestDrawerDialog::table() const
{
    QStringList rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        rows << m_table->item(row, 0)->text() + QStringLiteral(" x") + m_table->item(row, 1)->text();
    return rows.join(QStringLiteral(", "));
}

void TestDrawerDialog::type(const QString &value)
{
    auto *edit = m_dialog->findChild<QLineEdit *>(QStringLiteral("valueEdit"));
    QTest::keyClicks(edit, value);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Lines join however the value is typed; a refused one changes nothing.
void TestDrawerDialog::addingJoinsLines()
{
    type(QStringLiteral("4k7"));
    m_dialog->findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(3);
    type(QStringLiteral("10k"));
    type(QStringLiteral("4k7"));
    QCOMPARE(table(), QStringLiteral("4700 x2, 10000 x3"));
    QCOMPARE(m_table->currentRow(), 0); // the line just added
    type(QStringLiteral("quattro"));
    QVERIFY2(message().contains(QStringLiteral("«quattro» non è un valore valido")), qPrintable(message()));
    QCOMPARE(table(), QStringLiteral("4700 x2, 10000 x3"));
    QCOMPARE(DrawerStore(m_store->path()).drawer().countOf({47, 2}), 2);
}

void TestDrawerDialog::editInPlaceAndDelete()
{
    for (const char *value : {"1k", "2k2", "4k7"})
        type(QString::fromLatin1(value));
    m_table->item(1, 0)->setText(QStringLiteral("1K")); // joins the first line
    QTRY_COMPARE(table(), QStringLiteral("1000 x2, 4700 x1"));
    m_table->item(0, 1)->setData(Qt::EditRole, 7);
    QTRY_COMPARE(m_store->drawer().countOf({1, 3}), 7);
    m_table->item(0, 0)->setText(QStringLiteral("1.000")); // refused, and shown as it was
    QTRY_COMPARE(table(), QStringLiteral("1000 x7, 4700 x1"));
    QVERIFY(message().contains(QStringLiteral("ambiguo")));

    m_table->setFocus();
    m_table->setCurrentCell(0, 0);
    QTest::keyClick(m_table, Qt::Key_Delete);
    QCOMPARE(table(), QStringLiteral("4700 x1"));
    QTest::keyClick(m_table, Qt::Key_Delete); // the line that took its place
    QCOMPARE(table(), QString());
}

void TestDrawerDialog::badImportLeavesTheDrawer()
{
    type(QStringLiteral("1k"));
    const QString path = m_dir->filePath(QStringLiteral("parti.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("valore;quantità\n4k7;2\n\n0,22;uno\n");
    file.close();
    QVERIFY(!m_dialog->importFile(path, true));
    QCOMPARE(table(), QStringLiteral("1000 x1"));
    QCOMPARE(m_store->drawer().lines().size(), std::size_t(1));
    QVERIFY2(message().contains(QStringLiteral("Riga 4: la quantità «uno»")), qPrintable(message()));
}

void TestDrawerDialog::importIntoAFullDrawer_data()
{
    QTest::addColumn<QString>("answer"); // the question's button
    QTest::addColumn<QString>("after");

    QTest::newRow("add") << "&Aggiungi"
                         << "1000 x1, 4700 x3";
    QTest::newRow("replace") << "&Sostituisci"
                             << "4700 x2";
    QTest::newRow("cancel") << "Cancel"
                            << "1000 x1, 4700 x1";
}

// A file imported into a drawer that holds values: kept and added to, or
// replaced, as the question is answered; nothing on cancelling.
void TestDrawerDialog::importIntoAFullDrawer()
{
    QFETCH(QString, answer);
    QFETCH(QString, after);
    type(QStringLiteral("1k"));
    type(QStringLiteral("4k7"));
    const QString path = m_dir->filePath(QStringLiteral("parti.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("valore;quantità\n4k7;2\n");
    file.close();

    bool answered = false;
    QTimer modal;
    connect(&modal, &QTimer::timeout, this, [&] {
        if (auto *ask = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); ask && !answered) {
            for (QAbstractButton *b : ask->buttons())
                if (b->text() == answer) {
                    answered = true;
                    b->click();
                }
        }
    });
    modal.start(20);
    m_dialog->importAsking(path);
    QVERIFY(answered);
    QCOMPARE(table(), after);
}

QTEST_MAIN(TestDrawerDialog)
#include "tst_drawerdialog.moc"
