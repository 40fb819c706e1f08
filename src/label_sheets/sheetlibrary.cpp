#include "sheetlibrary.h"

#include "glabelsreader.h"

#include <QDir>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <numeric>

namespace Velmora {

namespace {

constexpr double Inch = 25.4;

// A sheet built in, in mm, as its maker publishes it: every one is centred on its paper.
struct BuiltInSheet {
    const char16_t *part;
    const char16_t *description;
    bool letter; // US Letter, else A4
    double width, height;
    int columns, rows;
    double left, top, pitchX, pitchY;
};

constexpr BuiltInSheet BuiltInSheets[] = {
    {u"J8157", u"Address Labels", false, 64, 24.3, 3, 11, 6.5, 14.85, 66.5, 24.3},
    {u"L7160", u"Address Labels", false, 63.5, 38.1, 3, 7, 7.25, 15.15, 66, 38.1},
    {u"L7163", u"Address Labels", false, 99.1, 38.1, 2, 7, 4.65, 15.15, 101.6, 38.1},
    {u"L7651", u"Mini Labels", false, 38.1, 21.2, 5, 13, 4.75, 10.7, 40.6, 21.2},
    {u"5160", u"Address Labels", true, 2.625 * Inch, 1 * Inch, 3, 10, 0.1875 * Inch, 0.5 * Inch, 2.75 * Inch, 1 * Inch},
};

// Makers give no markup margin; this keeps text clear of a sheet fed a little askew.
constexpr double BuiltInMargin = 1.5;

QString normalised(const QString &name)
{
    return name.simplified().toCaseFolded();
}

// Digits compare as numbers, the rest without case: "5160" before "15160", "L7160" before "l7651".
int naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype si = i, sj = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            QStringView x = a.sliced(si, i - si), y = b.sliced(sj, j - sj);
            while (x.size() > 1 && x.front() == u'0')
                x = x.sliced(1);
            while (y.size() > 1 && y.front() == u'0')
                y = y.sliced(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y))
                return c;
            continue;
        }
        const char32_t x = QChar::toCaseFolded(a[i].unicode()), y = QChar::toCaseFolded(b[j].unicode());
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j ? -1 : 1;
    return a.compare(b);
}

int editDistance(QStringView a, QStringView b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

QString templateKey(const QString &brand, const QString &part)
{
    return brand.toCaseFolded() + u'\n' + part.toCaseFolded();
}

} // namespace

SheetLibrary SheetLibrary::read(const QString &folder)
{
    SheetLibrary library;
    if (folder.isEmpty())
        return library;
    library.m_folder = folder;
    const QDir dir(folder);
    const GLabels::Papers papers
        = GLabels::readPapers(dir.filePath(QStringLiteral("paper-sizes.xml"))).value_or(GLabels::standardPapers());
    std::vector<GLabels::Template> all;
    const QStringList files = dir.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        auto templates = GLabels::readTemplates(dir.filePath(file), papers);
        if (!templates)
            continue;
        library.m_fromTemplates = true;
        std::move(templates->begin(), templates->end(), std::back_inserter(all));
    }

    // A copy may come before its original, in another file, or copy a copy.
    QHash<QString, qsizetype> byKey;
    for (qsizetype i = qsizetype(all.size()) - 1; i >= 0; --i) // the first of a name wins
        byKey.insert(templateKey(all[size_t(i)].brand, all[size_t(i)].part), i);
    library.m_sheets.reserve(all.size());
    for (const GLabels::Template &t : all) {
        if (t.sheet) {
            library.m_sheets.push_back(*t.sheet);
            continue;
        }
        const GLabels::Template *source = &t;
        for (int step = 0; step < 16 && source && !source->sheet && !source->equiv.isEmpty(); ++step) {
            const auto found = byKey.constFind(templateKey(t.brand, source->equiv));
            source = found == byKey.cend() ? nullptr : &all[size_t(*found)];
        }
        if (!source || !source->sheet)
            continue;
        LabelSheet sheet = *source->sheet;
        sheet.brand = t.brand;
        sheet.part = t.part;
        if (!t.description.isEmpty())
            sheet.description = t.description;
        library.m_sheets.push_back(std::move(sheet));
    }
    library.settle();
    return library;
}

