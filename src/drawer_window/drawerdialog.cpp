#include "drawerdialog.h"

#include "atomicwrite.h"
#include "drawercsv.h"
#include "drawerstore.h"
#include "drawerwording.h"
#include "quantitydelegate.h"
#include "wording.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <set>

namespace Velmora {

namespace {

// More values than this from one series is a range typed by mistake.
constexpr int MostFromSeries = 10000;

// A file larger than this holds no drawer: refused before it is read.
constexpr qint64 MostBytes = 16 * 1024 * 1024;

QString csvFilter()
{
    return DrawerDialog::tr("File CSV (*.csv);;Tutti i file (*)");
}

} // namespace

DrawerDialog::DrawerDialog(DrawerStore &store, QWidget *parent)
    : ToolDialog(QStringLiteral("DrawerDialog"), tr("Il mio cassetto"), parent)
    , m_store(store)
{
    buildControls();
    connect(&m_store, &DrawerStore::changed, this, &DrawerDialog::refresh);
    connect(m_value, &QLineEdit::returnPressed, this, &DrawerDialog::addTyped);
    connect(m_add, &QPushButton::clicked, this, &DrawerDialog::addTyped);
    connect(m_remove, &QPushButton::clicked, this, &DrawerDialog::removeSelected);
    connect(m_import, &QPushButton::clicked, this, &DrawerDialog::chooseImport);
    connect(m_export, &QPushButton::clicked, this, &DrawerDialog::chooseExport);
    connect(m_fill, &QPushButton::clicked, this, &DrawerDialog::chooseSeries);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    // The table is rebuilt from the store after an edit, which must not
    // happen while the cell's editor is still committing.
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        const int row = item->row(), column = item->column();
        const QString text = item->text();
        const int count = item->data(Qt::EditRole).toInt();
        QTimer::singleShot(0, this, [=, this] { applyEdit(row, column, text, count); });
    });
    auto *remove = new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &DrawerDialog::removeSelected);
    refresh();
    m_message->setText(m_store.message());
}

void DrawerDialog::buildControls()
{
    auto *grid = new QGridLayout(body());
    addTitle(grid, tr("IL MIO CASSETTO"), 5);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("drawerTable"));
    m_table->setAccessibleName(tr("Parti possedute"));
    m_table->setHorizontalHeaderLabels({tr("Valore (Ohm)"), tr("Quantità")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    m_table->setItemDelegateForColumn(1, new QuantityDelegate(m_table));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setMinimumHeight(12 * m_table->fontMetrics().lineSpacing());
    grid->addWidget(caption(tr("&Parti possedute:"), m_table, QStringLiteral("tableCaption")), 1, 0, 1, 5);
    grid->addWidget(m_table, 2, 0, 1, 5);

    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("valueEdit"));
    m_value->setPlaceholderText(tr("4K7, 4%1 k, 470").arg(Wording::decimalPoint() + QLatin1Char('7')));
    m_value->setMaxLength(int(MostCharacters));
    m_value->setAccessibleName(tr("Valore da aggiungere"));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("countSpin"));
    m_count->setRange(1, MostOfOne);
    m_count->setAccessibleName(tr("Quantità da aggiungere"));
    m_add = button(tr("&Aggiungi"), QStringLiteral("addButton"));
    grid->addWidget(caption(tr("&Valore:"), m_value, QStringLiteral("valueCaption")), 3, 0);
    grid->addWidget(m_value, 3, 1);
    grid->addWidget(caption(tr("&Quantità:"), m_count, QStringLiteral("countCaption")), 3, 2);
    grid->addWidget(m_count, 3, 3);
    grid->addWidget(m_add, 3, 4);

    auto *actions = new QHBoxLayout;
    m_remove = button(tr("&Rimuovi"), QStringLiteral("removeButton"));
    m_import = button(tr("&Importa CSV…"), QStringLiteral("importButton"));
    m_export = button(tr("&Esporta CSV…"), QStringLiteral("exportButton"));
    m_fill = button(tr("Riempi da una &serie…"), QStringLiteral("fillButton"));
    for (QPushButton *b : {m_remove, m_import, m_export, m_fill})
        actions->addWidget(b);
    actions->addStretch(1);
    grid->addLayout(actions, 4, 0, 1, 5);

    m_message = wrappingLabel(QStringLiteral("messageLabel"), 3);
    grid->addWidget(m_message, 5, 0, 1, 5);

    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    buttonRow()->addStretch(1);
    buttonRow()->addWidget(m_close);
    // Enter adds the value typed; it never closes the window by surprise.
    for (QPushButton *b : {m_add, m_remove, m_import, m_export, m_fill, m_close})
        b->setAutoDefault(false);
    m_message->setFixedWidth(520 - grid->contentsMargins().left() - grid->contentsMargins().right());
}

