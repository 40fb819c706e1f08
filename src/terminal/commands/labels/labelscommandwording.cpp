#include "labelscommandwording.h"

#include "labelsheet.h"
#include "wording.h"

namespace Velmora {

namespace {

QString millimetres(double mm)
{
    // Tenths are what a sheet's maker gives.
    QString text = QString::number(std::round(mm * 10) / 10, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text.replace(QLatin1Char('.'), Wording::decimalPoint());
}

} // namespace

QString LabelsCommandWording::size(double width, double height)
{
    return tr("%1 × %2 mm").arg(millimetres(width), millimetres(height));
}

QString LabelsCommandWording::sheetList(const std::vector<LabelSheet> &sheets)
{
    // Columns two spaces apart, the count aligned right.
    qsizetype name = 0, paper = 0, count = 0;
    for (const LabelSheet &sheet : sheets) {
        name = std::max(name, sheet.name().size());
        paper = std::max(paper, sheet.paperName.size());
        count = std::max(count, QString::number(sheet.count()).size());
    }
    QString text;
    for (const LabelSheet &sheet : sheets)
        text += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(sheet.name(), -int(name))
                    .arg(sheet.paperName, -int(paper))
                    .arg(sheet.count(), int(count))
                    .arg(size(sheet.label.width(), sheet.label.height()));
    return text;
}

QString LabelsCommandWording::written(int labels, int pages, const QString &sheet, const QString &file)
{
    return tr("%1 su %2 in %3 (%4).")
        .arg(labels == 1 ? tr("1 etichetta") : tr("%1 etichette").arg(labels),
            pages == 1 ? tr("1 pagina") : tr("%1 pagine").arg(pages), file, sheet);
}

QString LabelsCommandWording::testPageWritten(const QString &sheet, const QString &file)
{
    return tr("Pagina di prova in %1 (%2).").arg(file, sheet);
}

QString LabelsCommandWording::oneSource()
{
    return tr("etichette vuole dei valori, --serie oppure --cassetto, uno solo dei tre");
}

QString LabelsCommandWording::rangeWithoutSeries()
{
    return tr("--da e --a valgono solo con --serie");
}

QString LabelsCommandWording::sheetsAlone()
{
    return tr("--fogli elenca i fogli e non vuole altro");
}

QString LabelsCommandWording::wantsOutput()
{
    return tr("etichette vuole il file PDF da scrivere: -o FILE.pdf");
}

QString LabelsCommandWording::noSuchSheet(const QString &typed, const QStringList &closest)
{
    if (closest.isEmpty())
        return tr("Foglio sconosciuto: %1. I fogli noti li elenca velmora etichette --fogli.").arg(typed);
    return tr("Foglio sconosciuto: %1. Forse: %2.").arg(typed, Wording::listed(closest, tr("o")));
}

QString LabelsCommandWording::skipRefusal(const QString &typed, int perSheet)
{
    return tr("--salta vuole un numero intero da 0 a %1 (il foglio ha %2 etichette), non %3")
        .arg(perSheet - 1)
        .arg(perSheet)
        .arg(typed);
}

QString LabelsCommandWording::offsetRefusal(const QString &typed, double most)
{
    return tr("--scostamento vuole X,Y in millimetri, ognuno fra -%1 e %1, per esempio 0.5,-1 oppure 0,5;-1; non %2")
        .arg(most)
        .arg(typed);
}

QString LabelsCommandWording::scaleRefusal(const QString &typed, double least, double most)
{
    return tr("--scala vuole un percento fra %1 e %2, non %3").arg(least).arg(most).arg(typed);
}

QString LabelsCommandWording::toleranceRefusal(const QString &typed)
{
    return tr("--tolleranza vuole un percento, come 5 o 0,25, non %1").arg(typed);
}

QString LabelsCommandWording::contentRefusal(const QString &typed, const QStringList &words)
{
    return tr("--senza vuole parole separate da virgole fra %1, non %2").arg(Wording::listed(words, tr("e")), typed);
}

QString LabelsCommandWording::nothingLeft()
{
    return tr("con --senza così non resta niente da stampare");
}

QString LabelsCommandWording::noValues()
{
    return tr("Nessun valore da stampare.");
}

QString LabelsCommandWording::jumper()
{
    return tr("0 Ohm è un ponticello, senza colori né codici da stampare.");
}

QString LabelsCommandWording::tooMany(std::size_t most)
{
    return tr("Troppe etichette: se ne stampano al più %1 per volta.").arg(most);
}

QString LabelsCommandWording::notWritten(const QString &file, const QString &reason)
{
    return tr("Impossibile scrivere %1: %2. Nessun file scritto.").arg(file, reason);
}

} // namespace Velmora
