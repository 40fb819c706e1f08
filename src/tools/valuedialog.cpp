#include "valuedialog.h"

#include "bandscheme.h"
#include "eseries.h"
#include "layoutfont.h"
#include "swatch.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <functional>
#include <tuple>

namespace Velmora {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string decimalPoint()
{
    return QLocale::system().decimalPoint().toStdString();
}

QLabel *caption(const QString &text, QWidget *buddy, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

// Fills a list with a band's rows as "text (colour)", keeping the value
// chosen before where the new list has it.
void fill(QComboBox *box, std::span<const SchemeRow> rows, const std::function<QString(int)> &text)
{
    const QVariant before = box->currentData();
    box->clear();
    for (const SchemeRow &row : rows)
        box->addItem(text(row.value) + QStringLiteral(" (") + qs(colourRow(row.colour).listText) + u')', row.value);
    box->setCurrentIndex(std::max(0, box->findData(before)));
}

} // namespace

ValueDialog::ValueDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ValueDialog"));
    setWindowTitle(QStringLiteral("Da valore a colori"));
    setFont(layoutFont(Layout::Font::Default));
    buildControls();
    fillLists();

    connect(m_value, &QLineEdit::textChanged, this, &ValueDialog::refresh);
    connect(m_tolerance, &QComboBox::currentIndexChanged, this, &ValueDialog::refresh);
    connect(m_coefficient, &QComboBox::currentIndexChanged, this, &ValueDialog::refresh);
    connect(m_belowButton, &QPushButton::clicked, this, [this] { putNearest(m_below); });
    connect(m_aboveButton, &QPushButton::clicked, this, [this] { putNearest(m_above); });
    connect(m_moreBands, &QPushButton::clicked, this, [this] {
        m_value->setFocus(); // Enter then applies, whatever window comes
        emit moreBandsRequested(m_offeredBands);
    });
    connect(m_apply, &QPushButton::clicked, this, [this] { emit applyRequested(m_rows); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    refresh();
}

void ValueDialog::buildControls()
{
    auto *grid = new QGridLayout(this);

    auto *title = new QLabel(QStringLiteral("DA VALORE A COLORI"), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setFont(layoutFont(Layout::Font::Bold12));
    grid->addWidget(title, 0, 0, 1, 2);

    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("valueEdit"));
    m_value->setPlaceholderText(QStringLiteral("4K7, 0R22, 4,7 kΩ, 470 Ohm"));
    m_value->setMaxLength(40);
    m_value->setAccessibleName(QStringLiteral("Valore"));
    grid->addWidget(caption(QStringLiteral("&Valore:"), m_value, "valueCaption", this), 1, 0);
    grid->addWidget(m_value, 1, 1);

    m_tolerance = new QComboBox(this);
    m_tolerance->setObjectName(QStringLiteral("toleranceBox"));
    m_tolerance->setAccessibleName(QStringLiteral("Tolleranza"));
    grid->addWidget(caption(QStringLiteral("&Tolleranza:"), m_tolerance, "toleranceCaption", this), 2, 0);
    grid->addWidget(m_tolerance, 2, 1);

    m_coefficient = new QComboBox(this);
    m_coefficient->setObjectName(QStringLiteral("coefficientBox"));
    m_coefficient->setAccessibleName(QStringLiteral("Coefficiente di temperatura"));
    m_coefficientCaption = caption(QStringLiteral("&Coefficiente:"), m_coefficient, "coefficientCaption", this);
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
        name->setFixedWidth(64);
        bands->addWidget(swatch, 0, int(i), Qt::AlignHCenter);
        bands->addWidget(name, 1, int(i));
        m_swatches[i] = swatch;
        m_names[i] = name;
    }
    grid->addLayout(bands, 4, 0, 1, 2);

    m_readBack = new QLabel(this);
    m_readBack->setObjectName(QStringLiteral("readBackLabel"));
    m_readBack->setFont(layoutFont(Layout::Font::Bold13_5));
    m_readBack->setAccessibleName(QStringLiteral("Valore letto"));
    grid->addWidget(m_readBack, 5, 0, 1, 2);

    m_series = new QLabel(this);
    m_series->setObjectName(QStringLiteral("seriesLabel"));
    m_series->setAccessibleName(QStringLiteral("Serie"));
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
    m_message->setAccessibleName(QStringLiteral("Messaggio"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMinimumHeight(3 * m_message->fontMetrics().lineSpacing());
    grid->addWidget(m_message, 7, 0, 1, 2);

    m_moreBands = new QPushButton(this);
    m_moreBands->setObjectName(QStringLiteral("moreBandsButton"));
    m_apply = new QPushButton(QStringLiteral("&Applica"), this);
    m_apply->setObjectName(QStringLiteral("applyButton"));
    m_apply->setAccessibleName(QStringLiteral("Applica"));
    m_apply->setDefault(true);
    m_close = new QPushButton(QStringLiteral("C&hiudi"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAccessibleName(QStringLiteral("Chiudi"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_moreBands);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 8, 0, 1, 2);

    for (QWidget *w : {static_cast<QWidget *>(m_belowButton), static_cast<QWidget *>(m_aboveButton),
             static_cast<QWidget *>(m_moreBands)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    setFixedWidth(433);
}

void ValueDialog::setBandCount(int bands)
{
    const int count = bandScheme(bands).bandCount;
    if (count == m_bandCount)
        return;
    m_bandCount = count;
    fillLists();
    refresh();
}

void ValueDialog::fillLists()
{
    const BandScheme &scheme = bandScheme(m_bandCount);
    const std::string point = decimalPoint();
    const QSignalBlocker blockTolerance(m_tolerance);
    const QSignalBlocker blockCoefficient(m_coefficient);
    fill(m_tolerance, scheme.rows(scheme.bandOf(BandKind::Tolerance)),
        [&point](int value) { return QStringLiteral("± ") + qs(toleranceText(value, point)); });
    const int coefficientBand = scheme.bandOf(BandKind::TempCoefficient);
    if (coefficientBand != 0)
        fill(m_coefficient, scheme.rows(coefficientBand),
            [](int value) { return QStringLiteral("%1 ppm/K").arg(value); });
    m_coefficient->setVisible(coefficientBand != 0);
    m_coefficientCaption->setVisible(coefficientBand != 0);
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i]->setVisible(int(i) < m_bandCount);
        m_names[i]->setVisible(int(i) < m_bandCount);
    }
}

void ValueDialog::refresh()
{
    const std::string point = decimalPoint();
    const ValueReading reading = readValue(m_value->text().toStdString(), point);
    m_rows.clear();
    m_offeredBands = 0;
    if (!reading.value) {
        m_series->clear();
        m_belowButton->hide();
        m_aboveButton->hide();
        refuse(qs(reading.message));
        return;
    }

    const BandScheme &scheme = bandScheme(m_bandCount);
    const BandChoice choice
        = bandsFor(scheme, *reading.value, m_tolerance->currentIndex(), m_coefficient->currentIndex(), point);
    showSeries(*reading.value);
    if (choice.rows.empty()) {
        m_offeredBands = choice.moreBands;
        refuse(qs(choice.message));
        return;
    }

    m_rows = choice.rows;
    QString text = qs(plainText(*reading.value, point)) + QStringLiteral(" Ohm ± ")
        + qs(toleranceText(m_tolerance->currentData().toInt(), point));
    if (scheme.bandOf(BandKind::TempCoefficient) != 0)
        text += QStringLiteral(" %1 ppm/K").arg(m_coefficient->currentData().toInt());
    m_readBack->setText(text);
    m_message->setText(QString());
    m_moreBands->hide();
    m_apply->setEnabled(true);
    showBands();
}

void ValueDialog::showBands()
{
    const BandScheme &scheme = bandScheme(m_bandCount);
    for (int band = 1; band <= m_bandCount; ++band) {
        const std::size_t i = std::size_t(band - 1);
        QString name;
        ColourRef fill = ButtonFace;
        if (i < m_rows.size()) {
            const ColourRow &colour = colourRow(scheme.rows(band)[std::size_t(m_rows[i])].colour);
            name = qs(colour.displayName);
            fill = colour.display;
        }
        m_swatches[i]->setFill(fill);
        m_names[i]->setText(name);
        m_swatches[i]->setAccessibleName(
            QStringLiteral("%1° BANDA: %2").arg(band).arg(name.isEmpty() ? QStringLiteral("nessun colore") : name));
    }
}

void ValueDialog::showSeries(Resistance value)
{
    const std::vector<ESeries> series = seriesOf(value);
    m_below.reset();
    m_above.reset();
    if (!series.empty()) {
        QStringList names;
        for (ESeries s : series)
            names << qs(seriesName(s));
        m_series->setText(QStringLiteral("Serie ") + names.join(QStringLiteral(", ")));
    } else {
        // Only values this window can show are offered.
        const BandScheme &scheme = bandScheme(m_bandCount);
        const int tolerance = m_tolerance->currentData().toInt();
        const ESeries fitting = seriesForTolerance(tolerance, scheme.digitCount());
        const std::string point = decimalPoint();
        const auto shown = [&](const std::optional<Resistance> &v) {
            return v && !bandsFor(scheme, *v, 0, 0, point).rows.empty() ? v : std::nullopt;
        };
        m_below = shown(nearestBelow(value, fitting));
        m_above = shown(nearestAbove(value, fitting));
        QString text = QStringLiteral("non è un valore normalizzato");
        if (m_below || m_above)
            text += QStringLiteral("; in ") + qs(seriesName(fitting)) + u':';
        m_series->setText(text);
    }
    for (auto [button, value, side] :
        {std::tuple {m_belowButton, m_below, "inferiore"}, std::tuple {m_aboveButton, m_above, "superiore"}}) {
        button->setVisible(value.has_value());
        if (!value)
            continue;
        button->setText(qs(plainText(*value, decimalPoint())) + QStringLiteral(" Ohm"));
        button->setAccessibleName(
            QStringLiteral("Valore normalizzato %1: %2").arg(QLatin1String(side), button->text()));
    }
}

void ValueDialog::refuse(const QString &message)
{
    m_readBack->setText(QString());
    m_message->setText(message);
    m_moreBands->setVisible(m_offeredBands != 0);
    if (m_offeredBands != 0) {
        m_moreBands->setText(QStringLiteral("Passa a %1 bande").arg(m_offeredBands));
        m_moreBands->setAccessibleName(m_moreBands->text());
    }
    m_apply->setEnabled(false);
    showBands();
}

void ValueDialog::putNearest(const std::optional<Resistance> &value)
{
    if (!value)
        return;
    m_value->setText(qs(plainText(*value, decimalPoint())));
    m_value->setFocus();
}

} // namespace Velmora
