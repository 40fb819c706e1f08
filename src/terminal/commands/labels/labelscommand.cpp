#include "labelscommand.h"

#include "combinecommandwording.h"
#include "commandarguments.h"
#include "labelpages.h"
#include "labelpdf.h"
#include "labelscommandwording.h"
#include "labelvalues.h"
#include "partoptions.h"
#include "sheetlibrary.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <memory>
#include <optional>

namespace Velmora {

namespace {

const QString DefaultSheet = QStringLiteral("Avery J8157");
constexpr Decimal DefaultFrom {10, 0};
constexpr Decimal DefaultTo {1, 6};

// What --senza takes away, word by word.
struct ContentWord {
    const char *word;
    bool LabelContent::*part;
};
constexpr std::array<ContentWord, 7> ContentWords {{
    {"codice", &LabelContent::code},
    {"valore", &LabelContent::value},
    {"tolleranza", &LabelContent::tolerance},
    {"4bande", &LabelContent::fourBands},
    {"5bande", &LabelContent::fiveBands},
    {"nomi", &LabelContent::colourNames},
    {"smd", &LabelContent::smd},
}};

QStringList contentWords()
{
    QStringList words;
    for (const ContentWord &w : ContentWords)
        words << QString::fromLatin1(w.word);
    return words;
}

// A number typed with either decimal separator, nothing for anything else.
std::optional<double> number(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "0.5,-1", "0,5;-1", "0,5,-1,5": x and y, split at the semicolon, or at
// the one comma, or at the middle one of three.
std::optional<std::pair<double, double>> offsetOf(const QString &typed)
{
    QStringList parts = typed.split(typed.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(','));
    if (parts.size() == 4)
        parts = {parts[0] + u'.' + parts[1], parts[2] + u'.' + parts[3]};
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> x = number(parts[0]);
    const std::optional<double> y = number(parts[1]);
    if (!x || !y)
        return std::nullopt;
    return std::pair {*x, *y};
}

void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

// Painting text needs a QGuiApplication, and a command no display: Qt's
// offscreen platform stands in for one while the command runs, and what it
// says of the session (no XDG_RUNTIME_DIR, ...) is not the user's concern.
std::unique_ptr<QGuiApplication> painting()
{
    if (QCoreApplication::instance())
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ignoreMessage);
    static int argc = 1;
    static char name[] = "velmora";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int listSheets(const CommandArguments &arguments)
{
    const SheetLibrary &library = SheetLibrary::installed();
    if (arguments.json) {
        QJsonArray sheets;
        for (const LabelSheet &sheet : library.sheets())
            sheets << QJsonObject {{QStringLiteral("nome"), sheet.name()}, {QStringLiteral("carta"), sheet.paperName},
                {QStringLiteral("etichette"), sheet.count()}, {QStringLiteral("larghezza_mm"), sheet.label.width()},
                {QStringLiteral("altezza_mm"), sheet.label.height()}};
        printJson({{QStringLiteral("fogli"), sheets},
            {QStringLiteral("modelli"), library.fromTemplates() ? QJsonValue(library.folder()) : QJsonValue()}});
        return 0;
    }
    print(stdout, LabelsCommandWording::sheetList(library.sheets()));
    return 0;
}

// The values from the words, --serie or --cassetto; prints a refusal and
// returns its status, 0 when read.
int readValues(const CommandArguments &arguments, std::vector<Decimal> &values)
{
    const std::optional<QString> series = arguments.value(u"--serie");
    const std::optional<QString> drawerFile = arguments.value(u"--cassetto");
    if (int(!arguments.words.isEmpty()) + int(series.has_value()) + int(drawerFile.has_value()) != 1)
        return refuseUsage(arguments, LabelsCommandWording::oneSource());
    if (!series && (arguments.value(u"--da") || arguments.value(u"--a")))
        return refuseUsage(arguments, LabelsCommandWording::rangeWithoutSeries());
    const bool repeat = arguments.isSet(u"--ripeti");
    if (series) {
        const std::optional<ESeries> named = seriesNamed(*series);
        if (!named)
            return refuseUsage(arguments, CombineCommandWording::noSuchSeries(*series));
        Decimal from = DefaultFrom, to = DefaultTo;
        if (const int refused = readResistance(arguments, QStringLiteral("--da"), from))
            return refused;
        if (const int refused = readResistance(arguments, QStringLiteral("--a"), to))
            return refused;
        values = seriesLabels(*named, from, to);
    } else if (drawerFile) {
        Drawer drawer;
        if (const int refused = readDrawerFile(arguments, *drawerFile, drawer))
            return refused;
        values = drawerLabels(drawer, repeat);
    } else {
        for (const QString &typed : arguments.words) {
            const ValueReading read = Wording::read(typed);
            if (!read.value)
                return refuseInput(arguments, Wording::readRefusal(read, typed));
            if (read.value->significand == 0)
                return refuseInput(arguments, LabelsCommandWording::jumper());
            values.push_back(*read.value);
        }
        values = labelValues(std::move(values), repeat);
    }
    if (values.empty())
        return refuseInput(arguments, LabelsCommandWording::noValues());
    if (values.size() > MostLabels)
        return refuseInput(arguments, LabelsCommandWording::tooMany(MostLabels));
    return 0;
}

int readContent(const CommandArguments &arguments, LabelContent &content)
{
    if (const std::optional<QString> typed = arguments.value(u"--tolleranza")) {
        const std::optional<int> tolerance = hundredthsOfPercent(typed->toStdString());
        if (!tolerance || *tolerance == 0)
            return refuseUsage(arguments, LabelsCommandWording::toleranceRefusal(*typed));
        content.toleranceHundredths = *tolerance;
    }
    if (const std::optional<QString> typed = arguments.value(u"--senza")) {
        for (const QString &word : typed->split(QLatin1Char(','))) {
            const auto w = std::find_if(ContentWords.begin(), ContentWords.end(),
                [&](const ContentWord &c) { return word.trimmed() == QLatin1String(c.word); });
            if (w == ContentWords.end())
                return refuseUsage(arguments, LabelsCommandWording::contentRefusal(*typed, contentWords()));
            content.*(w->part) = false;
        }
        if (!content.code && !content.value && !content.tolerance && !content.fourBands && !content.fiveBands
            && !content.smd)
            return refuseUsage(arguments, LabelsCommandWording::nothingLeft());
    }
    return 0;
}

int readCalibration(const CommandArguments &arguments, LabelCalibration &calibration)
{
    if (const std::optional<QString> typed = arguments.value(u"--scostamento")) {
        const auto offset = offsetOf(*typed);
        if (!offset || std::abs(offset->first) > LabelCalibration::MostOffset
            || std::abs(offset->second) > LabelCalibration::MostOffset)
            return refuseUsage(arguments, LabelsCommandWording::offsetRefusal(*typed, LabelCalibration::MostOffset));
        calibration.offsetX = offset->first;
        calibration.offsetY = offset->second;
    }
    if (const std::optional<QString> typed = arguments.value(u"--scala")) {
        QString text = *typed;
        if (text.endsWith(QLatin1Char('%')))
            text.chop(1);
        const std::optional<double> scale = number(text);
        if (!scale || *scale < LabelCalibration::LeastScale || *scale > LabelCalibration::MostScale)
            return refuseUsage(arguments,
                LabelsCommandWording::scaleRefusal(*typed, LabelCalibration::LeastScale, LabelCalibration::MostScale));
        calibration.scalePercent = *scale;
    }
    return 0;
}

int run(const CommandArguments &arguments)
{
    if (arguments.isSet(u"--fogli")) {
        if (arguments.values.size() > 0 || !arguments.words.isEmpty() || arguments.flags.size() > 1)
            return refuseUsage(arguments, LabelsCommandWording::sheetsAlone());
        return listSheets(arguments);
    }
    // The calibration page needs no values, only the sheet and the file.
    const bool testPage = arguments.isSet(u"--prova");
    std::vector<Decimal> values;
    if (const int refused = testPage ? 0 : readValues(arguments, values))
        return refused;
    LabelContent content;
    if (const int refused = readContent(arguments, content))
        return refused;
    const std::optional<QString> output = arguments.value(u"-o");
    if (!output || output->isEmpty())
        return refuseUsage(arguments, LabelsCommandWording::wantsOutput());

    const QString sheetName = arguments.value(u"--foglio").value_or(DefaultSheet);
    const SheetLibrary &library = SheetLibrary::installed();
    const LabelSheet *sheet = library.find(sheetName);
    if (!sheet)
        return refuseInput(arguments, LabelsCommandWording::noSuchSheet(sheetName, library.closest(sheetName)));
    int skip = 0;
    if (const std::optional<QString> typed = arguments.value(u"--salta")) {
        bool isNumber = false;
        skip = typed->toInt(&isNumber);
        if (!isNumber || skip < 0 || skip >= sheet->count() || QString::number(skip) != *typed)
            return refuseUsage(arguments, LabelsCommandWording::skipRefusal(*typed, sheet->count()));
    }
    // The printer's correction the window keeps, unless the command gives one.
    LabelCalibration calibration = LabelCalibration::saved();
    if (const int refused = readCalibration(arguments, calibration))
        return refused;

    const auto gui = painting();
    LabelPages pages(*sheet, values, content);
    if (testPage) {
        pages.setCalibration(calibration);
        const PdfOutcome outcome = writeCalibrationPdf(pages, *output);
        if (!outcome.written)
            return refuseInput(arguments, LabelsCommandWording::notWritten(*output, outcome.reason));
        if (arguments.json)
            printJson(
                {{QStringLiteral("file"), QDir::current().absoluteFilePath(*output)}, {QStringLiteral("pagine"), 1},
                    {QStringLiteral("foglio"), sheet->name()}, {QStringLiteral("carta"), sheet->paperName}});
        else
            print(stdout, LabelsCommandWording::testPageWritten(sheet->name(), *output) + u'\n');
        return 0;
    }
    std::set<int> used;
    for (int i = 0; i < skip; ++i)
        used.insert(i);
    pages.setUsed(used);
    pages.setCalibration(calibration);
    const PdfOutcome outcome = writeLabelsPdf(pages, *output);
    if (!outcome.written)
        return refuseInput(arguments, LabelsCommandWording::notWritten(*output, outcome.reason));
    const int count = int(pages.placements().size());
    if (arguments.json) {
        printJson(
            {{QStringLiteral("file"), QDir::current().absoluteFilePath(*output)}, {QStringLiteral("etichette"), count},
                {QStringLiteral("pagine"), pages.pageCount()}, {QStringLiteral("foglio"), sheet->name()},
                {QStringLiteral("carta"), sheet->paperName}, {QStringLiteral("saltate"), skip}});
        return 0;
    }
    print(stdout, LabelsCommandWording::written(count, pages.pageCount(), sheet->name(), *output) + u'\n');
    return 0;
}

} // namespace

TerminalCommand labelsCommand()
{
    Completion series;
    for (ESeries s : AllSeries)
        series.values << QString::fromUtf8(seriesName(s));
    return {
        .name = QStringLiteral("etichette"),
        .wordsName = QStringLiteral("VALORE..."),
        .help = {QStringLiteral("Un PDF di etichette per i sacchetti, al 100%: per ogni"),
            QStringLiteral("valore il codice, il valore, la tolleranza, le bande a 4 e"),
            QStringLiteral("a 5 con i nomi dei colori e i codici SMD, su un foglio di"),
            QStringLiteral("etichette del commercio, riga per riga dall'alto."),
            QStringLiteral("Esempio: velmora etichette --serie E12 -o e.pdf")},
        .options = {seriesOption(),
            {.name = QStringLiteral("--da"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con etichette e --serie: il primo valore (se manca, 10).")}},
            {.name = QStringLiteral("--a"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con etichette e --serie: l'ultimo valore (se manca, 1M).")}},
            drawerOption(),
            {.name = QStringLiteral("--ripeti"),
                .help = {QStringLiteral("Con etichette: un valore ripetuto ha un'etichetta per"),
                    QStringLiteral("volta; dal cassetto, una per pezzo.")}},
            {.name = QStringLiteral("--foglio"),
                .valueName = QStringLiteral("NOME"),
                .help = {QStringLiteral("Con etichette: il foglio, per marca e codice, come"),
                    QStringLiteral("\"Avery J8157\" (se manca, Avery J8157).")}},
            {.name = QStringLiteral("--fogli"),
                .help = {QStringLiteral("Con etichette: elenca i fogli noti, uno per riga: nome,"),
                    QStringLiteral("carta, etichette per foglio, misura dell'etichetta.")}},
            {.name = QStringLiteral("--prova"),
                .help = {QStringLiteral("Con etichette: al posto delle etichette la pagina di prova"),
                    QStringLiteral("del foglio, con i contorni e due righelli di 100 mm, per"),
                    QStringLiteral("calibrare la stampante.")}},
            {.name = QStringLiteral("--salta"),
                .valueName = QStringLiteral("N"),
                .help = {QStringLiteral("Con etichette: lascia le prime N etichette del primo"),
                    QStringLiteral("foglio, già usate.")}},
            {.name = QStringLiteral("--scostamento"),
                .valueName = QStringLiteral("X,Y"),
                .help = {QStringLiteral("Con etichette: sposta la stampa di X mm a destra e Y mm"),
                    QStringLiteral("in basso (se manca, quello tenuto dalla finestra).")}},
            {.name = QStringLiteral("--scala"),
                .valueName = QStringLiteral("P"),
                .help = {QStringLiteral("Con etichette: la scala della stampa in percento, da 90"),
                    QStringLiteral("a 110 (se manca, quella tenuta dalla finestra).")}},
            {.name = QStringLiteral("--tolleranza"), .valueName = QStringLiteral("P")},
            {.name = QStringLiteral("--senza"),
                .valueName = QStringLiteral("ELENCO"),
                .help = {QStringLiteral("Con etichette: ciò che non stampare, separato da virgole:"),
                    QStringLiteral("codice, valore, tolleranza, 4bande, 5bande, nomi, smd.")},
                .values = {.values = contentWords(), .joiner = QStringLiteral(",")}},
            {.name = QStringLiteral("-o"),
                .valueName = QStringLiteral("FILE"),
                .help = {QStringLiteral("Con etichette: il file PDF da scrivere.")}}},
        .run = run,
    };
}

} // namespace Velmora