void DrawerDialog::refresh()
{
    const std::vector<DrawerLine> &lines = m_store.drawer().lines();
    int current = m_table->currentRow();
    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(int(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto *value = new QTableWidgetItem(Wording::value(lines[i].value));
        auto *count = new QTableWidgetItem;
        count->setData(Qt::EditRole, lines[i].count);
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(int(i), 0, value);
        m_table->setItem(int(i), 1, count);
        if (m_selectAfter && sameValue(lines[i].value, *m_selectAfter))
            current = int(i);
    }
    m_selectAfter.reset();
    m_table->clearSelection();
    current = std::min(current, int(lines.size()) - 1);
    if (current >= 0) {
        m_table->setCurrentCell(current, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_table->scrollToItem(m_table->item(current, 0));
    }
    m_remove->setEnabled(!lines.empty());
    m_export->setEnabled(!lines.empty());
}

void DrawerDialog::report(bool saved, const QString &done)
{
    m_message->setText(saved ? done : m_store.message());
}

std::optional<Decimal> DrawerDialog::typedValue(const QString &typed)
{
    const ValueReading reading = Wording::read(typed);
    if (!reading.value) {
        m_message->setText(Wording::readRefusal(reading, typed));
        return std::nullopt;
    }
    if (reading.value->significand == 0) {
        m_message->setText(DrawerWording::zeroValue());
        return std::nullopt;
    }
    return reading.value;
}

void DrawerDialog::addTyped()
{
    const std::optional<Decimal> value = typedValue(m_value->text());
    if (!value)
        return;
    m_selectAfter = *value;
    const bool saved = m_store.add(*value, m_count->value());
    report(saved, DrawerWording::added(*value, m_store.drawer().countOf(*value)));
    m_value->clear();
    m_count->setValue(1);
}

void DrawerDialog::removeSelected()
{
    const std::vector<DrawerLine> &lines = m_store.drawer().lines();
    std::set<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentRow() >= 0)
        rows.insert(m_table->currentRow());
    Drawer drawer = m_store.drawer();
    for (int row : rows)
        if (row < int(lines.size()))
            drawer.remove(lines[std::size_t(row)].value);
    if (rows.empty())
        return;
    m_table->setCurrentCell(*rows.begin(), 0); // the next line takes the removed one's place
    report(m_store.setDrawer(drawer), DrawerWording::removed(int(rows.size())));
}

void DrawerDialog::applyEdit(int row, int column, const QString &text, int count)
{
    const std::vector<DrawerLine> &lines = m_store.drawer().lines();
    if (row < 0 || row >= int(lines.size()))
        return;
    const DrawerLine line = lines[std::size_t(row)];
    if (column == 1) {
        m_selectAfter = line.value;
        report(m_store.setCount(line.value, count), QString());
        return;
    }
    const std::optional<Decimal> value = typedValue(text);
    if (!value || sameValue(*value, line.value)) {
        refresh(); // the value as it was, or as the window writes it
        return;
    }
    // A value another line holds joins it.
    Drawer drawer = m_store.drawer();
    const bool joins = drawer.countOf(*value) > 0;
    drawer.remove(line.value);
    drawer.add(*value, line.count);
    m_selectAfter = *value;
    report(m_store.setDrawer(drawer), joins ? DrawerWording::joined(*value, drawer.countOf(*value)) : QString());
}

bool DrawerDialog::importFile(const QString &path, bool replace)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_message->setText(DrawerWording::cannotRead(path, file.errorString()));
        return false;
    }
    if (file.size() > MostBytes) {
        m_message->setText(DrawerWording::cannotRead(path, tr("il file è troppo grande per un cassetto")));
        return false;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_message->setText(DrawerWording::cannotRead(path, file.errorString()));
        return false;
    }
    const CsvReading reading = readDrawerCsv(std::string_view(text.constData(), std::size_t(text.size())));
    if (reading.error != CsvError::None) {
        m_message->setText(DrawerWording::importRefused(path, DrawerWording::csvRefusal(reading)));
        return false;
    }
    Drawer drawer = replace ? Drawer() : m_store.drawer();
    for (const DrawerLine &line : reading.drawer.lines())
        drawer.add(line.value, line.count);
    report(m_store.setDrawer(drawer), DrawerWording::imported(path, int(reading.drawer.lines().size())));
    return m_store.saved();
}

