#include "identifydialog.h"

#include "bandpainter.h"
#include "colourcode.h"
#include "identifywording.h"
#include "valuereader.h"
#include "wording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

namespace Velmora {

namespace {

constexpr int ColourCount = int(Colour::Pink) + 1;
constexpr int BandWidth = 10; // a band in a reading's picture
constexpr QSize PictureSize(6 * BandWidth + 2, 22);

// A band as the windows paint it, on the list's own background.
void paintBand(QPainter &painter, const QRect &r, Colour colour, const QPalette &palette)
{
    const BandPainter bands(palette.color(QPalette::WindowText), palette.color(QPalette::Base));
    bands.paintBand(painter, r, displayColor(colourRow(colour).display));
}

// The same pixmap chosen or not: a style would tint a chosen colour with
// the highlight.
QIcon untinted(const QPixmap &pixmap)
{
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

QIcon colourIcon(Colour colour, const QPalette &palette)
{
    QPixmap pixmap(12, 12);
    QPainter painter(&pixmap);
    paintBand(painter, pixmap.rect(), colour, palette);
    painter.end();
    return untinted(pixmap);
}

// A reading's bands side by side from band 1, left-aligned in room for six.
QIcon readingIcon(const Reading &reading, const QPalette &palette)
{
    QPixmap pixmap(PictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (int band = 1; band <= bandScheme(reading.scheme).bandCount; ++band)
        if (const std::optional<Colour> c = colourOf(reading, band))
            paintBand(
                painter, QRect((band - 1) * BandWidth + 1, 1, BandWidth - 2, PictureSize.height() - 2), *c, palette);
    painter.end();
    return untinted(pixmap);
}

// A reading goes to the window colours are read in: the first registered
// one whose lists hold its colours, as for colours typed in a terminal.
std::optional<Reading> forWindow(const Reading &reading)
{
    std::vector<Colour> colours;
    for (int band = 1; band <= bandScheme(reading.scheme).bandCount; ++band) {
        const std::optional<Colour> colour = colourOf(reading, band);
        if (!colour)
            return std::nullopt;
        colours.push_back(*colour);
    }
    const std::optional<ColourReading> read = readColours(colours);
    if (!read || read->badBand != 0)
        return std::nullopt;
    return read->reading;
}

} // namespace

IdentifyDialog::IdentifyDialog(QWidget *parent)
    : ToolDialog(QStringLiteral("IdentifyDialog"), tr("Identifica resistore"), parent)
{
    buildControls();

    connect(m_bandCount, &QSpinBox::valueChanged, this, &IdentifyDialog::showBandCount);
    for (QListWidget *list : m_bands)
        connect(list, &QListWidget::itemSelectionChanged, this, &IdentifyDialog::refresh);
    connect(m_eitherEnd, &QCheckBox::toggled, this, &IdentifyDialog::refresh);
    connect(m_measured, &QLineEdit::textChanged, this, &IdentifyDialog::refresh);
    connect(m_accuracy, &QComboBox::currentIndexChanged, this, &IdentifyDialog::refresh);
    connect(m_readings, &QListWidget::currentRowChanged, this, &IdentifyDialog::currentChanged);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (const std::optional<Reading> applied = m_applicable)
            emit applyRequested(*applied);
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_restart, &QPushButton::clicked, this, &IdentifyDialog::restart);
    showBandCount();
}

// Controls are made in tab order. The labels that change carry no
// accessible name or description: a screen reader then says their text.
void IdentifyDialog::buildControls()
{
    auto *grid = new QGridLayout(body());

    addTitle(grid, tr("IDENTIFICA RESISTORE"), 4);

    m_bandCount = new QSpinBox(this);
    m_bandCount->setObjectName(QStringLiteral("bandCountBox"));
    m_bandCount->setRange(3, 6);
    m_bandCount->setValue(4);
    m_bandCount->setAccessibleName(tr("Bande"));
    grid->addWidget(caption(tr("&Bande:"), m_bandCount, QStringLiteral("bandCountCaption")), 1, 0);
    grid->addWidget(m_bandCount, 1, 1, Qt::AlignLeft);

    grid->addLayout(buildBandLists(), 2, 0, 1, 4);

    m_eitherEnd = new QCheckBox(tr("&Non so da quale lato si comincia"), this);
    m_eitherEnd->setObjectName(QStringLiteral("eitherEndBox"));
    m_eitherEnd->setChecked(true);
    grid->addWidget(m_eitherEnd, 3, 0, 1, 4);

    m_measured = new QLineEdit(this);
    m_measured->setObjectName(QStringLiteral("measuredEdit"));
    m_measured->setPlaceholderText(tr("facoltativa, per esempio 4K7"));
    m_measured->setMaxLength(int(MostCharacters));
    m_measured->setAccessibleName(tr("Misura"));
    m_accuracy = new QComboBox(this);
    m_accuracy->setObjectName(QStringLiteral("accuracyBox"));
    m_accuracy->setAccessibleName(tr("Precisione dello strumento"));
    for (int accuracy : {50, 100, 200, 500})
        m_accuracy->addItem(QStringLiteral("± ") + Wording::tolerance(accuracy), accuracy);
    m_accuracy->setCurrentIndex(1);
    grid->addWidget(caption(tr("&Misura:"), m_measured, QStringLiteral("measuredCaption")), 4, 0);
    grid->addWidget(m_measured, 4, 1);
    grid->addWidget(caption(tr("&Precisione:"), m_accuracy, QStringLiteral("accuracyCaption")), 4, 2);
    grid->addWidget(m_accuracy, 4, 3);
    m_refusal = wrappingLabel(QStringLiteral("refusalLabel"), 2);
    grid->addWidget(m_refusal, 5, 0, 1, 4);

    m_readings = new QListWidget(this);
    m_readings->setObjectName(QStringLiteral("readingsList"));
    m_readings->setAccessibleName(tr("Letture"));
    m_readings->setIconSize(PictureSize);
    m_readings->setUniformItemSizes(true);
    m_readings->setFixedHeight(7 * (2 * fontMetrics().lineSpacing() + 6));
    m_verdict = wrappingLabel(QStringLiteral("verdictLabel"), 3);
    grid->addWidget(m_verdict, 6, 0, 1, 4);
    grid->addWidget(caption(tr("&Letture:"), m_readings, QStringLiteral("readingsCaption")), 7, 0, 1, 4);
    grid->addWidget(m_readings, 8, 0, 1, 4);

    m_apply = button(tr("&Applica"), QStringLiteral("applyButton"));
    m_apply->setDefault(true);
    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    m_restart = button(tr("&Ricomincia"), QStringLiteral("restartButton"));
    m_restart->setToolTip(tr("Toglie i colori scelti e la misura, per il prossimo resistore"));
    QHBoxLayout *buttons = buttonRow();
    buttons->addWidget(m_restart);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);

