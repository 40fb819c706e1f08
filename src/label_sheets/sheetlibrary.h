#pragma once

#include "labelsheet.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace Velmora {

// The label sheets a person can pick by maker and part number: gLabels' template library, read at run time,
// and a few built in.
class SheetLibrary
{
public:
    // Reads every *-templates.xml (and paper-sizes.xml) of one gLabels template folder. A malformed file is
    // left out whole, a malformed template or one whose labels leave the paper alone.
    static SheetLibrary read(const QString &folder);
    // The installed template library found through QStandardPaths (GenericDataLocation,
    // "libglabels-3.0/templates"), read once on first call, with the built-in sheets it lacks; with none found
    // or none readable, the built-in sheets only.
    static const SheetLibrary &installed();
    // A few common sheets for a machine without the template library, from the makers' dimensions.
    static std::vector<LabelSheet> builtIn();

    const std::vector<LabelSheet> &sheets() const { return m_sheets; } // sorted by brand then part, naturally
    bool fromTemplates() const { return m_fromTemplates; } // whether any template file was read
    QString folder() const { return m_folder; } // the folder read, empty for built-ins only

    // By name, ignoring case and runs of spaces, "avery  j8157" = "Avery J8157"; also the part alone when only
    // one brand has it ("J8157"). nullptr when none.
    const LabelSheet *find(const QString &name) const;
    // The names nearest to a name that was not found, nearest first (edit distance on the normalised names,
    // also matching by the part alone), at most `count`; none further than half the name's length (at least 2).
    QStringList closest(const QString &name, int count = 3) const;

private:
    // Sorts, drops later sheets of a name already present and indexes the names.
    void settle();

    std::vector<LabelSheet> m_sheets;
    QHash<QString, qsizetype> m_byName; // normalised name → index
    QHash<QString, qsizetype> m_byPart; // normalised part → index, -1 when several brands have it
    QString m_folder;
    bool m_fromTemplates = false;
};

} // namespace Velmora
