#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace Velmora {

struct LabelSheet;

// What etichette says.
class LabelsCommandWording
{
    Q_DECLARE_TR_FUNCTIONS(LabelsCommandWording)

public:
    // --fogli: a sheet a line, in columns: "Avery J8157  A4  33  64 × 24,3 mm".
    static QString sheetList(const std::vector<LabelSheet> &sheets);
    // "64 × 24,3 mm", in the user's decimal separator.
    static QString size(double width, double height);
    static QString written(int labels, int pages, const QString &sheet, const QString &file);

    static QString testPageWritten(const QString &sheet, const QString &file);
    static QString oneSource();
    static QString rangeWithoutSeries();
    static QString sheetsAlone();
    static QString wantsOutput();
    static QString noSuchSheet(const QString &typed, const QStringList &closest);
    static QString skipRefusal(const QString &typed, int perSheet);
    static QString offsetRefusal(const QString &typed, double most);
    static QString scaleRefusal(const QString &typed, double least, double most);
    static QString toleranceRefusal(const QString &typed);
    static QString contentRefusal(const QString &typed, const QStringList &words);
    static QString nothingLeft();
    static QString noValues();
    static QString jumper();
    static QString tooMany(std::size_t most);
    static QString notWritten(const QString &file, const QString &reason);
};

} // namespace Velmora