const SheetLibrary &SheetLibrary::installed()
{
    static const SheetLibrary library = [] {
        const QString folder = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
            QStringLiteral("libglabels-3.0/templates"), QStandardPaths::LocateDirectory);
        SheetLibrary found = read(folder);
        if (!found.m_fromTemplates)
            found.m_folder.clear();
        // After the installed ones, so that theirs win.
        for (LabelSheet &sheet : builtIn())
            found.m_sheets.push_back(std::move(sheet));
        found.settle();
        return found;
    }();
    return library;
}

std::vector<LabelSheet> SheetLibrary::builtIn()
{
    std::vector<LabelSheet> sheets;
    for (const BuiltInSheet &b : BuiltInSheets) {
        const QSizeF paper = b.letter ? QSizeF(8.5 * Inch, 11 * Inch) : QSizeF(210, 297);
        LabelSheet sheet = customSheet(b.letter ? QStringLiteral("US Letter") : QStringLiteral("A4"), paper, b.columns,
            b.rows, QSizeF(b.width, b.height), b.left, b.top, b.pitchX - b.width, b.pitchY - b.height);
        sheet.grids.front().pitchX = b.pitchX; // as published, not through a gap
        sheet.grids.front().pitchY = b.pitchY;
        sheet.brand = QStringLiteral("Avery");
        sheet.part = QString::fromUtf16(b.part);
        sheet.description = QString::fromUtf16(b.description);
        sheet.margin = BuiltInMargin;
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

void SheetLibrary::settle()
{
    QSet<QString> seen;
    std::vector<LabelSheet> kept;
    kept.reserve(m_sheets.size());
    for (LabelSheet &sheet : m_sheets) {
        const QString name = normalised(sheet.name());
        if (seen.contains(name))
            continue;
        seen.insert(name);
        kept.push_back(std::move(sheet));
    }
    std::stable_sort(kept.begin(), kept.end(), [](const LabelSheet &a, const LabelSheet &b) {
        if (const int c = naturalCompare(a.brand, b.brand))
            return c < 0;
        return naturalCompare(a.part, b.part) < 0;
    });
    m_sheets = std::move(kept);
    m_byName.clear();
    m_byPart.clear();
    for (qsizetype i = 0; i < qsizetype(m_sheets.size()); ++i) {
        const LabelSheet &sheet = m_sheets[size_t(i)];
        m_byName.insert(normalised(sheet.name()), i);
        const QString part = normalised(sheet.part);
        const auto other = m_byPart.constFind(part);
        m_byPart.insert(part, other == m_byPart.cend() ? i : -1);
    }
}

const LabelSheet *SheetLibrary::find(const QString &name) const
{
    const QString key = normalised(name);
    if (key.isEmpty())
        return nullptr;
    if (const auto found = m_byName.constFind(key); found != m_byName.cend())
        return &m_sheets[size_t(*found)];
    if (const auto found = m_byPart.constFind(key); found != m_byPart.cend() && *found >= 0)
        return &m_sheets[size_t(*found)];
    return nullptr;
}

QStringList SheetLibrary::closest(const QString &name, int count) const
{
    const QString key = normalised(name);
    if (key.isEmpty() || count <= 0)
        return {};
    const int farthest = std::max<int>(2, int(key.size() / 2));
    std::vector<std::pair<int, qsizetype>> near;
    for (qsizetype i = 0; i < qsizetype(m_sheets.size()); ++i) {
        const LabelSheet &sheet = m_sheets[size_t(i)];
        const int d = std::min(editDistance(key, normalised(sheet.name())), editDistance(key, normalised(sheet.part)));
        if (d <= farthest)
            near.emplace_back(d, i);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList names;
    for (const auto &[d, i] : near) {
        if (names.size() == count)
            break;
        names << m_sheets[size_t(i)].name();
    }
    return names;
}

} // namespace Velmora
