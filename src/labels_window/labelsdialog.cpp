#include "labelsdialog.h"

#include "labelpages.h"
#include "labelpreview.h"
#include "labelvalues.h"
#include "sheetlibrary.h"
#include "sheetmap.h"
#include "toolcontext.h"
#include "wording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Velmora {

namespace {

const QString DefaultSheet = QStringLiteral("Avery J8157");
constexpr ESeries DefaultSeries = ESeries::E12;
constexpr int MessageWidth = 320;

struct Paper {
    const char *name;
    double width, height; // mm
};
constexpr std::array<Paper, 2> Papers {{{"A4", 210, 297}, {"US Letter", 215.9, 279.4}}};

// The custom grid's lengths, in the order of LabelsDialog::m_lengths: a
// sheet of 3 × 8 labels of 70 × 36 mm fills an A4 page as the defaults.
struct Length {
    const char *caption;
    const char *name;
    double initial;
    double least;
};
// The window has more fields than letters: the gaps share theirs with
// other captions, and Alt+the letter again moves on to them.
constexpr std::array<Length, 6> Lengths {{
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Lar&ghezza etichetta:"), "labelWidthBox", 70, 1},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Alte&zza etichetta:"), "labelHeightBox", 36, 1},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "&Bordo sinistro:"), "leftMarginBox", 0, 0},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Bordo s&uperiore:"), "topMarginBox", 4.5, 0},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Spa&zio orizzontale:"), "gapXBox", 0, 0},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Spazio vertica&le:"), "gapYBox", 0, 0},
}};

struct ContentBox {
    const char *text;
    const char *name;
    bool LabelContent::*part;
};
constexpr std::array<ContentBox, 7> ContentBoxes {{
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Co&dice"), "codeCheck", &LabelContent::code},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Val&ore"), "valueCheck", &LabelContent::value},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "To&lleranza"), "toleranceCheck", &LabelContent::tolerance},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Bande a &4"), "fourBandsCheck", &LabelContent::fourBands},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Bande a &5"), "fiveBandsCheck", &LabelContent::fiveBands},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "No&mi dei colori"), "colourNamesCheck", &LabelContent::colourNames},
    {QT_TRANSLATE_NOOP("Velmora::LabelsDialog", "Codici SM&D"), "smdCheck", &LabelContent::smd},
}};

constexpr std::array Tolerances {2000, 1000, 500, 200, 100, 50, 25, 10}; // hundredths of a percent

QDoubleSpinBox *millimetres(QWidget *parent, const QString &name, double least, double most, double value)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(least, most);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

QString lengthText(double mm)
{
    return QLocale().toString(mm, 'f', 1).remove(QRegularExpression(QStringLiteral("[.,]0$")));
}

QString labelsAndPages(std::size_t labels, int pages)
{
    if (labels == 0)
        return LabelsDialog::tr("Nessuna etichetta da stampare.");
    const QString l = labels == 1 ? LabelsDialog::tr("1 etichetta") : LabelsDialog::tr("%1 etichette").arg(labels);
    const QString p = pages == 1 ? LabelsDialog::tr("1 pagina") : LabelsDialog::tr("%1 pagine").arg(pages);
    return l + QStringLiteral(", ") + p;
}

// A refusal that names the value it is about, as a list of several needs.
QString naming(const QString &refusal, const QString &typed)
{
    const QString quoted = QStringLiteral("«%1»").arg(typed);
    return refusal.contains(quoted) ? refusal : quoted + QStringLiteral(": ") + refusal;
}

} // namespace

