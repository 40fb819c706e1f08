#include "combinedialog.h"

#include "combinewording.h"
#include "networkview.h"
#include "valuereader.h"
#include "wording.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtConcurrent/QtConcurrentRun>

namespace Velmora {

namespace {

// The drawer keeps no tolerance: its parts are taken as the common 5 %.
constexpr int DrawerTolerance = 500;
constexpr int FromDrawer = -1; // the source list's data for the drawer
constexpr int LabelWidth = 480; // the dialog's width, less its margins
// Room for the parts of two parallel branches, so that most answers come
// and go without the window changing size.
constexpr int SchematicRoom = 70;

QLineEdit *field(QWidget *parent, const char *name, const QString &accessibleName, const QString &text = {})
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(int(MostCharacters));
    edit->setAccessibleName(accessibleName);
    return edit;
}

// How a field's emptiness is taken: the target's as not typed yet, with
// nothing to say; a bound's, which starts filled in, as a refusal.
enum class Blank { Quiet, Refused };

// A resistance above zero from a field, or why not: the target's refusals
// as they are, another field's with its name.
std::optional<Decimal> resistance(const QLineEdit *edit, QString &refusal, Blank blank)
{
    const QString typed = edit->text();
    const ValueReading r = Wording::read(typed);
    const bool target = blank == Blank::Quiet;
    QString why;
    if (!r.value) {
        if (r.error == ReadError::Empty && target)
            return std::nullopt;
        why = Wording::readRefusal(r, typed);
    } else if (r.value->significand == 0) {
        why = target ? CombineWording::zeroTarget() : CombineWording::notPositive();
    } else {
        return r.value;
    }
    refusal = target ? why : CombineWording::inField(edit->accessibleName() + u':', why);
    return std::nullopt;
}

// Volts, read as values are, with or without the "V".
std::optional<Decimal> voltage(const QLineEdit *edit, QString &refusal)
{
    QString text = edit->text().trimmed();
    if (text.endsWith(u'V', Qt::CaseInsensitive))
        text.chop(1);
    const ValueReading r = Wording::read(text);
    if (!r.value && r.error != ReadError::Empty)
        refusal = CombineWording::notVoltage(edit->text());
    return r.value;
}

} // namespace

CombineDialog::CombineDialog(QWidget *parent)
    : ToolDialog(QStringLiteral("CombineDialog"), tr("Combina resistori"), parent)
{
    buildControls();

    for (QLineEdit *edit : {m_target, m_vin, m_vout, m_totalLowest, m_totalHighest, m_load, m_lowest, m_highest})
        connect(edit, &QLineEdit::textChanged, this, &CombineDialog::refresh);
    connect(m_dividerMode, &QRadioButton::toggled, this, &CombineDialog::showMode);
    connect(m_source, &QComboBox::currentIndexChanged, this, &CombineDialog::refresh);
    connect(m_mostParts, &QSpinBox::valueChanged, this, &CombineDialog::refresh);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    showMode();
    m_target->setFocus();
}

// A search still running ends early; its result goes nowhere.
CombineDialog::~CombineDialog()
{
    stopSearch();
}