    grid->setColumnStretch(1, 1);
    // As wide as six bands need whatever the count, so that the texts keep
    // their wrapping.
    const int width = 6 * m_bands[0]->width() + 5 * grid->horizontalSpacing();
    for (QLabel *label : {m_refusal, m_verdict})
        label->setFixedWidth(width);
}

// One list per band, every colour in the code's order, painted and named;
// several may be chosen, and none means any.
QLayout *IdentifyDialog::buildBandLists()
{
    auto *bands = new QGridLayout;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const int band = int(i) + 1;
        auto *list = new QListWidget(this);
        list->setObjectName(QStringLiteral("band%1List").arg(band));
        list->setAccessibleName(tr("%1° banda").arg(band));
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (int c = 0; c < ColourCount; ++c) {
            auto *item = new QListWidgetItem(colourIcon(Colour(c), palette()), Wording::colour(Colour(c)), list);
            item->setData(Qt::UserRole, c);
        }
        list->setFixedSize(84, ColourCount * list->sizeHintForRow(0) + 2 * list->frameWidth());
        m_bandCaptions[i] = caption(tr("&%1° banda").arg(band), list, QStringLiteral("band%1Caption").arg(band));
        bands->addWidget(m_bandCaptions[i], 0, int(i));
        bands->addWidget(list, 1, int(i));
        m_bands[i] = list;
    }
    bands->setColumnStretch(int(m_bands.size()), 1);
    return bands;
}