LabelsDialog::LabelsDialog(ToolContext &context, QWidget *parent)
    : ToolDialog(QStringLiteral("LabelsDialog"), tr("Stampa etichette"), parent)
    , m_drawer(context.drawer())
{
    buildControls();
    connect(&context, &ToolContext::drawerChanged, this, [this](const Drawer &drawer) {
        m_drawer = drawer;
        refresh();
    });
    for (QRadioButton *r : {m_fromSeries, m_fromValues, m_fromDrawer})
        connect(r, &QRadioButton::toggled, this, &LabelsDialog::refresh);
    for (QLineEdit *e : {m_low, m_high, m_typed})
        connect(e, &QLineEdit::textChanged, this, &LabelsDialog::refresh);
    for (QComboBox *c : {m_series, m_paper, m_tolerance})
        connect(c, &QComboBox::currentIndexChanged, this, &LabelsDialog::refresh);
    connect(m_sheetBox, &QComboBox::editTextChanged, this, &LabelsDialog::refresh);
    connect(m_repeat, &QCheckBox::toggled, this, &LabelsDialog::refresh);
    for (QCheckBox *c : m_content)
        connect(c, &QCheckBox::toggled, this, &LabelsDialog::refresh);
    for (QSpinBox *s : {m_columns, m_rows})
        connect(s, &QSpinBox::valueChanged, this, &LabelsDialog::refresh);
    for (QDoubleSpinBox *s : m_lengths)
        connect(s, &QDoubleSpinBox::valueChanged, this, &LabelsDialog::refresh);
    connect(m_skip, &QSpinBox::valueChanged, this, &LabelsDialog::skipChanged);
    connect(m_map, &SheetMap::toggled, this, &LabelsDialog::toggleUsed);
    for (QDoubleSpinBox *s : {m_offsetX, m_offsetY, m_scale})
        connect(s, &QDoubleSpinBox::valueChanged, this, &LabelsDialog::calibrationChanged);
    connect(m_calibrationPage, &QPushButton::clicked, this, &LabelsDialog::previewCalibration);
    connect(m_printPreview, &QPushButton::clicked, this, &LabelsDialog::previewPrint);
    connect(m_print, &QPushButton::clicked, this, &LabelsDialog::print);
    connect(m_export, &QPushButton::clicked, this, &LabelsDialog::chooseExport);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    m_fromSeries->setFocus();
}

LabelsDialog::~LabelsDialog() = default;

void LabelsDialog::buildControls()
{
    auto *grid = new QGridLayout(body());
    addTitle(grid, tr("STAMPA ETICHETTE"), 3);
    const auto group = [this](const QString &title, QLayout *layout) {
        auto *box = new QGroupBox(title, this);
        box->setLayout(layout);
        return box;
    };
    // Created, and so tabbed through, column by column from the top.
    auto *left = new QVBoxLayout;
    left->addWidget(group(tr("Quali etichette"), buildSource()));
    left->addWidget(group(tr("Foglio"), buildSheet()));
    left->addWidget(group(tr("Contenuto"), buildContent()));
    left->addStretch(1);
    grid->addLayout(left, 1, 0);
    auto *middle = new QVBoxLayout;
    middle->addWidget(group(tr("Posizioni già usate"), buildPositions()));
    middle->addWidget(group(tr("Calibrazione della stampante"), buildCalibration()));
    middle->addStretch(1);
    grid->addLayout(middle, 1, 1);
    m_preview = new LabelPreview(this);
    auto *previewLayout = new QVBoxLayout;
    previewLayout->addWidget(m_preview);
    grid->addWidget(group(tr("Prima pagina"), previewLayout), 1, 2);
    grid->setColumnStretch(2, 1);

    m_printPreview = button(tr("&Anteprima di stampa…"), QStringLiteral("printPreviewButton"));
    m_print = button(tr("S&tampa…"), QStringLiteral("printButton"));
    m_export = button(tr("&Esporta PDF…"), QStringLiteral("exportButton"));
    m_close = button(tr("Chiudi"), QStringLiteral("closeButton"));
    buttonRow()->addStretch(1);
    for (QPushButton *b : {m_printPreview, m_print, m_export, m_close}) {
        b->setAutoDefault(false); // Enter in a field never prints by surprise
        buttonRow()->addWidget(b);
    }
}