bool DrawerDialog::exportFile(const QString &path)
{
    QString reason;
    if (!writeAtomically(path, drawerCsv(m_store.drawer()), reason)) {
        m_message->setText(DrawerWording::exportFailed(path, reason));
        return false;
    }
    m_message->setText(DrawerWording::exported(path, int(m_store.drawer().lines().size())));
    return true;
}

bool DrawerDialog::fillFromSeries(ESeries series, const QString &low, const QString &high, int count)
{
    const std::optional<Decimal> from = typedValue(low);
    const std::optional<Decimal> to = from ? typedValue(high) : std::nullopt;
    if (!to)
        return false;
    Drawer members;
    members.addSeries(series, *from, *to);
    const int n = int(members.lines().size());
    if (n > MostFromSeries) {
        m_message->setText(DrawerWording::tooManyValues(n));
        return false;
    }
    Drawer drawer = m_store.drawer();
    for (const DrawerLine &line : members.lines())
        drawer.add(line.value, count);
    report(m_store.setDrawer(drawer), DrawerWording::filled(n));
    return m_store.saved();
}

void DrawerDialog::chooseImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Importa CSV"), QString(), csvFilter());
    if (!path.isEmpty())
        importAsking(path);
}

void DrawerDialog::importAsking(const QString &path)
{
    bool replace = true;
    if (!m_store.drawer().empty()) {
        QMessageBox ask(QMessageBox::Question, tr("Importa CSV"),
            tr("Il cassetto contiene già dei valori. Sostituirli con quelli del file, o aggiungere quelli del "
               "file?"),
            QMessageBox::Cancel, this);
        QPushButton *replacing = ask.addButton(tr("&Sostituisci"), QMessageBox::DestructiveRole);
        QPushButton *adding = ask.addButton(tr("&Aggiungi"), QMessageBox::AcceptRole);
        ask.setDefaultButton(adding);
        ask.exec();
        if (ask.clickedButton() != replacing && ask.clickedButton() != adding)
            return;
        replace = ask.clickedButton() == replacing;
    }
    importFile(path, replace);
}

void DrawerDialog::chooseExport()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Esporta CSV"), QStringLiteral("cassetto.csv"), csvFilter());
    if (path.isEmpty())
        return;
    exportFile(path);
}

void DrawerDialog::chooseSeries()
{
    QDialog ask(this);
    ask.setWindowTitle(tr("Riempi da una serie"));
    auto *form = new QFormLayout(&ask);
    auto *series = new QComboBox(&ask);
    for (ESeries s : AllSeries)
        series->addItem(QString::fromUtf8(seriesName(s).data(), qsizetype(seriesName(s).size())), int(s));
    series->setCurrentIndex(int(ESeries::E12));
    series->setAccessibleName(tr("Serie"));
    auto *low = new QLineEdit(QStringLiteral("10"), &ask);
    low->setAccessibleName(tr("Dal valore"));
    auto *high = new QLineEdit(QStringLiteral("1M"), &ask);
    high->setAccessibleName(tr("Al valore"));
    for (QLineEdit *edit : {low, high})
        edit->setMaxLength(int(MostCharacters));
    auto *count = new QSpinBox(&ask);
    count->setRange(1, MostOfOne);
    count->setAccessibleName(tr("Quantità di ciascun valore"));
    form->addRow(tr("&Serie:"), series);
    form->addRow(tr("&Dal valore:"), low);
    form->addRow(tr("&Al valore:"), high);
    form->addRow(tr("&Quantità di ciascuno:"), count);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Riempi"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    if (ask.exec() == QDialog::Accepted)
        fillFromSeries(ESeries(series->currentData().toInt()), low->text(), high->text(), count->value());
}

} // namespace Velmora
