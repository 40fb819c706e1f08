#include "dividercommand.h"

#include "combinecommandwording.h"
#include "commandarguments.h"
#include "dividerwording.h"
#include "partoptions.h"
#include "readingjson.h"
#include "terminalcommand.h"
#include "terminaloutput.h"

#include <QJsonArray>
#include <QJsonObject>

namespace Velmora {

namespace {

struct Number {
    std::optional<Exact> value; // none where the text is no number
    bool ambiguous = false; // "1.500": a thousands separator, or a decimal one
};

// "3,3", "0.66", ",5": digits with at most one separator, either one.
Number decimalNumber(QStringView text)
{
    QString digits;
    qsizetype point = -1;
    for (QChar c : text) {
        if (c == u'.' || c == u',') {
            if (point >= 0)
                return {};
            point = digits.size();
        } else if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
        } else {
            return {};
        }
    }
    if (digits.isEmpty() || digits.size() > 30)
        return {};
    const qsizetype decimals = point < 0 ? 0 : digits.size() - point;
    Exact value(mpz_class(digits.toStdString()), mpz_class("1" + std::string(std::size_t(decimals), '0')));
    value.canonicalize();
    const QStringView whole = QStringView(digits).first(point < 0 ? digits.size() : point);
    return {value, decimals == 3 && !whole.isEmpty() && whole.front() != u'0' && whole.size() <= 3};
}

// "2/3" or "0,66".
std::optional<Exact> ratioOf(const QString &typed)
{
    const QStringList sides = typed.trimmed().split(u'/');
    if (sides.size() > 2)
        return std::nullopt;
    const Number above = decimalNumber(sides.front().trimmed());
    const Number below = sides.size() == 2 ? decimalNumber(sides.back().trimmed()) : Number {Exact(1)};
    if (!above.value || !below.value || *below.value == 0 || above.ambiguous || below.ambiguous)
        return std::nullopt;
    return *above.value / *below.value;
}

// A voltage given to an option, "5", "3,3", "3.3V"; prints a refusal and
// returns its status, 0 when read or not given.
int readVoltage(const CommandArguments &arguments, const QString &option, std::optional<Exact> &volts)
{
    const std::optional<QString> typed = arguments.value(option);
    if (!typed)
        return 0;
    QString text = typed->trimmed();
    if (text.endsWith(u'V', Qt::CaseInsensitive))
        text = text.chopped(1).trimmed();
    const Number read = decimalNumber(text);
    if (read.ambiguous)
        return refuseUsage(arguments, DividerWording::ambiguousVoltage(option, *typed));
    if (!read.value)
        return refuseUsage(arguments, DividerWording::badVoltage(option, *typed));
    volts = read.value;
    return 0;
}

QString data(const Exact &value)
{
    return QString::fromStdString(decimalText(value));
}

QJsonValue dataOrNull(const std::optional<Exact> &value)
{
    return value ? QJsonValue(data(*value)) : QJsonValue();
}

QJsonObject json(const Divider &d, const Exact &asked, const std::optional<Exact> &vin)
{
    QJsonObject object {{QStringLiteral("rapporto"), QString::fromStdString(fractionText(d.ratio))},
        {QStringLiteral("rapporto_decimale"), data(d.ratio)}, {QStringLiteral("errore"), data(d.error)},
        {QStringLiteral("errore_percento"), data(d.error * 100 / asked)}, {QStringLiteral("esatto"), d.error == 0},
        {QStringLiteral("totale"), data(d.total)}, {QStringLiteral("rapporto_min"), data(d.ratioLowest)},
        {QStringLiteral("rapporto_max"), data(d.ratioHighest)},
        {QStringLiteral("vout"), dataOrNull(vin ? std::optional(*vin * d.ratio) : std::nullopt)},
        {QStringLiteral("corrente"), dataOrNull(vin ? std::optional(*vin / d.total) : std::nullopt)}};
    for (const auto &[key, leg] :
        {std::pair {QStringLiteral("sopra"), &d.upper}, {QStringLiteral("sotto"), &d.lower}}) {
        QJsonArray parts;
        std::vector<std::string> texts;
        for (Decimal part : leg->parts) {
            parts << exact(part);
            texts.push_back(exact(part).toStdString());
        }
        object.insert(key, QString::fromStdString(networkText(leg->shape, texts)));
        object.insert(key + QStringLiteral("_parti"), parts);
        object.insert(key + QStringLiteral("_ohm"), data(leg->value));
        object.insert(key + QStringLiteral("_min"), data(leg->lowest));
        object.insert(key + QStringLiteral("_max"), data(leg->highest));
    }
    return object;
}

int run(const CommandArguments &arguments)
{
    const bool voltages = arguments.value(u"--vout").has_value();
    if (arguments.words.size() > 1)
        return refuseUsage(arguments, DividerWording::oneRatio(int(arguments.words.size())));
    if (!arguments.words.isEmpty() && voltages)
        return refuseUsage(arguments, DividerWording::ratioTwice());
    if (arguments.words.isEmpty() && !voltages)
        return refuseUsage(arguments, DividerWording::wantsRatio());
    if (voltages && !arguments.value(u"--vin"))
        return refuseUsage(arguments, DividerWording::voutWithoutVin());
    DividerQuery query;
    if (const int refused = readMostParts(arguments, 2, 4, query.mostParts))
        return refused;
    std::optional<Exact> vin, vout;
    if (const int refused = readVoltage(arguments, QStringLiteral("--vin"), vin))
        return refused;
    if (const int refused = readVoltage(arguments, QStringLiteral("--vout"), vout))
        return refused;
    if (vout) {
        if (*vin <= 0 || *vout <= 0 || *vout >= *vin)
            return refuseInput(arguments, DividerWording::voutNotBelowVin());
        query.ratio = *vout / *vin;
    } else {
        const std::optional<Exact> ratio = ratioOf(arguments.words.constFirst());
        if (!ratio)
            return refuseInput(arguments, DividerWording::badRatio(arguments.words.constFirst()));
        if (*ratio <= 0 || *ratio >= 1)
            return refuseInput(arguments, DividerWording::ratioOutOfRange());
        query.ratio = *ratio;
    }
    if (vin && *vin <= 0)
        return refuseInput(arguments, DividerWording::voutNotBelowVin());
    Decimal lowest {1, 3}, highest {1, 6}, load;
    if (const int refused = readResistance(arguments, QStringLiteral("--totale-min"), lowest))
        return refused;
    if (const int refused = readResistance(arguments, QStringLiteral("--totale-max"), highest))
        return refused;
    if (compare(lowest, highest) > 0)
        return refuseInput(
            arguments, CombineCommandWording::boundsCrossed(QStringLiteral("--totale-min"), QStringLiteral("--totale-max")));
    if (const int refused = readResistance(arguments, QStringLiteral("--carico"), load))
        return refused;
    if (arguments.value(u"--carico"))
        query.load = exactOf(load);
    query.totalLowest = exactOf(lowest);
    query.totalHighest = exactOf(highest);
    if (const int refused = readPartSource(arguments, query.source))
        return refused;

    const std::vector<Divider> found = findDividers(query);
    if (found.empty())
        return refuseInput(arguments, DividerWording::nothingInTotal());
    if (arguments.json) {
        QJsonArray answers;
        for (const Divider &d : found)
            answers << json(d, query.ratio, vin);
        printJson({{QStringLiteral("rapporto_chiesto"), QString::fromStdString(fractionText(query.ratio))},
            {QStringLiteral("vin"), dataOrNull(vin)}, {QStringLiteral("soluzioni"), answers}});
        return 0;
    }
    QString text;
    for (const Divider &d : found)
        text += DividerWording::dividerLines(d, query.ratio, vin);
    print(stdout, text);
    return 0;
}

TerminalOption resistanceOption(const char *name, const char *help, const char *more)
{
    return {.name = QString::fromLatin1(name),
        .valueName = QStringLiteral("R"),
        .help = {QString::fromUtf8(help), QString::fromUtf8(more)}};
}

} // namespace