QGridLayout *LabelsDialog::buildSource()
{
    auto *grid = new QGridLayout;
    m_fromSeries = new QRadioButton(tr("Una &serie"), this);
    m_fromSeries->setObjectName(QStringLiteral("seriesRadio"));
    m_fromSeries->setChecked(true);
    grid->addWidget(m_fromSeries, 0, 0, 1, 4);
    m_series = new QComboBox(this);
    m_series->setObjectName(QStringLiteral("seriesBox"));
    m_series->setAccessibleName(tr("Serie"));
    for (ESeries series : AllSeries)
        m_series->addItem(QString::fromUtf8(seriesName(series).data(), qsizetype(seriesName(series).size())));
    m_series->setCurrentIndex(int(DefaultSeries));
    grid->addWidget(caption(tr("Ser&ie:"), m_series, QStringLiteral("seriesCaption")), 1, 0);
    grid->addWidget(m_series, 1, 1, 1, 3);
    m_low = new QLineEdit(QStringLiteral("10"), this);
    m_low->setObjectName(QStringLiteral("lowEdit"));
    m_low->setAccessibleName(tr("Da"));
    m_low->setMaxLength(int(MostCharacters));
    m_high = new QLineEdit(QStringLiteral("1M"), this);
    m_high->setObjectName(QStringLiteral("highEdit"));
    m_high->setAccessibleName(tr("Fino a"));
    m_high->setMaxLength(int(MostCharacters));
    grid->addWidget(caption(tr("&da:"), m_low, QStringLiteral("lowCaption")), 2, 0);
    grid->addWidget(m_low, 2, 1);
    grid->addWidget(caption(tr("fi&no a:"), m_high, QStringLiteral("highCaption")), 2, 2);
    grid->addWidget(m_high, 2, 3);

    m_fromValues = new QRadioButton(tr("&Valori"), this);
    m_fromValues->setObjectName(QStringLiteral("valuesRadio"));
    grid->addWidget(m_fromValues, 3, 0, 1, 4);
    m_typed = new QLineEdit(this);
    m_typed->setObjectName(QStringLiteral("valuesEdit"));
    m_typed->setAccessibleName(tr("Elenco dei valori"));
    m_typed->setPlaceholderText(tr("4K7 10k; 1%1 M").arg(Wording::decimalPoint() + QLatin1Char('5')));
    grid->addWidget(caption(tr("E&lenco:"), m_typed, QStringLiteral("valuesCaption")), 4, 0);
    grid->addWidget(m_typed, 4, 1, 1, 3);

    m_fromDrawer = new QRadioButton(tr("Il mio &cassetto"), this);
    m_fromDrawer->setObjectName(QStringLiteral("drawerRadio"));
    grid->addWidget(m_fromDrawer, 5, 0, 1, 4);
    m_drawerNote = new QLabel(tr("Il cassetto è vuoto: aggiungi i valori da File → Il mio cassetto."), this);
    m_drawerNote->setObjectName(QStringLiteral("drawerNote"));
    m_drawerNote->setWordWrap(true);
    grid->addWidget(m_drawerNote, 6, 0, 1, 4);

    m_repeat = new QCheckBox(tr("&Ripeti: un'etichetta per ogni ripetizione o pezzo"), this);
    m_repeat->setObjectName(QStringLiteral("repeatCheck"));
    grid->addWidget(m_repeat, 7, 0, 1, 4);
    // The labels that change carry no accessible name: a screen reader
    // says their text, and hears when it changes.
    m_sourceMessage = wrappingLabel(QStringLiteral("sourceMessage"), 2);
    m_sourceMessage->setFixedWidth(MessageWidth);
    grid->addWidget(m_sourceMessage, 8, 0, 1, 4);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("countLabel"));
    grid->addWidget(m_count, 9, 0, 1, 4);
    return grid;
}

