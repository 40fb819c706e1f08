#include "valuedialog.h"

#include "colourcode.h"
#include "eseries.h"
#include "layoutfont.h"
#include "swatch.h"
#include "valuebands.h"
#include "valuereader.h"
#include "valuewording.h"
#include "wording.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <numeric>
#include <tuple>

namespace Velmora {

namespace {

// Fills a list with a band's rows, in the given order, each as "text
// (colour)" with its colour as its data, and chooses the given colour.
void fill(QComboBox *box, const BandScheme &scheme, int band, const std::vector<int> &order, QString (*text)(int value),
    Colour chosen)
{
    const QSignalBlocker block(box);
    box->clear();
    const auto rows = scheme.rows(band);
    for (int i : order) {
        const SchemeRow &row = rows[std::size_t(i)];
        box->addItem(QStringLiteral("%1 (%2)").arg(text(row.value), Wording::colour(row.colour)), int(row.colour));
    }
    box->setCurrentIndex(std::max(0, box->findData(int(chosen))));
}

QString toleranceEntry(int value)
{
    return QStringLiteral("± ") + Wording::tolerance(value);
}

} // namespace

ValueDialog::ValueDialog(QWidget *parent)
    : ToolDialog(QStringLiteral("ValueDialog"), tr("Da valore a colori"), parent)
{
    buildControls();

    connect(m_value, &QLineEdit::textChanged, this, &ValueDialog::refresh);
    connect(m_tolerance, &QComboBox::currentIndexChanged, this, &ValueDialog::choiceChanged);
    connect(m_coefficient, &QComboBox::currentIndexChanged, this, &ValueDialog::choiceChanged);
    connect(m_belowButton, &QPushButton::clicked, this, [this] { putNearest(m_below); });
    connect(m_aboveButton, &QPushButton::clicked, this, [this] { putNearest(m_above); });
    connect(m_moreBands, &QPushButton::clicked, this, [this] {
        m_value->setFocus(); // Enter then applies, whatever window comes
        if (m_offered)
            emit moreBandsRequested(*m_offered);
    });
    connect(m_apply, &QPushButton::clicked, this, [this] {
        // A copy: applying changes the window, whose new reading comes back
        // here and replaces what Applica sends.
        if (const std::optional<Reading> applied = m_applicable)
            emit applyRequested(*applied);
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    setReading(Reading {});
}

void ValueDialog::buildControls()
{
    auto *grid = new QGridLayout(body());

    addTitle(grid, tr("DA VALORE A COLORI"), 2);

    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("valueEdit"));
    m_value->setPlaceholderText(ValueWording::placeholder());
    m_value->setMaxLength(int(MostCharacters));
    m_value->setAccessibleName(tr("Valore"));
    grid->addWidget(caption(tr("&Valore:"), m_value, QStringLiteral("valueCaption")), 1, 0);
    grid->addWidget(m_value, 1, 1);

    m_tolerance = new QComboBox(this);
    m_tolerance->setObjectName(QStringLiteral("toleranceBox"));
    m_tolerance->setAccessibleName(tr("Tolleranza"));
    m_fixedTolerance = new QLabel(this);
    m_fixedTolerance->setObjectName(QStringLiteral("fixedToleranceLabel"));
    m_fixedTolerance->hide();
    m_toleranceCaption = caption(tr("&Tolleranza:"), m_tolerance, QStringLiteral("toleranceCaption"));
    grid->addWidget(m_toleranceCaption, 2, 0);
    grid->addWidget(m_tolerance, 2, 1);
    grid->addWidget(m_fixedTolerance, 2, 1);

    m_coefficient = new QComboBox(this);
    m_coefficient->setObjectName(QStringLiteral("coefficientBox"));
    m_coefficient->setAccessibleName(tr("Coefficiente di temperatura"));
    m_coefficientCaption = caption(tr("&Coeff. di temperatura:"), m_coefficient, QStringLiteral("coefficientCaption"));
    grid->addWidget(m_coefficientCaption, 3, 0);
    grid->addWidget(m_coefficient, 3, 1);

    // One column per band: the swatch, its colour's name under it.
    auto *bands = new QGridLayout;
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        auto *swatch = new Swatch(this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i + 1));
        swatch->setFixedSize(28, 40);
        auto *name = new QLabel(this);
        name->setObjectName(QStringLiteral("colourName%1").arg(i + 1));
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        name->setFixedWidth(60);
        bands->addWidget(swatch, 0, int(i), Qt::AlignHCenter);
        bands->addWidget(name, 1, int(i));
        m_swatches[i] = swatch;
        m_names[i] = name;
    }
    grid->addLayout(bands, 4, 0, 1, 2);