void CombineDialog::buildControls()
{
    auto *grid = new QGridLayout(body());
    addTitle(grid, tr("COMBINA RESISTORI"), 4);

    m_valueMode = new QRadioButton(tr("&Valore"), this);
    m_valueMode->setObjectName(QStringLiteral("valueModeButton"));
    m_valueMode->setChecked(true);
    m_dividerMode = new QRadioButton(tr("&Partitore"), this);
    m_dividerMode->setObjectName(QStringLiteral("dividerModeButton"));
    auto *modes = new QHBoxLayout;
    modes->addWidget(m_valueMode);
    modes->addWidget(m_dividerMode);
    modes->addStretch(1);
    auto *modeCaption = new QLabel(tr("Cerca:"), this);
    modeCaption->setObjectName(QStringLiteral("modeCaption"));
    grid->addWidget(modeCaption, 1, 0);
    grid->addLayout(modes, 1, 1, 1, 3);

    m_target = field(this, "targetEdit", tr("Obiettivo"));
    m_target->setPlaceholderText(tr("9k, 1%137k, 4K7").arg(Wording::decimalPoint()));
    m_targetCaption = caption(tr("&Obiettivo:"), m_target, QStringLiteral("targetCaption"));
    grid->addWidget(m_targetCaption, 2, 0);
    grid->addWidget(m_target, 2, 1, 1, 3);

    m_vin = field(this, "vinEdit", tr("Tensione in ingresso"));
    m_vin->setPlaceholderText(tr("5 V"));
    m_vout = field(this, "voutEdit", tr("Tensione in uscita"));
    m_vout->setPlaceholderText(tr("3%13 V").arg(Wording::decimalPoint()));
    m_totalLowest = field(this, "totalLowestEdit", tr("Totale minimo"), QStringLiteral("1k"));
    m_totalHighest = field(this, "totalHighestEdit", tr("Totale massimo"), QStringLiteral("1M"));
    m_load = field(this, "loadEdit", tr("Carico"));
    m_load->setPlaceholderText(tr("nessuno"));
    const struct {
        QLineEdit *edit;
        QString text;
        const char *name;
        int row, column;
    } dividerFields[] {
        {m_vin, tr("Tensione in &ingresso:"), "vinCaption", 3, 0},
        {m_vout, tr("Tensione in &uscita:"), "voutCaption", 3, 2},
        {m_totalLowest, tr("Totale mi&nimo:"), "totalLowestCaption", 4, 0},
        {m_totalHighest, tr("Totale ma&ssimo:"), "totalHighestCaption", 4, 2},
        {m_load, tr("&Carico:"), "loadCaption", 5, 0},
    };
    for (const auto &f : dividerFields) {
        QLabel *label = caption(f.text, f.edit, QLatin1String(f.name));
        grid->addWidget(label, f.row, f.column);
        grid->addWidget(f.edit, f.row, f.column + 1);
        m_dividerControls.insert(m_dividerControls.end(), {label, f.edit});
    }

    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("sourceBox"));
    m_source->setAccessibleName(tr("Scegli tra"));
    for (ESeries series : AllSeries)
        m_source->addItem(
            QString::fromUtf8(seriesName(series).data(), qsizetype(seriesName(series).size())), int(series));
    m_source->addItem(tr("Il mio cassetto"), FromDrawer);
    m_source->setCurrentIndex(m_source->findData(int(ESeries::E24)));
    m_mostParts = new QSpinBox(this);
    m_mostParts->setObjectName(QStringLiteral("mostPartsBox"));
    m_mostParts->setAccessibleName(tr("Quante parti al più"));
    m_mostParts->setRange(1, 4);
    m_mostParts->setValue(3);
    grid->addWidget(caption(tr("Scegli &tra:"), m_source, QStringLiteral("sourceCaption")), 6, 0);
    grid->addWidget(m_source, 6, 1);
    grid->addWidget(caption(tr("&Quante parti al più:"), m_mostParts, QStringLiteral("mostPartsCaption")), 6, 2);
    grid->addWidget(m_mostParts, 6, 3);

    m_lowest = field(this, "lowestEdit", tr("Parti da"), QStringLiteral("1"));
    m_highest = field(this, "highestEdit", tr("Parti fino a"), QStringLiteral("10M"));
    m_rangeCaptions = {caption(tr("Parti &da:"), m_lowest, QStringLiteral("lowestCaption")),
        caption(tr("&a:"), m_highest, QStringLiteral("highestCaption"))};
    grid->addWidget(m_rangeCaptions[0], 7, 0);
    grid->addWidget(m_lowest, 7, 1);
    grid->addWidget(m_rangeCaptions[1], 7, 2);
    grid->addWidget(m_highest, 7, 3);

    // The labels that change carry no accessible name or description: a
    // screen reader then says their text, and hears when it changes.
    m_message = wrappingLabel(QStringLiteral("messageLabel"), 2);
    grid->addWidget(m_message, 8, 0, 1, 4);
    addRows(grid, 9);
    grid->setRowStretch(grid->rowCount(), 1);

    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    QHBoxLayout *buttons = buttonRow();
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    const QMargins margins = grid->contentsMargins();
    m_message->setFixedWidth(LabelWidth - margins.left() - margins.right());
    for (const Row &row : m_rows)
        row.details->setFixedWidth(LabelWidth - margins.left() - margins.right());
}