QGridLayout *LabelsDialog::buildSheet()
{
    auto *grid = new QGridLayout;
    m_sheetBox = new QComboBox(this);
    m_sheetBox->setObjectName(QStringLiteral("sheetBox"));
    m_sheetBox->setAccessibleName(tr("Foglio"));
    m_sheetBox->setEditable(true);
    m_sheetBox->setInsertPolicy(QComboBox::NoInsert);
    m_sheetBox->setMaxVisibleItems(20);
    QStringList names;
    for (const LabelSheet &sheet : SheetLibrary::installed().sheets())
        names << sheet.name();
    m_sheetBox->addItems(names);
    m_sheetBox->addItem(tr("Griglia personalizzata"));
    auto *completer = new QCompleter(m_sheetBox->model(), m_sheetBox);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    m_sheetBox->setCompleter(completer);
    const int initial = m_sheetBox->findText(DefaultSheet);
    m_sheetBox->setCurrentIndex(initial >= 0 ? initial : 0);
    grid->addWidget(caption(tr("&Foglio:"), m_sheetBox, QStringLiteral("sheetCaption")), 0, 0);
    grid->addWidget(m_sheetBox, 0, 1);
    m_sheetDetails = wrappingLabel(QStringLiteral("sheetDetails"), 2);
    m_sheetDetails->setFixedWidth(MessageWidth);
    grid->addWidget(m_sheetDetails, 1, 0, 1, 2);
    grid->addWidget(buildCustomGrid(), 2, 0, 1, 2);
    return grid;
}

QWidget *LabelsDialog::buildCustomGrid()
{
    m_custom = new QWidget(this);
    m_custom->setObjectName(QStringLiteral("customGrid"));
    auto *grid = new QGridLayout(m_custom);
    grid->setContentsMargins(0, 0, 0, 0);
    m_paper = new QComboBox(m_custom);
    m_paper->setObjectName(QStringLiteral("paperBox"));
    m_paper->setAccessibleName(tr("Formato della carta"));
    for (const Paper &paper : Papers)
        m_paper->addItem(QLatin1String(paper.name));
    grid->addWidget(caption(tr("For&mato:"), m_paper, QStringLiteral("paperCaption")), 0, 0);
    grid->addWidget(m_paper, 0, 1, 1, 3);
    m_columns = new QSpinBox(m_custom);
    m_columns->setObjectName(QStringLiteral("columnsBox"));
    m_columns->setAccessibleName(tr("Colonne"));
    m_columns->setRange(1, 50);
    m_columns->setValue(3);
    m_rows = new QSpinBox(m_custom);
    m_rows->setObjectName(QStringLiteral("rowsBox"));
    m_rows->setAccessibleName(tr("Righe"));
    m_rows->setRange(1, 100);
    m_rows->setValue(8);
    grid->addWidget(caption(tr("C&olonne:"), m_columns, QStringLiteral("columnsCaption")), 1, 0);
    grid->addWidget(m_columns, 1, 1);
    grid->addWidget(caption(tr("Ri&ghe:"), m_rows, QStringLiteral("rowsCaption")), 1, 2);
    grid->addWidget(m_rows, 1, 3);
    for (std::size_t i = 0; i < Lengths.size(); ++i) {
        const Length &l = Lengths[i];
        m_lengths[i] = millimetres(m_custom, QLatin1String(l.name), l.least, 500, l.initial);
        const QString text = tr(l.caption);
        m_lengths[i]->setAccessibleName(QString(text).remove(u'&').remove(u':'));
        const int row = 2 + int(i) / 2, column = int(i) % 2 * 2;
        grid->addWidget(caption(text, m_lengths[i], QLatin1String(l.name) + QStringLiteral("Caption")), row, column);
        grid->addWidget(m_lengths[i], row, column + 1);
    }
    return m_custom;
}