    // The labels that change carry no accessible name or description: a
    // screen reader then says their text, and hears when it changes.
    m_readBack = new QLabel(this);
    m_readBack->setObjectName(QStringLiteral("readBackLabel"));
    m_readBack->setFont(layoutFont(Layout::Font::Bold13_5));
    grid->addWidget(m_readBack, 5, 0, 1, 2);

    m_series = new QLabel(this);
    m_series->setObjectName(QStringLiteral("seriesLabel"));
    m_belowButton = new QPushButton(this);
    m_belowButton->setObjectName(QStringLiteral("nearestBelowButton"));
    m_aboveButton = new QPushButton(this);
    m_aboveButton->setObjectName(QStringLiteral("nearestAboveButton"));
    auto *series = new QHBoxLayout;
    series->addWidget(m_series, 1);
    series->addWidget(m_belowButton);
    series->addWidget(m_aboveButton);
    grid->addLayout(series, 6, 0, 1, 2);

    // Room for three lines, so that the dialog keeps its size as messages come and go.
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("messageLabel"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMinimumHeight(3 * m_message->fontMetrics().lineSpacing());
    grid->addWidget(m_message, 7, 0, 1, 2);

    m_moreBands = new QPushButton(this);
    m_moreBands->setObjectName(QStringLiteral("moreBandsButton"));
    m_apply = button(tr("&Applica"), QStringLiteral("applyButton"));
    m_apply->setDefault(true);
    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    QHBoxLayout *buttons = buttonRow();
    buttons->addWidget(m_moreBands);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);

    for (QWidget *w : {static_cast<QWidget *>(m_belowButton), static_cast<QWidget *>(m_aboveButton),
             static_cast<QWidget *>(m_moreBands)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    // As wide as the four-band window, as tall as its bands need: the
    // message label's width is fixed so that its wrapped height is known.
    const QMargins margins = grid->contentsMargins();
    m_message->setFixedWidth(433 - margins.left() - margins.right());
}

void ValueDialog::setReading(const Reading &reading)
{
    const bool newScheme = reading.scheme != m_scheme || !m_choices.at(schemeIndex(reading.scheme)).seen;
    m_scheme = reading.scheme;
    const BandScheme &scheme = bandScheme(m_scheme);
    SchemeChoice &c = choice();
    if (!c.seen)
        c = {true, scheme.usualTolerance, scheme.usualCoefficient, {}, {}};
    // A change the person made in the window since the dialog last saw it
    // wins, a band cleared there brings back the usual part; otherwise the
    // dialog keeps its own choice.
    for (auto [band, own, window, usual] :
        {std::tuple {scheme.bandOf(BandKind::Tolerance), &c.tolerance, &c.windowTolerance, scheme.usualTolerance},
            std::tuple {scheme.bandOf(BandKind::TempCoefficient), &c.coefficient, &c.windowCoefficient,
                scheme.usualCoefficient}}) {
        const std::optional<Colour> chosen = colourOf(reading, band);
        if (chosen && chosen != *window)
            *own = *chosen;
        else if (!chosen && *window)
            *own = usual;
        *window = chosen;
    }
    if (newScheme)
        fillLists();
    else
        showChoice();
    refresh();
}

void ValueDialog::fillLists()
{
    const BandScheme &scheme = bandScheme(m_scheme);
    const SchemeChoice &c = choice();
    const int toleranceBand = scheme.bandOf(BandKind::Tolerance);
    if (toleranceBand != 0)
        fill(m_tolerance, scheme, toleranceBand, tolerancesFinestFirst(scheme), toleranceEntry, c.tolerance);
    // Three bands carry no tolerance to choose: the part is ± 20 %.
    m_tolerance->setVisible(toleranceBand != 0);
    m_fixedTolerance->setVisible(toleranceBand == 0);
    // No Alt+T where there is nothing to choose.
    m_toleranceCaption->setText(toleranceBand != 0 ? tr("&Tolleranza:") : tr("Tolleranza:"));
    if (scheme.impliedTolerance)
        m_fixedTolerance->setText(toleranceEntry(*scheme.impliedTolerance));
    const int coefficientBand = scheme.bandOf(BandKind::TempCoefficient);
    if (coefficientBand != 0) {
        std::vector<int> order(scheme.rows(coefficientBand).size());
        std::iota(order.begin(), order.end(), 0);
        fill(m_coefficient, scheme, coefficientBand, order, Wording::coefficient, c.coefficient);
    }
    m_coefficient->setVisible(coefficientBand != 0);
    m_coefficientCaption->setVisible(coefficientBand != 0);
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i]->setVisible(int(i) < scheme.bandCount);
        m_names[i]->setVisible(int(i) < scheme.bandCount);
    }
}

