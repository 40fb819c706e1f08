#include "glabelsreader.h"

#include <QFile>
#include <QLocale>
#include <QXmlStreamReader>

#include <cmath>

namespace Velmora::GLabels {

namespace {

struct Unit {
    QStringView name;
    double mm;
};
constexpr double PointMm = 25.4 / 72;
constexpr Unit Units[]
    = {{u"", PointMm}, {u"pt", PointMm}, {u"in", 25.4}, {u"mm", 1}, {u"cm", 10}, {u"pc", 12 * PointMm}};

std::optional<double> attributeMm(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    if (!attributes.hasAttribute(name))
        return std::nullopt;
    return lengthMm(attributes.value(name));
}

// A whole number of labels from 1; a missing one is 1.
std::optional<int> attributeCount(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    if (!attributes.hasAttribute(name))
        return 1;
    bool ok = false;
    const int n = attributes.value(name).trimmed().toInt(&ok);
    return ok && n >= 1 ? std::optional<int>(n) : std::nullopt;
}

QString millimetres(double mm)
{
    QString text = QLocale().toString(std::round(mm * 10) / 10, 'f', 1);
    const QString zero = QLocale().decimalPoint() + u'0';
    if (text.endsWith(zero))
        text.chop(zero.size());
    return text;
}

// One Layout: a grid of the frame's labels. Leaves the reader past its end.
std::optional<LabelGrid> readLayout(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes a = xml.attributes();
    xml.skipCurrentElement();
    const auto nx = attributeCount(a, QLatin1String("nx")), ny = attributeCount(a, QLatin1String("ny"));
    std::optional<double> at[4] = {0.0, 0.0, 0.0, 0.0};
    const QLatin1String names[4] = {QLatin1String("x0"), QLatin1String("y0"), QLatin1String("dx"), QLatin1String("dy")};
    for (int i = 0; i < 4; ++i)
        if (a.hasAttribute(names[i]))
            at[i] = lengthMm(a.value(names[i]));
    if (!nx || !ny || !at[0] || !at[1] || !at[2] || !at[3])
        return std::nullopt;
    return LabelGrid {*nx, *ny, *at[0], *at[1], *at[2], *at[3]};
}

// The first frame of a template into sheet: its shape, size, layouts and markup margin. Leaves the reader
// past its end whatever it holds; false for a frame that cannot be used.
bool readFrame(QXmlStreamReader &xml, LabelSheet &sheet)
{
    const QXmlStreamAttributes a = xml.attributes();
    const QStringView kind = xml.name();
    bool ok = true;
    const auto need = [&ok](std::optional<double> v) {
        ok = ok && v.has_value();
        return v.value_or(0);
    };
    const auto optional = [&](QLatin1String name, double otherwise) {
        return a.hasAttribute(name) ? need(lengthMm(a.value(name))) : otherwise;
    };
    if (kind == u"Label-rectangle") {
        sheet.shape = LabelShape::Rectangle;
        sheet.label
            = QSizeF(need(attributeMm(a, QLatin1String("width"))), need(attributeMm(a, QLatin1String("height"))));
        sheet.radius = optional(QLatin1String("round"), 0);
    } else if (kind == u"Label-round") {
        sheet.shape = LabelShape::Round;
        const double r = need(attributeMm(a, QLatin1String("radius")));
        sheet.label = QSizeF(2 * r, 2 * r);
    } else if (kind == u"Label-ellipse") {
        sheet.shape = LabelShape::Ellipse;
        sheet.label
            = QSizeF(need(attributeMm(a, QLatin1String("width"))), need(attributeMm(a, QLatin1String("height"))));
    } else {
        sheet.shape = LabelShape::Cd;
        const double r = need(attributeMm(a, QLatin1String("radius")));
        // A business-card CD is the disc cut down to width × height.
        sheet.label = QSizeF(optional(QLatin1String("width"), 2 * r), optional(QLatin1String("height"), 2 * r));
        sheet.hole = 2 * optional(QLatin1String("hole"), 0);
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Layout") {
            const auto grid = readLayout(xml);
            ok = ok && grid.has_value();
            if (grid)
                sheet.grids.push_back(*grid);
        } else if (xml.name() == u"Markup-margin") {
            sheet.margin = need(attributeMm(xml.attributes(), QLatin1String("size")));
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    return ok;
}

bool isFrame(QStringView name)
{
    return name == u"Label-rectangle" || name == u"Label-round" || name == u"Label-ellipse" || name == u"Label-cd";
}

// One Template element. Leaves the reader past its end.
Template readTemplate(QXmlStreamReader &xml, const Papers &papers)
{
    const QXmlStreamAttributes a = xml.attributes();
    Template t;
    t.brand = a.value(QLatin1String("brand")).trimmed().toString();
    t.part = a.value(QLatin1String("part")).trimmed().toString();
    t.equiv = a.value(QLatin1String("equiv")).trimmed().toString();
    t.description = (a.hasAttribute(QLatin1String("_description")) ? a.value(QLatin1String("_description"))
                                                                   : a.value(QLatin1String("description")))
                        .trimmed()
                        .toString();
    LabelSheet sheet;
    bool ok = true, framed = false;
    const QStringView size = a.value(QLatin1String("size"));
    if (size == u"Other") {
        const auto w = attributeMm(a, QLatin1String("width")), h = attributeMm(a, QLatin1String("height"));
        ok = w && h;
        sheet.paper = QSizeF(w.value_or(0), h.value_or(0));
        sheet.paperName
            = QStringLiteral("%1 × %2 mm").arg(millimetres(sheet.paper.width()), millimetres(sheet.paper.height()));
    } else {
        const auto paper = papers.constFind(size.toString());
        ok = paper != papers.cend();
        if (ok) {
            sheet.paper = paper->size;
            sheet.paperName = paper->name;
        }
    }
    while (xml.readNextStartElement()) {
        if (isFrame(xml.name()) && !framed) {
            framed = true;
            ok = readFrame(xml, sheet) && ok;
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!t.equiv.isEmpty() || !ok || !framed)
        return t;
    sheet.brand = t.brand;
    sheet.part = t.part;
    sheet.description = t.description;
    if (sheet.isValid())
        t.sheet = std::move(sheet);
    return t;
}

} // namespace

std::optional<double> lengthMm(QStringView text)
{
    text = text.trimmed();
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isLetter())
        --end;
    const QStringView unit = text.sliced(end);
    bool ok = false;
    const double number = text.first(end).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    for (const Unit &u : Units)
        if (unit == u.name)
            return number * u.mm;
    return std::nullopt;
}

Papers standardPapers()
{
    return {{QStringLiteral("A4"), {QStringLiteral("A4"), QSizeF(210, 297)}},
        {QStringLiteral("US-Letter"), {QStringLiteral("US Letter"), QSizeF(8.5 * 25.4, 11 * 25.4)}}};
}

std::optional<Papers> readPapers(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    Papers papers;
    if (!xml.readNextStartElement())
        return std::nullopt;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Paper-size") {
            const QXmlStreamAttributes a = xml.attributes();
            const auto w = attributeMm(a, QLatin1String("width")), h = attributeMm(a, QLatin1String("height"));
            const QString id = a.value(QLatin1String("id")).toString();
            const QString name = a.value(QLatin1String("_name")).toString();
            if (w && h && *w > 0 && *h > 0 && !id.isEmpty())
                papers.insert(id, {name.isEmpty() ? id : name, QSizeF(*w, *h)});
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        return std::nullopt;
    return papers;
}

std::optional<std::vector<Template>> readTemplates(const QString &path, const Papers &papers)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates")
        return std::nullopt;
    std::vector<Template> templates;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Template") {
            Template t = readTemplate(xml, papers);
            if (!t.brand.isEmpty() && !t.part.isEmpty())
                templates.push_back(std::move(t));
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return templates;
}

} // namespace Velmora::GLabels