QGridLayout *LabelsDialog::buildContent()
{
    auto *grid = new QGridLayout;
    for (std::size_t i = 0; i < ContentBoxes.size(); ++i) {
        m_content[i] = new QCheckBox(tr(ContentBoxes[i].text), this);
        m_content[i]->setObjectName(QLatin1String(ContentBoxes[i].name));
        m_content[i]->setChecked(true);
        grid->addWidget(m_content[i], int(i) / 2, int(i) % 2);
    }
    m_tolerance = new QComboBox(this);
    m_tolerance->setObjectName(QStringLiteral("toleranceBox"));
    m_tolerance->setAccessibleName(tr("Tolleranza delle parti"));
    for (int hundredths : Tolerances)
        m_tolerance->addItem(Wording::tolerance(hundredths), hundredths);
    m_tolerance->setCurrentIndex(m_tolerance->findData(500));
    auto *row = new QHBoxLayout;
    row->addWidget(caption(tr("Tolleran&za delle parti:"), m_tolerance, QStringLiteral("toleranceCaption")));
    row->addWidget(m_tolerance);
    row->addStretch(1);
    grid->addLayout(row, 4, 0, 1, 2);
    return grid;
}

QGridLayout *LabelsDialog::buildPositions()
{
    auto *grid = new QGridLayout;
    m_skip = new QSpinBox(this);
    m_skip->setObjectName(QStringLiteral("skipBox"));
    m_skip->setAccessibleName(tr("Salta le prime etichette"));
    grid->addWidget(caption(tr("Salta le pr&ime:"), m_skip, QStringLiteral("skipCaption")), 0, 0);
    grid->addWidget(m_skip, 0, 1);
    m_map = new SheetMap(this);
    grid->addWidget(
        caption(tr("Posizioni sul fo&glio (clic o Spazio):"), m_map, QStringLiteral("mapCaption")), 1, 0, 1, 2);
    grid->addWidget(m_map, 2, 0, 1, 2);
    return grid;
}

QGridLayout *LabelsDialog::buildCalibration()
{
    auto *grid = new QGridLayout;
    const LabelCalibration saved = LabelCalibration::saved();
    const double most = LabelCalibration::MostOffset;
    m_offsetX = millimetres(this, QStringLiteral("offsetXBox"), -most, most, saved.offsetX);
    m_offsetX->setAccessibleName(tr("Scostamento orizzontale"));
    m_offsetY = millimetres(this, QStringLiteral("offsetYBox"), -most, most, saved.offsetY);
    m_offsetY->setAccessibleName(tr("Scostamento verticale"));
    m_scale = new QDoubleSpinBox(this);
    m_scale->setObjectName(QStringLiteral("scaleBox"));
    m_scale->setAccessibleName(tr("Scala"));
    m_scale->setDecimals(1);
    m_scale->setSingleStep(0.1);
    m_scale->setRange(LabelCalibration::LeastScale, LabelCalibration::MostScale);
    m_scale->setValue(saved.scalePercent);
    m_scale->setSuffix(QStringLiteral(" %"));
    grid->addWidget(caption(tr("Scostamento &X (a destra):"), m_offsetX, QStringLiteral("offsetXCaption")), 0, 0);
    grid->addWidget(m_offsetX, 0, 1);
    grid->addWidget(caption(tr("Scostamento &Y (in basso):"), m_offsetY, QStringLiteral("offsetYCaption")), 1, 0);
    grid->addWidget(m_offsetY, 1, 1);
    grid->addWidget(caption(tr("Sca&la:"), m_scale, QStringLiteral("scaleCaption")), 2, 0);
    grid->addWidget(m_scale, 2, 1);
    m_calibrationPage = button(tr("Pagina di &prova…"), QStringLiteral("calibrationButton"));
    m_calibrationPage->setAutoDefault(false);
    grid->addWidget(m_calibrationPage, 3, 0, 1, 2);
    return grid;
}

