#include "terminalcommands.h"

#include "colourcode.h"
#include "identification.h"
#include "wording.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <optional>
#include <vector>

namespace Velmora {

namespace {

constexpr qsizetype FewestBands = 3;
constexpr qsizetype MostBands = 6;

struct Arguments {
    QStringList words;
    bool json = false;
    bool help = false;
    bool knownEnd = false; // identifica --verso-noto
    std::optional<QString> bands, tolerance, ppm, measured, accuracy;
};

// Sorts a command's arguments into words and options; returns the misuse,
// if any.
QString parse(const QString &command, const QStringList &arguments, Arguments &parsed)
{
    const bool value = command == QLatin1String("valore");
    const bool identify = command == QLatin1String("identifica");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            parsed.words += arguments.mid(i + 1);
            break;
        }
        // "-470" and "-,5" are values, which the reader refuses as negative.
        const bool option = argument.size() > 1 && argument.front() == u'-' && !argument.at(1).isDigit()
            && argument.at(1) != u'.' && argument.at(1) != u',';
        if (!option) {
            parsed.words << argument;
            continue;
        }
        const QString name = argument.section(u'=', 0, 0);
        const bool valueGiven = name.size() != argument.size();
        bool *flag = nullptr;
        if (name == QLatin1String("--json"))
            flag = &parsed.json;
        else if (name == QLatin1String("-h") || name == QLatin1String("--help"))
            flag = &parsed.help;
        else if (identify && name == QLatin1String("--verso-noto"))
            flag = &parsed.knownEnd;
        if (flag) {
            if (valueGiven)
                return QStringLiteral("l'opzione %1 non vuole un valore").arg(name);
            *flag = true;
            continue;
        }
        std::optional<QString> *slot = nullptr;
        if (value && name == QLatin1String("--bande"))
            slot = &parsed.bands;
        else if (value && name == QLatin1String("--tolleranza"))
            slot = &parsed.tolerance;
        else if (value && name == QLatin1String("--ppm"))
            slot = &parsed.ppm;
        else if (identify && name == QLatin1String("--misurato"))
            slot = &parsed.measured;
        else if (identify && name == QLatin1String("--precisione"))
            slot = &parsed.accuracy;
        else
            return QStringLiteral("opzione sconosciuta: %1").arg(name);
        if (valueGiven)
            *slot = argument.mid(name.size() + 1);
        else if (i + 1 < arguments.size())
            *slot = arguments.at(++i);
        else
            return QStringLiteral("manca il valore dell'opzione %1").arg(name);
    }
    return QString();
}

// "5", "0,05", "0.5%", "±1": a percent in hundredths, at most two decimals.
std::optional<int> hundredthsOfPercent(QString text)
{
    text = text.trimmed();
    if (text.startsWith(u'±'))
        text.remove(0, 1);
    if (text.endsWith(u'%'))
        text.chop(1);
    const QStringList parts = text.trimmed().replace(u',', u'.').split(u'.');
    const QString whole = parts.at(0);
    const QString decimals = parts.size() == 2 ? parts.at(1) : QString();
    const auto digitsOnly
        = [](const QString &s) { return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); }); };
    if (parts.size() > 2 || whole.isEmpty() || whole.size() > 3 || decimals.size() > 2 || !digitsOnly(whole)
        || !digitsOnly(decimals))
        return std::nullopt;
    return whole.toInt() * 100 + decimals.leftJustified(2, u'0').toInt();
}

// Exact, with '.' whatever the locale, as scripts read numbers.
QString exact(Decimal r)
{
    return QString::fromStdString(plainText(r, "."));
}

QJsonObject json(const Reading &reading)
{
    QJsonArray bands;
    for (int band = 1; band <= bandScheme(reading.scheme).bandCount; ++band)
        bands << Wording::colour(*colourOf(reading, band));
    const Decimal value = *valueOf(reading);
    const Limits limits = *limitsOf(reading);
    const std::optional<int> coefficient = coefficientOf(reading);
    const SeriesStanding standing = seriesStanding(reading, value);
    QJsonArray series;
    for (ESeries s : standing.series)
        series << QString::fromUtf8(seriesName(s).data(), qsizetype(seriesName(s).size()));
    QJsonArray nearest;
    for (const auto &r : {standing.below, standing.above})
        if (r)
            nearest << exact(*r);
    return QJsonObject {
        {QStringLiteral("bande"), bands},
        {QStringLiteral("ohm"), exact(value)},
        {QStringLiteral("tolleranza"), exact({*toleranceOf(reading), -2})},
        {QStringLiteral("ppm"), coefficient ? QJsonValue(QString::number(*coefficient)) : QJsonValue()},
        {QStringLiteral("min"), exact(limits.lowest)},
        {QStringLiteral("max"), exact(limits.highest)},
        {QStringLiteral("serie"), series},
        {QStringLiteral("vicini"), nearest},
        {QStringLiteral("testo"), Wording::resultLine(reading)},
    };
}

