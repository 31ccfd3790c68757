#include "sheet/ProductCatalogue.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "core/Errors.h"
#include "core/Rounding.h"

namespace porkane {

namespace {

const QString CatalogueSubfolder = QStringLiteral("libglabels-3.0/templates");
constexpr int LargestSheetSide = 1000; // the designer's bound, in mm

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProductCatalogue)
};

struct PaperSize {
    QString name;
    double width = 0;
    double height = 0;
};

// A number with one decimal at most, without a trailing ".0".
QString millimetreText(double millimetres)
{
    QString text = QString::number(std::round(millimetres * 10) / 10, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

QString foldedForSearch(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool readLength(const QXmlStreamAttributes &attributes, const char *name, double &millimetres, QString &problem,
                bool required = true)
{
    const QString text = attributes.value(QLatin1String(name)).toString();
    if (text.isEmpty() && !required)
        return true;
    if (!catalogueLengthToMillimetres(text, millimetres)) {
        problem = Texts::tr("長さ %1=\"%2\" を読めません").arg(QLatin1String(name), text);
        return false;
    }
    return true;
}

// The catalogue files the folders hold, paper sizes first.
void readPaperSizes(const QString &path, std::map<QString, PaperSize> &papers, QStringList &problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << Texts::tr("%1: 開けません").arg(QFileInfo(path).fileName());
        return;
    }
    QXmlStreamReader xml(&file);
    std::map<QString, PaperSize> read;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("Paper-size")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            PaperSize paper;
            QString problem;
            paper.name = attributes.value(QLatin1String("_name")).toString();
            if (paper.name.isEmpty())
                paper.name = attributes.value(QLatin1String("name")).toString();
            if (readLength(attributes, "width", paper.width, problem) &&
                readLength(attributes, "height", paper.height, problem))
                read[attributes.value(QLatin1String("id")).toString()] = paper;
        }
    }
    if (xml.hasError()) {
        problems << Texts::tr("%1: 壊れています（%2 行目）").arg(QFileInfo(path).fileName()).arg(xml.lineNumber());
        return;
    }
    papers.insert(read.begin(), read.end());
}