// The next resistor: no colour chosen and no measurement; the number of
// bands, the end and the meter's accuracy stay as the person set them.
void IdentifyDialog::restart()
{
    for (QListWidget *list : m_bands) {
        const QSignalBlocker block(list);
        list->clearSelection();
        list->setCurrentRow(-1);
    }
    {
        const QSignalBlocker block(m_measured);
        m_measured->clear();
    }
    refresh();
    m_bands[0]->setFocus(Qt::OtherFocusReason);
}

void IdentifyDialog::showBandCount()
{
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        m_bands[i]->setVisible(int(i) < m_bandCount->value());
        m_bandCaptions[i]->setVisible(int(i) < m_bandCount->value());
    }
    refresh();
}

std::optional<Measurement> IdentifyDialog::measurement()
{
    const QString typed = m_measured->text();
    const ValueReading read = Wording::read(typed);
    // An empty field is no measurement, not a refusal.
    m_refusal->setText(read.value || typed.trimmed().isEmpty() ? QString() : Wording::readRefusal(read, typed));
    if (!read.value)
        return std::nullopt;
    return Measurement {*read.value, m_accuracy->currentData().toInt()};
}

void IdentifyDialog::refresh()
{
    Sighting sighting;
    sighting.firstIsBand1 = !m_eitherEnd->isChecked();
    sighting.measured = measurement();
    bool chosen = false;
    for (int i = 0; i < m_bandCount->value(); ++i) {
        ColourSet colours = 0;
        for (const QListWidgetItem *item : m_bands[std::size_t(i)]->selectedItems())
            colours |= colourBit(Colour(item->data(Qt::UserRole).toInt()));
        chosen |= colours != 0;
        sighting.bands.push_back(colours != 0 ? colours : AnyColour);
    }
    // Nothing chosen would list every resistor there is.
    if (!chosen) {
        m_verdict->setText(IdentifyWording::prompt());
        showReadings({});
        return;
    }
    Identification found = identify(sighting);
    m_verdict->setText(IdentifyWording::verdict(found, sighting.measured.has_value()));
    showReadings(found.readings);
}

// The list is rebuilt; the reading chosen stays chosen while it is listed,
// else the best one is.
void IdentifyDialog::showReadings(const std::vector<Identified> &readings)
{
    const int before = m_readings->currentRow();
    const std::optional<Identified> chosen = before >= 0 && std::size_t(before) < m_shown.size()
        ? std::optional(m_shown[std::size_t(before)])
        : std::nullopt;
    m_shown = readings;
    int row = 0;
    {
        const QSignalBlocker block(m_readings);
        m_readings->clear();
        for (const Identified &r : m_shown) {
            if (chosen && r.reading == chosen->reading && r.reversed == chosen->reversed)
                row = m_readings->count();
            auto *item = new QListWidgetItem(readingIcon(r.reading, palette()),
                Wording::resultLine(r.reading) + u'\n' + IdentifyWording::details(r), m_readings);
            item->setData(Qt::AccessibleTextRole, IdentifyWording::line(r));
        }
        m_readings->setCurrentRow(m_shown.empty() ? -1 : row);
    }
    currentChanged();
}

void IdentifyDialog::currentChanged()
{
    const int row = m_readings->currentRow();
    m_applicable
        = row >= 0 && std::size_t(row) < m_shown.size() ? forWindow(m_shown[std::size_t(row)].reading) : std::nullopt;
    m_apply->setEnabled(m_applicable.has_value());
}

} // namespace Velmora