// The person chose in a list.
void ValueDialog::choiceChanged()
{
    SchemeChoice &c = choice();
    if (bandScheme(m_scheme).bandOf(BandKind::Tolerance) != 0)
        c.tolerance = Colour(m_tolerance->currentData().toInt());
    if (bandScheme(m_scheme).bandOf(BandKind::TempCoefficient) != 0)
        c.coefficient = Colour(m_coefficient->currentData().toInt());
    refresh();
}

void ValueDialog::showChoice()
{
    const SchemeChoice &c = choice();
    for (auto [box, colour] : {std::pair {m_tolerance, c.tolerance}, std::pair {m_coefficient, c.coefficient}}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(std::max(0, box->findData(int(colour))));
    }
}

Reading ValueDialog::base() const
{
    const BandScheme &scheme = bandScheme(m_scheme);
    const SchemeChoice &c = choice();
    Reading r {m_scheme};
    const int toleranceBand = scheme.bandOf(BandKind::Tolerance);
    const int coefficientBand = scheme.bandOf(BandKind::TempCoefficient);
    r.setRow(toleranceBand, rowOfColour(scheme, toleranceBand, c.tolerance));
    r.setRow(coefficientBand, rowOfColour(scheme, coefficientBand, c.coefficient));
    return r;
}

void ValueDialog::refresh()
{
    const QString typed = m_value->text();
    const ValueReading reading = Wording::read(typed);
    m_applicable.reset();
    m_offered.reset();
    m_series->clear();
    m_belowButton->hide();
    m_aboveButton->hide();
    // The part the person typed; a value typed is always a decimal.
    const std::optional<Part> part = partOf(reading, typed.toStdString());
    if (!part) {
        refuse(Wording::readRefusal(reading, typed));
        return;
    }

    const Decimal value = *asDecimal(part->value);
    const BandChoice choice = bandsFor(base(), value);
    if (choice.refusal != BandRefusal::Zero)
        showSeries(value);
    if (choice.refusal != BandRefusal::None) {
        m_offered = choice.otherScheme;
        refuse(ValueWording::bandRefusal(choice, value));
        return;
    }

    m_applicable = choice.reading;
    m_readBack->setText(Wording::resultLine(choice.reading));
    m_message->setText(QString());
    m_moreBands->hide();
    m_apply->setEnabled(true);
    showBands(choice.reading);
}

void ValueDialog::showBands(const std::optional<Reading> &bands)
{
    for (int band = 1; band <= bandScheme(m_scheme).bandCount; ++band) {
        const std::size_t i = std::size_t(band - 1);
        const std::optional<Colour> colour = bands ? colourOf(*bands, band) : std::nullopt;
        const QString name = colour ? Wording::colour(*colour).toUpper() : QString();
        m_swatches[i]->setFill(colour ? colourRow(*colour).display : ButtonFace);
        m_names[i]->setText(name);
        m_swatches[i]->setAccessibleName(
            tr("%1° BANDA: %2").arg(band).arg(name.isEmpty() ? tr("nessun colore") : name));
    }
}

void ValueDialog::showSeries(Decimal value)
{
    // Only values this window can show are offered.
    const SeriesStanding standing = seriesStanding(base(), value);
    m_below = standing.below;
    m_above = standing.above;
    if (!standing.series.empty())
        m_series->setText(Wording::seriesList(standing.series));
    else
        m_series->setText(
            Wording::notStandard(m_below || m_above ? std::optional(standing.nearestFrom) : std::nullopt));
    for (auto [button, nearest, above] :
        {std::tuple {m_belowButton, m_below, false}, std::tuple {m_aboveButton, m_above, true}}) {
        button->setVisible(nearest.has_value());
        if (!nearest)
            continue;
        button->setText(ValueWording::nearestButton(*nearest));
        button->setAccessibleName(ValueWording::nearestName(above, *nearest));
    }
}

void ValueDialog::refuse(const QString &message)
{
    m_readBack->setText(QString());
    m_message->setText(message);
    m_moreBands->setVisible(m_offered.has_value());
    if (m_offered) {
        m_moreBands->setText(ValueWording::moreBandsButton(*m_offered));
        m_moreBands->setAccessibleName(m_moreBands->text().remove(QLatin1Char('&')));
        // As much room around its words as its neighbours have.
        m_moreBands->setMinimumWidth(m_moreBands->fontMetrics().horizontalAdvance(m_moreBands->accessibleName()) + 40);
    }
    m_apply->setEnabled(false);
    showBands(std::nullopt);
}

void ValueDialog::putNearest(const std::optional<Decimal> &value)
{
    if (!value)
        return;
    m_value->setText(Wording::value(*value));
    m_value->setFocus();
}

} // namespace Velmora