// One <Template> (the reader at its start element). False with `problem`
// set when the product cannot be used; the reader is then at its end.
bool readTemplate(QXmlStreamReader &xml, const std::map<QString, PaperSize> &papers, LabelProduct &product,
                  QString &problem)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    product.maker = attributes.value(QLatin1String("brand")).toString().trimmed();
    product.code = attributes.value(QLatin1String("part")).toString().trimmed();
    product.description = attributes.value(QLatin1String("_description")).toString();
    if (product.description.isEmpty())
        product.description = attributes.value(QLatin1String("description")).toString();
    product.sameAs = attributes.value(QLatin1String("equiv")).toString().trimmed();
    const QString size = attributes.value(QLatin1String("size")).toString();
    bool usable = !product.maker.isEmpty() && !product.code.isEmpty();
    if (!usable)
        problem = Texts::tr("メーカー名か製品番号がありません");

    if (usable && product.sameAs.isEmpty()) {
        const auto paper = papers.find(size);
        if (paper != papers.end()) {
            product.paperName = paper->second.name;
            product.paperWidth = paper->second.width;
            product.paperHeight = paper->second.height;
        } else if (readLength(attributes, "width", product.paperWidth, problem) &&
                   readLength(attributes, "height", product.paperHeight, problem)) {
            product.paperName = millimetreText(product.paperWidth) + QStringLiteral(" × ") +
                                millimetreText(product.paperHeight);
        } else {
            problem = Texts::tr("用紙サイズ %1 が分かりません").arg(size);
            usable = false;
        }
    }

    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        ProductLabelKind kind;
        if (name == QLatin1String("Label-rectangle") || name == QLatin1String("Label-ellipse")) {
            kind.shape = name == QLatin1String("Label-ellipse") ? ProductLabelKind::Shape::Ellipse
                                                               : ProductLabelKind::Shape::Rectangle;
            usable = usable && readLength(xml.attributes(), "width", kind.width, problem) &&
                     readLength(xml.attributes(), "height", kind.height, problem);
        } else if (name == QLatin1String("Label-round") || name == QLatin1String("Label-cd")) {
            kind.shape = name == QLatin1String("Label-cd") ? ProductLabelKind::Shape::Cd : ProductLabelKind::Shape::Round;
            double radius = 0;
            usable = usable && readLength(xml.attributes(), "radius", radius, problem);
            kind.width = kind.height = 2 * radius;
            // A business-card CD is cut narrower than its circle.
            usable = usable && readLength(xml.attributes(), "width", kind.width, problem, false) &&
                     readLength(xml.attributes(), "height", kind.height, problem, false);
        } else {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Layout")) {
                xml.skipCurrentElement();
                continue;
            }
            const QXmlStreamAttributes layout = xml.attributes();
            ProductLabelKind::Grid grid;
            bool columnsOk = false;
            bool rowsOk = false;
            grid.columns = layout.value(QLatin1String("nx")).toInt(&columnsOk);
            grid.rows = layout.value(QLatin1String("ny")).toInt(&rowsOk);
            if (!columnsOk || !rowsOk || grid.columns < 1 || grid.rows < 1 || grid.columns > 1000 ||
                grid.rows > 1000) {
                problem = Texts::tr("配置 nx/ny を読めません");
                usable = false;
            }
            // An empty origin is the sheet's edge, as glabels reads it.
            usable = usable && readLength(layout, "x0", grid.left, problem, false) &&
                     readLength(layout, "y0", grid.top, problem, false) &&
                     readLength(layout, "dx", grid.columnPitch, problem, grid.columns > 1) &&
                     readLength(layout, "dy", grid.rowPitch, problem, grid.rows > 1);
            kind.grids.push_back(grid);
            xml.skipCurrentElement();
        }
        if (kind.grids.empty() && usable) {
            problem = Texts::tr("配置がありません");
            usable = false;
        }
        product.kinds.push_back(std::move(kind));
    }
    if (usable && product.sameAs.isEmpty() && product.kinds.empty()) {
        problem = Texts::tr("ラベルがありません");
        usable = false;
    }
    if (usable && product.sameAs.isEmpty() &&
        (product.paperWidth <= 0 || product.paperHeight <= 0 || product.paperWidth > LargestSheetSide ||
         product.paperHeight > LargestSheetSide)) {
        problem = Texts::tr("用紙が %1 mm を超えます").arg(LargestSheetSide);
        usable = false;
    }
    return usable;
}

void readTemplates(const QString &path, const std::map<QString, PaperSize> &papers, bool fromUser,
                   std::vector<LabelProduct> &products, QStringList &problems)
{
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << Texts::tr("%1: 開けません").arg(fileName);
        return;
    }
    QXmlStreamReader xml(&file);
    std::vector<LabelProduct> read;
    QStringList skipped;
    if (xml.readNextStartElement() && xml.name() == QLatin1String("Glabels-templates")) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Template")) {
                xml.skipCurrentElement();
                continue;
            }
            LabelProduct product;
            QString problem;
            if (readTemplate(xml, papers, product, problem)) {
                product.fromUser = fromUser;
                product.sourceFile = path;
                read.push_back(std::move(product));
            } else if (!xml.hasError()) {
                skipped
                    << Texts::tr("%1: %2 %3 を飛ばしました（%4）").arg(fileName, product.maker, product.code, problem);
            }
        }
    } else if (!xml.hasError()) {
        problems << Texts::tr("%1: 製品カタログのファイルではありません").arg(fileName);
        return;
    }
    if (xml.hasError()) {
        // Half a file is not a catalogue: none of it is listed.
        problems << Texts::tr("%1: 壊れています（%2 行目）").arg(fileName).arg(xml.lineNumber());
        return;
    }
    problems << skipped;
    std::move(read.begin(), read.end(), std::back_inserter(products));
}

