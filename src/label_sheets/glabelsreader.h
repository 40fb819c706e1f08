#pragma once

#include "labelsheet.h"

#include <QHash>

#include <optional>
#include <vector>

// gLabels' template files, read as they come: a template that copies another ("equiv") is resolved by the
// library once every file is read.
namespace Velmora::GLabels {

struct Paper {
    QString name;
    QSizeF size; // mm
};
using Papers = QHash<QString, Paper>; // by the id templates name it with

struct Template {
    QString brand, part;
    QString equiv; // the part of the same brand this one copies; sheet is then unset
    QString description;
    std::optional<LabelSheet> sheet; // unset for a malformed one
};

// "12.5mm", "3in", "40" (points): millimetres, nothing for a malformed or unknown unit.
std::optional<double> lengthMm(QStringView text);
// The paper sizes of paper-sizes.xml; nothing for a file not read.
std::optional<Papers> readPapers(const QString &path);
// A4 and US Letter, for a folder without paper-sizes.xml.
Papers standardPapers();
// Every template of one file, in order; nothing for a file that cannot be read or is not well formed.
std::optional<std::vector<Template>> readTemplates(const QString &path, const Papers &papers);

} // namespace Velmora::GLabels