TerminalCommand dividerCommand()
{
    return {
        .name = QStringLiteral("partitore"),
        .wordsName = QStringLiteral("RAPPORTO"),
        .help = {QStringLiteral("Il partitore migliore di 2, 3 e 4 parti per un rapporto"),
            QStringLiteral("Vout/Vin, come 0,66 o 2/3, oppure per --vin e --vout:"),
            QStringLiteral("ogni ramo una parte o due; Vout sul ramo di sotto."),
            QStringLiteral("Esempio: velmora partitore --vin 5 --vout 3,3")},
        .options = {{.name = QStringLiteral("--vin"),
                        .valueName = QStringLiteral("V"),
                        .help = {QStringLiteral("Con partitore: la tensione in ingresso, in volt; con"),
                            QStringLiteral("essa anche Vout e la corrente.")}},
            {.name = QStringLiteral("--vout"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con partitore e --vin: la tensione voluta, in volt.")}},
            seriesOption(), mostPartsOption({"2", "3", "4"}),
            resistanceOption("--totale-min", "Con partitore: il totale più piccolo dei due rami", "(se manca, 1k)."),
            resistanceOption("--totale-max", "Con partitore: il totale più grande dei due rami", "(se manca, 1M)."),
            resistanceOption("--carico", "Con partitore: un carico sul ramo di sotto, in", "parallelo a Vout."),
            drawerOption()},
        .run = run,
    };
}

} // namespace Velmora