// "Same as" products take the layout of the product they name, of the same
// maker; one naming nothing known is dropped.
void resolveSameAs(std::vector<LabelProduct> &products, QStringList &problems)
{
    std::map<std::pair<QString, QString>, std::size_t> byName;
    for (std::size_t index = 0; index < products.size(); ++index)
        byName[{products[index].maker.toCaseFolded(), products[index].code.toCaseFolded()}] = index;
    std::vector<bool> keep(products.size(), true);
    for (std::size_t index = 0; index < products.size(); ++index) {
        LabelProduct &product = products[index];
        if (product.sameAs.isEmpty())
            continue;
        // "Same as" may name another "same as" product; a chain longer than
        // the catalogue is a loop.
        std::size_t original = index;
        bool found = false;
        for (std::size_t step = 0; step <= products.size(); ++step) {
            const auto next = byName.find({products[original].maker.toCaseFolded(),
                                           products[original].sameAs.toCaseFolded()});
            if (next == byName.end())
                break;
            original = next->second;
            if (products[original].sameAs.isEmpty()) {
                found = true;
                break;
            }
        }
        if (!found) {
            problems << Texts::tr("%1: %2 %3 の元の製品 %4 がありません")
                            .arg(QFileInfo(product.sourceFile).fileName(), product.maker, product.code, product.sameAs);
            keep[index] = false;
            continue;
        }
        const LabelProduct &base = products[original];
        product.paperName = base.paperName;
        product.paperWidth = base.paperWidth;
        product.paperHeight = base.paperHeight;
        product.kinds = base.kinds;
        if (product.description.isEmpty())
            product.description = base.description;
    }
    std::vector<LabelProduct> resolved;
    resolved.reserve(products.size());
    for (std::size_t index = 0; index < products.size(); ++index)
        if (keep[index])
            resolved.push_back(std::move(products[index]));
    products = std::move(resolved);
}

qint16 wholeMillimetres(double millimetres)
{
    return roundToInt16(std::clamp(millimetres, -32768.0, 32767.0));
}

} // namespace

bool catalogueLengthToMillimetres(const QString &text, double &millimetres)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*(pt|in|mm|cm|pc)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    const QString unit = match.captured(2);
    if (unit == QLatin1String("mm"))
        millimetres = value;
    else if (unit == QLatin1String("cm"))
        millimetres = value * 10;
    else if (unit == QLatin1String("in"))
        millimetres = value * 25.4;
    else if (unit == QLatin1String("pc"))
        millimetres = value * 12 * 25.4 / 72;
    else // points, also when no unit is written
        millimetres = value * 25.4 / 72;
    return true;
}

std::vector<ProductLabelPlace> labelPlaces(const LabelProduct &product)
{
    std::vector<ProductLabelPlace> places;
    for (const ProductLabelKind &kind : product.kinds)
        for (const ProductLabelKind::Grid &grid : kind.grids)
            for (int row = 0; row < grid.rows; ++row)
                for (int column = 0; column < grid.columns; ++column)
                    places.push_back({grid.top + row * grid.rowPitch, grid.left + column * grid.columnPitch,
                                      kind.width, kind.height, kind.shape});
    std::stable_sort(places.begin(), places.end(), [](const ProductLabelPlace &a, const ProductLabelPlace &b) {
        if (std::abs(a.top - b.top) >= 0.5)
            return a.top < b.top;
        return a.left < b.left;
    });
    return places;
}

int LabelProduct::labelCount() const
{
    int count = 0;
    for (const ProductLabelKind &kind : kinds)
        for (const ProductLabelKind::Grid &grid : kind.grids)
            count += grid.columns * grid.rows;
    return count;
}

QString LabelProduct::labelSizeText() const
{
    if (kinds.empty())
        return {};
    return millimetreText(kinds.front().width) + QStringLiteral(" × ") + millimetreText(kinds.front().height);
}

QString LabelProduct::displayName() const { return maker + QLatin1Char(' ') + code; }