std::optional<std::vector<Decimal>> LabelsDialog::values()
{
    const bool repeat = m_repeat->isChecked();
    if (m_fromDrawer->isChecked()) {
        if (m_drawer.empty()) {
            m_sourceMessage->setText(tr("Il cassetto è vuoto."));
            return std::nullopt;
        }
        return drawerLabels(m_drawer, repeat);
    }
    if (m_fromValues->isChecked()) {
        std::vector<Decimal> typed;
        const QStringList words
            = m_typed->text().split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts);
        for (const QString &word : words) {
            const ValueReading r = Wording::read(word);
            if (!r.value) {
                m_sourceMessage->setText(naming(Wording::readRefusal(r, word), word));
                return std::nullopt;
            }
            if (r.value->significand == 0) {
                m_sourceMessage->setText(naming(tr("una resistenza di zero ohm non ha codice colori."), word));
                return std::nullopt;
            }
            typed.push_back(*r.value);
        }
        return labelValues(std::move(typed), repeat);
    }
    std::array<Decimal, 2> bounds {};
    const std::array<QLineEdit *, 2> edits {m_low, m_high};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const QString text = edits[i]->text();
        const ValueReading r = Wording::read(text);
        if (!r.value || r.value->significand == 0) {
            const QString why = r.value ? tr("un estremo della serie è sopra zero.") : Wording::readRefusal(r, text);
            m_sourceMessage->setText(edits[i]->accessibleName() + QStringLiteral(": ") + why);
            return std::nullopt;
        }
        bounds[i] = *r.value;
    }
    return seriesLabels(AllSeries.at(std::size_t(m_series->currentIndex())), bounds[0], bounds[1]);
}

std::optional<LabelSheet> LabelsDialog::sheet()
{
    const QString name = m_sheetBox->currentText().trimmed();
    const bool custom = name == tr("Griglia personalizzata");
    m_custom->setVisible(custom);
    if (custom) {
        const Paper &paper = Papers.at(std::size_t(std::max(0, m_paper->currentIndex())));
        const LabelSheet grid = customSheet(QLatin1String(paper.name), {paper.width, paper.height}, m_columns->value(),
            m_rows->value(), {m_lengths[0]->value(), m_lengths[1]->value()}, m_lengths[2]->value(),
            m_lengths[3]->value(), m_lengths[4]->value(), m_lengths[5]->value());
        if (!grid.isValid()) {
            m_sheetDetails->setText(tr("Le etichette escono dalla carta: riduci la griglia, le misure o i bordi."));
            return std::nullopt;
        }
        m_sheetDetails->setText(tr("%1, %2 etichette per foglio.").arg(grid.paperName).arg(grid.count()));
        return grid;
    }
    const SheetLibrary &library = SheetLibrary::installed();
    const LabelSheet *found = library.find(name);
    if (!found) {
        const QStringList near = library.closest(name);
        m_sheetDetails->setText(near.isEmpty()
                ? tr("Nessun foglio si chiama «%1».").arg(name)
                : tr("Nessun foglio si chiama «%1». Forse: %2.").arg(name, Wording::listed(near, tr("o"))));
        return std::nullopt;
    }
    m_sheetDetails->setText(tr("%1, %2 etichette per foglio, %3 × %4 mm.")
                                .arg(found->paperName)
                                .arg(found->count())
                                .arg(lengthText(found->label.width()), lengthText(found->label.height())));
    return *found;
}

LabelContent LabelsDialog::content() const
{
    LabelContent content;
    for (std::size_t i = 0; i < ContentBoxes.size(); ++i)
        content.*(ContentBoxes[i].part) = m_content[i]->isChecked();
    content.toleranceHundredths = m_tolerance->currentData().toInt();
    return content;
}