void printJson(const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
}

int answer(const Arguments &arguments, const Reading &reading, const QString &text)
{
    if (arguments.json)
        printJson(json(reading));
    else
        print(stdout, text + u'\n');
    return 0;
}

// A misuse: on standard error, or as JSON where it was asked for.
int refuseUsage(const Arguments &arguments, const QString &what)
{
    if (!arguments.json)
        return Velmora::refuseUsage(what);
    printJson(QJsonObject {{QStringLiteral("errore"), what}});
    return 2;
}

int refuseInput(const Arguments &arguments, const QString &message)
{
    if (arguments.json)
        printJson(QJsonObject {{QStringLiteral("errore"), message}});
    else
        print(stderr, QStringLiteral("velmora: %1\n").arg(message));
    return 1;
}

int bandsCommand(const Arguments &arguments)
{
    const QStringList &words = arguments.words;
    if (words.size() < FewestBands || words.size() > MostBands)
        return refuseUsage(arguments,
            QStringLiteral("bande vuole da %1 a %2 colori, uno per banda dalla prima, e ne ha %3")
                .arg(FewestBands)
                .arg(MostBands)
                .arg(words.size()));
    // A word that names no colour stands as black, so that a band before it
    // with a colour out of its list is still named first.
    std::vector<Colour> colours;
    int unknown = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const std::optional<Colour> colour = colourNamed(words.at(i).toStdString());
        if (!colour && unknown == 0)
            unknown = int(i) + 1;
        colours.push_back(colour.value_or(Colour::Black));
    }
    const ColourReading read = *readColours(colours);
    const int bad = read.badBand != 0 && (unknown == 0 || read.badBand <= unknown) ? read.badBand : unknown;
    if (bad != 0) {
        // Every colour a part may carry there, not only the window's.
        const SchemeId lists
            = read.reading.scheme == SchemeId::FourBands ? SchemeId::FourBandsFullCode : read.reading.scheme;
        return refuseInput(arguments, Wording::bandColourRefusal(bandScheme(lists), bad, words.at(bad - 1)));
    }
    if (read.leadingZero)
        return refuseInput(arguments, Wording::leadingZero());
    return answer(arguments, read.reading, Wording::resultLine(read.reading));
}

int valueCommand(const Arguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(arguments, QStringLiteral("valore vuole un valore, per esempio velmora valore 4K7"));
    SchemeId id = SchemeId::FourBands;
    if (arguments.bands) {
        const auto it = std::find_if(AllSchemes.begin(), AllSchemes.end(),
            [&](SchemeId s) { return QString::number(bandScheme(s).bandCount) == *arguments.bands; });
        if (it == AllSchemes.end())
            return refuseUsage(
                arguments, QStringLiteral("l'opzione --bande vuole 3, 4, 5 o 6, non %1").arg(*arguments.bands));
        id = *it;
    }
    const BandScheme &scheme = bandScheme(id);
    if (arguments.ppm && scheme.bandOf(BandKind::TempCoefficient) == 0)
        return refuseUsage(arguments, QStringLiteral("l'opzione --ppm vale solo con --bande 6"));

    Reading base = withUsualParts(Reading {id});
    for (auto [kind, asked] :
        {std::pair {BandKind::Tolerance, arguments.tolerance}, std::pair {BandKind::TempCoefficient, arguments.ppm}}) {
        if (!asked)
            continue;
        bool isNumber = false;
        const std::optional<int> value
            = kind == BandKind::Tolerance ? hundredthsOfPercent(*asked) : std::optional(asked->toInt(&isNumber));
        if (kind == BandKind::Tolerance ? !value : !isNumber)
            return refuseUsage(arguments,
                kind == BandKind::Tolerance
                    ? QStringLiteral("l'opzione --tolleranza vuole una percentuale, per esempio 5 oppure 0,5, non «%1»")
                          .arg(*asked)
                    : QStringLiteral("l'opzione --ppm vuole un numero di ppm/K, per esempio 100, non «%1»")
                          .arg(*asked));
        const int band = scheme.bandOf(kind);
        if (band == 0) { // three bands: the tolerance the scheme implies, or none
            if (value != scheme.impliedTolerance)
                return refuseInput(arguments, Wording::missingRow(scheme, kind, *asked));
            continue;
        }
        const int row = rowOfValue(scheme, band, *value);
        if (row == NoRow)
            return refuseInput(arguments, Wording::missingRow(scheme, kind, *asked));
        base.setRow(band, row);
    }

    const QString typed = arguments.words.join(u' ');
    const ValueReading read = readValue(typed.toStdString(), Wording::decimalPoint().toStdString());
    if (!read.value)
        return refuseInput(arguments, Wording::readRefusal(read, typed));
    const BandChoice choice = bandsFor(base, *read.value);
    if (choice.refusal != BandRefusal::None)
        return refuseInput(arguments, Wording::bandRefusal(choice, *read.value));
    QStringList colours;
    for (int band = 1; band <= scheme.bandCount; ++band)
        colours << Wording::colour(*colourOf(choice.reading, band));
    return answer(arguments, choice.reading,
        colours.join(u' ') + u'\n' + Wording::standing(seriesStanding(choice.reading, *read.value)));
}