SheetTemplate templateFromProduct(const LabelProduct &product, int *labelsLeftOut)
{
    SheetTemplate sheet;
    sheet.SheetWidth = wholeMillimetres(product.paperWidth);
    sheet.SheetHeight = wholeMillimetres(product.paperHeight);
    const std::vector<ProductLabelPlace> positions = labelPlaces(product);
    const int used = std::min<int>(int(positions.size()), SheetTemplate::MaxLabels);
    sheet.LabelCount = qint16(used);
    for (int label = 1; label <= used; ++label) {
        const ProductLabelPlace &position = positions[std::size_t(label - 1)];
        // Each edge is rounded, not the size, so labels that touch on the
        // product still touch and never overlap by a millimetre.
        const qint16 top = wholeMillimetres(position.top);
        const qint16 left = wholeMillimetres(position.left);
        sheet.LabelGeometry[label] = {top, left, qint16(wholeMillimetres(position.left + position.width) - left),
                                      qint16(wholeMillimetres(position.top + position.height) - top), 0, 0};
    }
    if (labelsLeftOut)
        *labelsLeftOut = int(positions.size()) - used;
    return sheet;
}

QString labelsLeftOutMessage(const LabelProduct &product)
{
    const int count = product.labelCount();
    if (count <= SheetTemplate::MaxLabels)
        return {};
    return Texts::tr("この製品は %1 面です。最初の %2 面を使います。").arg(count).arg(SheetTemplate::MaxLabels);
}