void CombineDialog::addRows(QGridLayout *grid, int firstRow)
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int n = int(i) + 1;
        Row &row = m_rows[i];
        row.title = new QLabel(this);
        row.title->setObjectName(QStringLiteral("answer%1Title").arg(n));
        QFont bold = font();
        bold.setBold(true);
        row.title->setFont(bold);
        row.schematic = new NetworkView(this);
        row.schematic->setObjectName(QStringLiteral("answer%1Schematic").arg(n));
        row.details = wrappingLabel(QStringLiteral("answer%1Details").arg(n), 3);
        auto *room = new QHBoxLayout;
        room->setContentsMargins(0, 0, 0, 0);
        room->addWidget(row.schematic, 0, Qt::AlignLeft | Qt::AlignTop);
        room->addSpacerItem(new QSpacerItem(0, SchematicRoom, QSizePolicy::Fixed, QSizePolicy::Fixed));
        grid->addWidget(row.title, firstRow + 3 * int(i), 0, 1, 4);
        grid->addLayout(room, firstRow + 3 * int(i) + 1, 0, 1, 4);
        grid->addWidget(row.details, firstRow + 3 * int(i) + 2, 0, 1, 4);
        for (QWidget *w : {static_cast<QWidget *>(row.title), static_cast<QWidget *>(row.details)}) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
            w->hide();
        }
        row.schematic->hide();
    }
}

bool CombineDialog::dividerMode() const
{
    return m_dividerMode->isChecked();
}

int CombineDialog::tolerance() const
{
    const int data = m_source->currentData().toInt();
    return data == FromDrawer ? DrawerTolerance : usualTolerance(ESeries(data));
}

void CombineDialog::setScheme(SchemeId scheme)
{
    m_scheme = scheme;
    for (const Row &row : m_rows)
        row.schematic->setBands(m_scheme, m_shownTolerance);
}

void CombineDialog::setDrawer(const Drawer &drawer)
{
    m_drawer = drawer;
    if (m_source->currentData().toInt() == FromDrawer)
        refresh();
}

void CombineDialog::showMode()
{
    const bool divider = dividerMode();
    m_target->setVisible(!divider);
    m_targetCaption->setVisible(!divider);
    for (QWidget *w : m_dividerControls)
        w->setVisible(divider);
    // A divider has a part in each leg at least.
    m_mostParts->setMinimum(divider ? 2 : 1);
    refresh();
}

// The parts the search may take, or why there are none.
std::optional<PartSource> CombineDialog::source(QString &refusal) const
{
    const int data = m_source->currentData().toInt();
    PartSource parts;
    if (data == FromDrawer) {
        for (const DrawerLine &line : m_drawer.lines())
            if (line.value.significand > 0 && line.count > 0)
                parts.push_back({line.value, line.count, DrawerTolerance});
        if (parts.empty())
            refusal = CombineWording::emptyDrawer();
        return parts.empty() ? std::nullopt : std::optional(parts);
    }
    const std::optional<Decimal> lowest = resistance(m_lowest, refusal, Blank::Refused);
    const std::optional<Decimal> highest = lowest ? resistance(m_highest, refusal, Blank::Refused) : std::nullopt;
    if (!lowest || !highest)
        return std::nullopt;
    if (compare(*lowest, *highest) > 0) {
        refusal = CombineWording::rangeReversed();
        return std::nullopt;
    }
    parts = seriesParts(ESeries(data), *lowest, *highest, usualTolerance(ESeries(data)));
    if (parts.empty())
        refusal = CombineWording::nothingFound();
    return parts.empty() ? std::nullopt : std::optional(parts);
}