// The format as scripts compare it: short, and never reworded.
QString formatKey(SmdFormat format)
{
    constexpr std::array<const char *, 6> keys {"ponticello", "3cifre", "4cifre", "R", "L", "EIA-96"};
    return QLatin1String(keys.at(std::size_t(format)));
}

// Not a code but a value, as the SMD window reads one: the codes it takes.
int smdMarkingsOf(const Arguments &arguments, const SmdCode &code, const QString &typed)
{
    const ValueReading read = readValue(typed.toStdString(), Wording::decimalPoint().toStdString());
    if (!read.value) {
        const bool meantAsValue = read.error != ReadError::Malformed && read.error != ReadError::Empty;
        return refuseInput(
            arguments, meantAsValue ? Wording::readRefusal(read, typed) : Wording::smdRefusal(code, typed));
    }
    const std::vector<SmdMarking> markings = smdMarkings(*read.value);
    if (markings.empty())
        return refuseInput(arguments, Wording::smdMarkings(*read.value, markings));
    if (arguments.json) {
        QJsonArray codes;
        for (const SmdMarking &m : markings)
            codes << QJsonObject {{QStringLiteral("codice"), QString::fromStdString(m.text)},
                {QStringLiteral("formato"), formatKey(m.format)}};
        printJson(QJsonObject {{QStringLiteral("ohm"), exact(*read.value)}, {QStringLiteral("marcature"), codes}});
    } else {
        print(stdout, Wording::smdMarkings(*read.value, markings) + u'\n');
    }
    return 0;
}