QStringList ProductCatalogue::installedCatalogueFolders()
{
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    QStringList folders;
    for (const QString &dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString folder = QDir(dir).filePath(CatalogueSubfolder);
        if (QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString ProductCatalogue::userProductFolder(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("products"));
}

ProductCatalogue ProductCatalogue::load(const QStringList &catalogueFolders, const QString &userFolder)
{
    ProductCatalogue catalogue;
    std::map<QString, PaperSize> papers;
    QStringList templateFiles;
    for (const QString &folder : catalogueFolders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (dir.exists(QStringLiteral("paper-sizes.xml")))
            readPaperSizes(dir.filePath(QStringLiteral("paper-sizes.xml")), papers, catalogue.problems_);
        for (const QString &name : dir.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name))
            templateFiles << dir.filePath(name);
    }
    catalogue.catalogueMissing_ = templateFiles.isEmpty();
    for (const QString &path : templateFiles)
        readTemplates(path, papers, false, catalogue.products_, catalogue.problems_);

    std::vector<LabelProduct> userProducts;
    const QDir userDir(userFolder);
    if (!userFolder.isEmpty() && userDir.exists())
        for (const QString &name : userDir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            readTemplates(userDir.filePath(name), papers, true, userProducts, catalogue.problems_);
    // A product of the user's replaces the catalogue's of the same name.
    for (LabelProduct &product : userProducts) {
        std::erase_if(catalogue.products_, [&](const LabelProduct &other) {
            return other.maker.compare(product.maker, Qt::CaseInsensitive) == 0 &&
                   other.code.compare(product.code, Qt::CaseInsensitive) == 0;
        });
        catalogue.products_.push_back(std::move(product));
    }
    resolveSameAs(catalogue.products_, catalogue.problems_);
    std::stable_sort(catalogue.products_.begin(), catalogue.products_.end(),
                     [](const LabelProduct &a, const LabelProduct &b) {
                         const int maker = a.maker.compare(b.maker, Qt::CaseInsensitive);
                         return maker != 0 ? maker < 0 : a.code.compare(b.code, Qt::CaseInsensitive) < 0;
                     });
    return catalogue;
}

std::vector<const LabelProduct *> ProductCatalogue::search(const QString &query) const
{
    static const QRegularExpression countWord(QStringLiteral("^(\\d+)面$"));
    const QStringList words = foldedForSearch(query).split(QRegularExpression(QStringLiteral("\\s+")),
                                                           Qt::SkipEmptyParts);
    std::vector<const LabelProduct *> found;
    for (const LabelProduct &product : products_) {
        const QString size = product.labelSizeText();
        const QString haystack = foldedForSearch(
            QStringList{product.maker, product.code, product.sameAs, product.description, product.paperName,
                        size, QString(size).remove(QLatin1Char(' ')),
                        QString(size).replace(QStringLiteral(" × "), QStringLiteral("x"))}
                .join(QLatin1Char('\n')));
        const bool matches = std::all_of(words.begin(), words.end(), [&](const QString &word) {
            const QRegularExpressionMatch count = countWord.match(word);
            if (count.hasMatch())
                return product.labelCount() == count.captured(1).toInt();
            return haystack.contains(word);
        });
        if (matches)
            found.push_back(&product);
    }
    return found;
}

const LabelProduct *ProductCatalogue::find(const QString &maker, const QString &code) const
{
    for (const LabelProduct &product : products_)
        if (product.maker.compare(maker, Qt::CaseInsensitive) == 0 &&
            product.code.compare(code, Qt::CaseInsensitive) == 0)
            return &product;
    return nullptr;
}

QByteArray userProductXml(const QString &maker, const QString &code, const QString &description,
                          const SheetTemplate &sheet)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Glabels-templates"));
    xml.writeStartElement(QStringLiteral("Template"));
    xml.writeAttribute(QStringLiteral("brand"), maker);
    xml.writeAttribute(QStringLiteral("part"), code);
    xml.writeAttribute(QStringLiteral("size"), QStringLiteral("Other"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("%1mm").arg(sheet.SheetWidth));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("%1mm").arg(sheet.SheetHeight));
    xml.writeAttribute(QStringLiteral("description"), description);
    xml.writeEmptyElement(QStringLiteral("Meta"));
    xml.writeAttribute(QStringLiteral("category"), QStringLiteral("label"));
    // One label kind per size, each label a layout of its own.
    std::vector<std::pair<qint16, qint16>> sizes;
    for (int label = 1; label <= sheet.LabelCount; ++label) {
        const auto &geometry = sheet.LabelGeometry[label];
        const std::pair<qint16, qint16> size{geometry[LabelWidth], geometry[LabelHeight]};
        if (std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            sizes.push_back(size);
    }
    for (std::size_t kind = 0; kind < sizes.size(); ++kind) {
        xml.writeStartElement(QStringLiteral("Label-rectangle"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(kind));
        xml.writeAttribute(QStringLiteral("width"), QStringLiteral("%1mm").arg(sizes[kind].first));
        xml.writeAttribute(QStringLiteral("height"), QStringLiteral("%1mm").arg(sizes[kind].second));
        xml.writeAttribute(QStringLiteral("round"), QStringLiteral("0mm"));
        for (int label = 1; label <= sheet.LabelCount; ++label) {
            const auto &geometry = sheet.LabelGeometry[label];
            if (std::pair<qint16, qint16>{geometry[LabelWidth], geometry[LabelHeight]} != sizes[kind])
                continue;
            xml.writeEmptyElement(QStringLiteral("Layout"));
            xml.writeAttribute(QStringLiteral("nx"), QStringLiteral("1"));
            xml.writeAttribute(QStringLiteral("ny"), QStringLiteral("1"));
            xml.writeAttribute(QStringLiteral("x0"), QStringLiteral("%1mm").arg(geometry[LeftOffset]));
            xml.writeAttribute(QStringLiteral("y0"), QStringLiteral("%1mm").arg(geometry[TopOffset]));
            xml.writeAttribute(QStringLiteral("dx"), QStringLiteral("%1mm").arg(geometry[LabelWidth]));
            xml.writeAttribute(QStringLiteral("dy"), QStringLiteral("%1mm").arg(geometry[LabelHeight]));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QString saveUserProduct(const QString &folder, const QString &maker, const QString &code,
                        const QString &description, const SheetTemplate &sheet)
{
    // The name is built from what the user typed: only a plain file name
    // in the folder, whatever the maker and code hold.
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = maker + QLatin1Char('-') + code;
    name.replace(unsafe, QStringLiteral("_"));
    if (name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    if (!QDir().mkpath(folder))
        throw FileError(Texts::tr("フォルダ %1 を作れません").arg(folder));
    const QString path = QDir(folder).filePath(name + QStringLiteral(".xml"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(userProductXml(maker, code, description, sheet)) < 0 ||
        !file.commit())
        throw FileError(Texts::tr("%1 に書き込めません").arg(path));
    return path;
}

} // namespace porkane