void CombineDialog::refresh()
{
    stopSearch();
    // The drawer's parts have no range to choose.
    const bool drawer = m_source->currentData().toInt() == FromDrawer;
    for (QWidget *w : {static_cast<QWidget *>(m_lowest), static_cast<QWidget *>(m_highest),
             static_cast<QWidget *>(m_rangeCaptions[0]), static_cast<QWidget *>(m_rangeCaptions[1])})
        w->setEnabled(!drawer);

    QString refusal;
    if (!dividerMode()) {
        const std::optional<Decimal> target = resistance(m_target, refusal, Blank::Quiet);
        std::optional<PartSource> parts = target ? source(refusal) : std::nullopt;
        if (!parts) {
            refuse(refusal);
            return;
        }
        CombinationQuery query {exactOf(*target), m_mostParts->value(), std::move(*parts)};
        search({query.target, 0, tolerance()}, [query](const std::atomic_bool *cancel) mutable {
            query.cancel = cancel;
            return Answers {findCombinations(query), {}};
        });
        return;
    }

    const std::optional<Decimal> vin = voltage(m_vin, refusal);
    const std::optional<Decimal> vout = vin ? voltage(m_vout, refusal) : std::nullopt;
    if (!vin || !vout) {
        refuse(refusal);
        return;
    }
    if (vin->significand == 0) {
        refuse(CombineWording::vinNotPositive());
        return;
    }
    if (vout->significand == 0 || compare(*vout, *vin) >= 0) {
        refuse(CombineWording::voutNotBelowVin());
        return;
    }
    const std::optional<Decimal> lowest = resistance(m_totalLowest, refusal, Blank::Refused);
    const std::optional<Decimal> highest = lowest ? resistance(m_totalHighest, refusal, Blank::Refused) : std::nullopt;
    std::optional<Decimal> load;
    if (highest && !m_load->text().trimmed().isEmpty())
        load = resistance(m_load, refusal, Blank::Refused);
    if (!refusal.isEmpty() || !highest) {
        refuse(refusal);
        return;
    }
    if (compare(*lowest, *highest) > 0) {
        refuse(CombineWording::totalReversed());
        return;
    }
    std::optional<PartSource> parts = source(refusal);
    if (!parts) {
        refuse(refusal);
        return;
    }
    DividerQuery query {exactOf(*vout) / exactOf(*vin), m_mostParts->value(), std::move(*parts), exactOf(*lowest),
        exactOf(*highest), load ? std::optional(exactOf(*load)) : std::nullopt};
    search({query.ratio, exactOf(*vin), tolerance()}, [query](const std::atomic_bool *cancel) mutable {
        query.cancel = cancel;
        return Answers {{}, findDividers(query)};
    });
}

void CombineDialog::search(const Asked &asked, std::function<Answers(const std::atomic_bool *cancel)> find)
{
    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_cancel = cancel;
    const int generation = m_generation;
    m_message->setText(CombineWording::searching());
    // The last answers stay on show until the new ones come.
    QtConcurrent::run([find = std::move(find), cancel] {
        return find(cancel.get());
    }).then(this, [this, generation, asked](const Answers &answers) {
        if (generation == m_generation)
            showAnswers(asked, answers);
    });
}

void CombineDialog::stopSearch()
{
    if (m_cancel)
        *m_cancel = true;
    m_cancel.reset();
    ++m_generation;
}

void CombineDialog::showAnswers(const Asked &asked, const Answers &answers)
{
    m_cancel.reset();
    m_shownTolerance = asked.tolerance;
    const bool divider = !answers.dividers.empty();
    const std::size_t count = divider ? answers.dividers.size() : answers.combinations.size();
    m_message->setText(count > 0 ? QString()
            : dividerMode()      ? CombineWording::nothingWithinTotal()
                                 : CombineWording::nothingFound());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        const bool shown = i < count;
        row.title->setVisible(shown);
        row.schematic->setVisible(shown);
        row.details->setVisible(shown);
        if (!shown)
            continue;
        row.schematic->setBands(m_scheme, asked.tolerance);
        if (divider) {
            const Divider &d = answers.dividers[i];
            row.title->setText(CombineWording::title(d));
            row.schematic->setDivider(d);
            row.details->setText(CombineWording::details(d, asked.target, asked.vin, asked.tolerance));
        } else {
            const Combination &c = answers.combinations[i];
            row.title->setText(CombineWording::title(c));
            row.schematic->setCombination(c);
            row.details->setText(CombineWording::details(c, asked.target, asked.tolerance));
        }
    }
}

void CombineDialog::refuse(const QString &message)
{
    m_message->setText(message);
    clearRows();
}

void CombineDialog::clearRows()
{
    for (const Row &row : m_rows) {
        row.title->hide();
        row.title->clear();
        row.schematic->hide();
        row.details->hide();
        row.details->clear();
    }
}

} // namespace Velmora