int smdCommand(const Arguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(arguments, QStringLiteral("smd vuole un codice, per esempio velmora smd 472"));
    if (arguments.words.size() > 1)
        return refuseUsage(arguments,
            QStringLiteral("smd vuole un codice solo, e ne ha %1: per esempio velmora smd 472")
                .arg(arguments.words.size()));
    const QString &typed = arguments.words.constFirst();
    if (typed.size() > qsizetype(MostCharacters))
        return refuseInput(arguments, Wording::tooLong());
    const SmdCode code = readSmdCode(typed.toStdString());
    if (code.readings.empty())
        return smdMarkingsOf(arguments, code, typed);
    if (arguments.json) {
        QJsonArray readings;
        for (const SmdReading &r : code.readings)
            readings << QJsonObject {{QStringLiteral("ohm"), exact(r.value)},
                {QStringLiteral("formato"), formatKey(r.format)},
                {QStringLiteral("tolleranza"), r.tolerance ? QJsonValue(exact({*r.tolerance, -2})) : QJsonValue()},
                {QStringLiteral("tolleranza_usuale"),
                    r.usualTolerance ? QJsonValue(exact({*r.usualTolerance, -2})) : QJsonValue()},
                {QStringLiteral("fonte"),
                    r.format != SmdFormat::Eia96
                        ? QJsonValue()
                        : QJsonValue(r.oneMaker ? QStringLiteral("produttore") : QStringLiteral("comune"))}};
        printJson(QJsonObject {{QStringLiteral("letture"), readings}});
        return 0;
    }
    QStringList lines;
    for (const SmdReading &r : code.readings)
        lines << Wording::smdReadingLine(code, r);
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

QJsonObject json(const Identified &id)
{
    QJsonArray bands;
    for (int band = 1; band <= bandScheme(id.reading.scheme).bandCount; ++band)
        bands << Wording::colour(*colourOf(id.reading, band));
    return QJsonObject {
        {QStringLiteral("bande"), bands},
        {QStringLiteral("ohm"), exact(id.value)},
        {QStringLiteral("tolleranza"), exact({id.tolerance, -2})},
        {QStringLiteral("ppm"), id.coefficient ? QJsonValue(QString::number(*id.coefficient)) : QJsonValue()},
        {QStringLiteral("min"), exact(id.limits.lowest)},
        {QStringLiteral("max"), exact(id.limits.highest)},
        {QStringLiteral("normalizzato"), id.standard},
        {QStringLiteral("misura"), id.measuredWithin ? QJsonValue(*id.measuredWithin) : QJsonValue()},
        {QStringLiteral("rovesciata"), id.reversed},
    };
}

int identifyCommand(const Arguments &arguments)
{
    const QStringList &words = arguments.words;
    if (words.size() < 3 || words.size() > 6)
        return refuseUsage(arguments,
            QStringLiteral("identifica vuole da 3 a 6 bande (un colore, più colori uniti da / "
                           "oppure ?), e ne ha %1")
                .arg(words.size()));
    Sighting sighting;
    sighting.firstIsBand1 = arguments.knownEnd;
    for (qsizetype i = 0; i < words.size(); ++i) {
        ColourSet seen = 0;
        for (const QString &name : words.at(i).split(u'/')) {
            const std::optional<Colour> colour = colourNamed(name.toStdString());
            if (name.isEmpty())
                return refuseInput(arguments, Wording::emptyAlternative(int(i) + 1, words.at(i)));
            if (name == QLatin1String("?"))
                seen |= AnyColour;
            else if (colour)
                seen |= colourBit(*colour);
            else
                return refuseInput(arguments, Wording::notAColour(int(i) + 1, name));
        }
        sighting.bands.push_back(seen);
    }
    if (arguments.accuracy && !arguments.measured)
        return refuseUsage(arguments, QStringLiteral("l'opzione --precisione vale solo con --misurato"));
    if (arguments.measured) {
        const ValueReading read = readValue(arguments.measured->toStdString(), Wording::decimalPoint().toStdString());
        if (!read.value)
            return refuseInput(arguments, Wording::readRefusal(read, *arguments.measured));
        Measurement measured {*read.value};
        if (arguments.accuracy) {
            const std::optional<int> accuracy = hundredthsOfPercent(*arguments.accuracy);
            if (!accuracy || *accuracy >= 10000)
                return refuseUsage(arguments,
                    QStringLiteral("l'opzione --precisione vuole una percentuale, per esempio 1 oppure 0,5"));
            measured.accuracy = *accuracy;
        }
        sighting.measured = measured;
    }

    const Identification found = identify(sighting);
    const QString verdict = Wording::verdict(found, sighting.measured.has_value());
    // With nothing to read, why is the answer.
    const QString ruledOut = Wording::exclusions(found);
    if (found.readings.empty())
        return refuseInput(arguments, ruledOut.isEmpty() || arguments.json ? verdict : verdict + u'\n' + ruledOut);
    if (arguments.json) {
        QJsonArray readings;
        for (const Identified &id : found.readings)
            readings << json(id);
        qint64 excluded = 0;
        for (std::size_t n : found.excluded)
            excluded += qint64(n);
        printJson(QJsonObject {{QStringLiteral("letture"), readings}, {QStringLiteral("trovate"), qint64(found.found)},
            {QStringLiteral("non_elencate"), qint64(found.found - found.readings.size())},
            {QStringLiteral("escluse"), excluded}, {QStringLiteral("verdetto"), verdict}});
        return 0;
    }
    QStringList lines;
    for (const Identified &id : found.readings)
        lines << Wording::identifiedLine(id);
    lines << QString() << verdict;
    if (!ruledOut.isEmpty())
        lines << ruledOut;
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

} // namespace

bool isTerminalCommand(const QString &word)
{
    return word == QLatin1String("bande") || word == QLatin1String("valore") || word == QLatin1String("smd")
        || word == QLatin1String("identifica");
}

int runTerminalCommand(const QString &command, const QStringList &arguments)
{
    Arguments parsed;
    // Asked for JSON, a misuse found before the option is JSON too.
    parsed.json = arguments.mid(0, arguments.indexOf(QStringLiteral("--"))).contains(QStringLiteral("--json"));
    const QString misuse = parse(command, arguments, parsed);
    if (!misuse.isEmpty())
        return refuseUsage(parsed, misuse);
    if (parsed.help) {
        print(stdout, helpText());
        return 0;
    }
    if (command == QLatin1String("smd"))
        return smdCommand(parsed);
    if (command == QLatin1String("identifica"))
        return identifyCommand(parsed);
    return command == QLatin1String("bande") ? bandsCommand(parsed) : valueCommand(parsed);
}

QString helpText()
{
    return QStringLiteral("Uso: velmora [opzioni]\n"
                          "     velmora bande COLORE... [--json]\n"
                          "     velmora valore TESTO [--bande N] [--tolleranza P] [--ppm N] [--json]\n"
                          "     velmora smd CODICE [--json]\n"
                          "     velmora identifica BANDA... [--verso-noto] [--misurato VALORE]\n"
                          "                        [--precisione P] [--json]\n"
                          "Legge il codice colori dei resistori a 3, 4, 5 e 6 bande e i codici dei\n"
                          "resistori SMD. Senza comando apre la finestra; un comando risponde nel\n"
                          "terminale, senza finestra.\n"
                          "\n"
                          "Comandi:\n"
                          "  bande COLORE...   Il valore dai colori delle bande, da 3 a 6, dalla prima:\n"
                          "                    nero, marrone, rosso, arancio, giallo, verde, azzurro\n"
                          "                    (o blu), viola, grigio, bianco, oro, argento, rosa.\n"
                          "                    Esempio: velmora bande giallo viola rosso oro\n"
                          "  valore TESTO      I colori di un valore e le sue serie E.\n"
                          "                    Esempio: velmora valore 4K7 --bande 5 --tolleranza 1\n"
                          "  smd CODICE        Il valore di un resistore SMD dal codice stampato: 3 o 4\n"
                          "                    cifre, R o L al posto della virgola, EIA-96; ogni\n"
                          "                    lettura se il codice ne ha più d'una.\n"
                          "                    Esempio: velmora smd 01C\n"
                          "  identifica BANDA...  Ogni lettura di ciò che si vede, in entrambi i versi,\n"
                          "                    la migliore per prima: una banda è un colore, più\n"
                          "                    colori uniti da / se incerti, oppure ? se illeggibile.\n"
                          "                    Esempio: velmora identifica rosso rosso nero nero marrone\n"
                          "\n"
                          "Opzioni dei comandi:\n"
                          "  --bande N         Con valore: 3, 4, 5 o 6 bande (se manca, 4).\n"
                          "  --tolleranza P    Con valore: la tolleranza in percento (se manca, 20 a\n"
                          "                    3 bande, 5 a 4, 1 a 5 e 6).\n"
                          "  --ppm N           Con valore e 6 bande: il coefficiente di temperatura\n"
                          "                    in ppm/K (se manca, 100).\n"
                          "  --verso-noto      Con identifica: la prima banda data è la 1ª.\n"
                          "  --misurato VALORE Con identifica: il valore letto dal tester.\n"
                          "  --precisione P    Con identifica: la precisione del tester in percento\n"
                          "                    (se manca, 1).\n"
                          "  --json            La risposta come un oggetto JSON, per gli script.\n"
                          "\n"
                          "Opzioni:\n"
                          "  -h, --help        Mostra questo aiuto ed esce.\n"
                          "  -v, --version     Mostra la versione ed esce.\n"
                          "\n"
                          "Valgono anche le opzioni comuni a tutti i programmi Qt, come\n"
                          "-platform NOME e -style NOME.\n"
                          "\n"
                          "Stato di uscita: 0 con una risposta, 1 se il dato è rifiutato, 2 se il\n"
                          "comando è usato male.\n");
}

int refuseUsage(const QString &what)
{
    print(stderr, QStringLiteral("velmora: %1 (vedere velmora --help)\n").arg(what));
    return 2;
}

void print(std::FILE *stream, const QString &text)
{
    // What a person typed is quoted back: none of its control characters
    // may reach the terminal, where they would move the cursor or recolour.
    QString shown = text;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control && c != u'\n')
            c = QChar::ReplacementCharacter;
    std::fputs(shown.toLocal8Bit().constData(), stream);
}

} // namespace Velmora