void LabelsDialog::refresh()
{
    m_drawerNote->setVisible(m_drawer.empty());
    m_fromDrawer->setEnabled(!m_drawer.empty() || m_fromDrawer->isChecked());
    m_sourceMessage->clear();
    const std::optional<std::vector<Decimal>> labels = values();
    const std::optional<LabelSheet> chosen = sheet();

    if (chosen) {
        // The used positions are those of one sheet: another keeps the ones it has.
        const int perSheet = chosen->count();
        if (perSheet != m_perSheet) {
            m_used.erase(m_used.lower_bound(perSheet), m_used.end());
            m_perSheet = perSheet;
        }
        m_map->setSheet(*chosen);
        m_map->setUsed(m_used);
        const QSignalBlocker blocker(m_skip);
        m_skip->setRange(0, std::max(0, perSheet - 1));
        int run = 0;
        while (m_used.count(run))
            ++run;
        m_skip->setValue(run);
        m_pages = std::make_shared<LabelPages>(*chosen, labels.value_or(std::vector<Decimal> {}), content());
        m_pages->setUsed(m_used);
        m_pages->setCalibration({m_offsetX->value(), m_offsetY->value(), m_scale->value()});
    } else {
        m_map->setSheet(LabelSheet {});
        m_pages.reset();
    }
    m_preview->setPages(m_pages);

    const LabelContent c = content();
    const bool saysSomething = c.code || c.value || c.tolerance || c.fourBands || c.fiveBands || c.smd;
    const std::size_t count = labels ? labels->size() : 0;
    if (count > MostLabels)
        m_count->setText(tr("Troppe etichette: al più %1 in una stampa.").arg(MostLabels));
    else if (!saysSomething)
        m_count->setText(tr("Scegli almeno una cosa da scrivere sulle etichette."));
    else if (!m_pages)
        m_count->setText(tr("Nessun foglio su cui stampare."));
    else
        m_count->setText(labelsAndPages(count, m_pages->pageCount()));
    m_printable = m_pages && count > 0 && count <= MostLabels && saysSomething;
    for (QPushButton *b : {m_printPreview, m_print, m_export})
        b->setEnabled(m_printable);
    m_calibrationPage->setEnabled(m_pages != nullptr);
}

// Positions before the new count become used, those past it up to the old
// run free again; positions clicked further on stay as they are.
void LabelsDialog::skipChanged(int skip)
{
    int run = 0;
    while (m_used.count(run))
        ++run;
    for (int p = skip; p < run; ++p)
        m_used.erase(p);
    for (int p = 0; p < skip; ++p)
        m_used.insert(p);
    refresh();
}

void LabelsDialog::toggleUsed(int position)
{
    if (!m_used.erase(position))
        m_used.insert(position);
    refresh();
}

void LabelsDialog::calibrationChanged()
{
    const LabelCalibration calibration {m_offsetX->value(), m_offsetY->value(), m_scale->value()};
    if (calibration.valid())
        calibration.save();
    refresh();
}

PdfOutcome LabelsDialog::exportPdf(const QString &path)
{
    if (!m_printable)
        return {false, m_count->text()};
    return writeLabelsPdf(*m_pages, path);
}

void LabelsDialog::paintAll(QPrinter *printer) const
{
    QPainter painter(printer);
    for (int page = 0; page < m_pages->pageCount(); ++page) {
        if (page > 0)
            printer->newPage();
        m_pages->paintPage(painter, page);
    }
}

namespace {

// The sheet's paper, to its edges: the pages' millimetres are the paper's.
void prepare(QPrinter &printer, const LabelPages &pages)
{
    printer.setPageLayout(pages.pageLayout());
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Velmora: %1").arg(pages.sheet().name()));
}

} // namespace

void LabelsDialog::previewPrint()
{
    if (!m_printable)
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, *m_pages);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &LabelsDialog::paintAll);
    preview.exec();
}

void LabelsDialog::print()
{
    if (!m_printable)
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, *m_pages);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        paintAll(&printer);
}

void LabelsDialog::chooseExport()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Esporta PDF"), QString(), tr("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const PdfOutcome outcome = exportPdf(path);
    if (!outcome.written)
        QMessageBox::warning(
            this, tr("Esporta PDF"), tr("Il PDF non è stato scritto in %1: %2").arg(path, outcome.reason));
}

void LabelsDialog::previewCalibration()
{
    if (!m_pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, *m_pages);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
        QPainter painter(p);
        m_pages->paintCalibration(painter);
    });
    preview.exec();
}

} // namespace Velmora
