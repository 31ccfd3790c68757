#include "tool/CommandTable.h"

#include "core/Version.h"
#include "document/LabelDocument.h"
#include "image/Barcode.h"
#include "print/PrintPlan.h"

namespace porkane {

namespace {

const QString Overview = QStringLiteral(
    "porkane-tool reads the label files (.fhl) and sheet templates (.fom) of the porkane label designer and "
    "prints them as JSON, saves them again, draws them or prints them, without opening a window. It is meant "
    "for scripts and checks: whatever goes wrong is told in one line on standard error.");

const QList<std::pair<QString, QString>> ExitStatus = {
    {QStringLiteral("0"), QStringLiteral("The command did what was asked.")},
    {QStringLiteral("1"), QStringLiteral("A file was refused or could not be written. Standard error holds one "
                                         "line: porkane-tool: FILE: REASON.")},
    {QStringLiteral("2"), QStringLiteral("The command line is wrong. Standard error holds one line saying what "
                                         "is wrong.")},
    {QStringLiteral("3"), QStringLiteral("print --data printed the rows that merge, but left out rows that cannot "
                                         "go into the label (a character Shift-JIS lacks, a text longer than a "
                                         "label holds). Standard error holds one line for each: porkane-tool: "
                                         "FILE: ROW 行目「FIELD」: REASON.")},
};

QList<ToolCommand> makeTable()
{
    return {
        {QStringLiteral("dump"),
         {QStringLiteral("FILE")},
         QStringLiteral("dump FILE"),
         QStringLiteral("Print a label file (.fhl) or a template file (.fom) as one JSON object on standard "
                        "output: the sheet's width and height in millimetres and each label's geometry, and for "
                        "a label file each label's rotation, text and per-character attribute records and each "
                        "pasted image's placement and size in pixels."),
         {},
         {QStringLiteral("porkane-tool dump addresses.fhl")}},
        {QStringLiteral("resave"),
         {QStringLiteral("IN.fhl"), QStringLiteral("OUT.fhl")},
         QStringLiteral("resave IN.fhl OUT.fhl"),
         QStringLiteral("Read a label file and save it again as OUT.fhl, as the editor saves. The new file is "
                        "written beside OUT.fhl and renamed over it, so a refused input leaves an earlier OUT.fhl "
                        "as it was."),
         {},
         {QStringLiteral("porkane-tool resave old.fhl new.fhl")}},
        {QStringLiteral("render"),
         {QStringLiteral("FILE"), QStringLiteral("OUT.png")},
         QStringLiteral("render FILE OUT.png [--zoom Z] [--grid MM] [--current N] [--twips-per-pixel T]"),
         QStringLiteral("Draw the sheet of a label file or a template as the editor shows it, in the editor's "
                        "delivered colours, and write it as a PNG picture."),
         {
             {QStringLiteral("zoom"), QStringLiteral("Z"),
              QStringLiteral("The zoom of the sheet view, a number above 0 (1 unless given).")},
             {QStringLiteral("grid"), QStringLiteral("MM"),
              QStringLiteral("Draw the grid every MM whole millimetres (no grid unless given).")},
             {QStringLiteral("current"), QStringLiteral("N"),
              QStringLiteral("The label drawn as the current one, 1 to %1 (1 unless given).")
                  .arg(LabelDocument::MaxLabels)},
             {QStringLiteral("twips-per-pixel"), QStringLiteral("T"),
              QStringLiteral("The screen's scale, a whole number of twips per pixel from 1 to %1 (15 unless "
                             "given).")
                  .arg(MaxTwipsPerPixel)},
         },
         {QStringLiteral("porkane-tool render addresses.fhl sheet.png --zoom 2 --grid 5")}},
        {QStringLiteral("print"),
         {QStringLiteral("FILE")},
         QStringLiteral("print FILE (--pdf OUT.pdf | --printer NAME) [--offset-left T] [--offset-top T] "
                        "[--overflow] [--paper NAME] [--data LIST.csv] [--encoding utf-8|cp932] "
                        "[--design-label N] [--start N] [--copies N]"),
         QStringLiteral("Print the sheet of a label file or a template, as the print panel does: on one page, or "
                        "with --data an address list merged on the design label, each row filling the next label "
                        "sheet after sheet. A PDF holds every page; it is written at 600 dpi with the whole paper "
                        "printable, on A4 portrait paper unless --paper names another, and only a complete PDF "
                        "replaces OUT.pdf. A print queue prints with its own settings."),
         {
             {QStringLiteral("pdf"), QStringLiteral("OUT.pdf"), QStringLiteral("Write the pages to this PDF file.")},
             {QStringLiteral("printer"), QStringLiteral("NAME"), QStringLiteral("Print on this print queue.")},
             {QStringLiteral("offset-left"), QStringLiteral("T"),
              QStringLiteral("Move the print right by T tenths of a millimetre, -%1 to %1; a negative T moves "
                             "it left.")
                  .arg(MaxOffsetTenths)},
             {QStringLiteral("offset-top"), QStringLiteral("T"),
              QStringLiteral("Move the print down by T tenths of a millimetre, -%1 to %1; a negative T moves "
                             "it up.")
                  .arg(MaxOffsetTenths)},
             {QStringLiteral("overflow"), QString(),
              QStringLiteral("Let each label's text run past its label instead of cutting it at the label's "
                             "edge.")},
             {QStringLiteral("paper"), QStringLiteral("NAME"),
              QStringLiteral("The paper, by its Qt page size name in any case, such as A4, B5 or Letter.")},
             {QStringLiteral("data"), QStringLiteral("LIST.csv"),
              QStringLiteral("Merge this address list: a CSV or TSV file whose first row names the fields that "
                             "the design label's text uses as 《NAME》. Its text is UTF-8 (with or without a "
                             "byte-order mark) or Shift-JIS, told apart unless --encoding says which.")},
             {QStringLiteral("encoding"), QStringLiteral("utf-8|cp932"),
              QStringLiteral("Read the address list as UTF-8 or as Shift-JIS (code page 932).")},
             {QStringLiteral("design-label"), QStringLiteral("N"),
              QStringLiteral("The label whose text and formats every label takes when merging, 1 to %1 (1 unless "
                             "given).")
                  .arg(LabelDocument::MaxLabels)},
             {QStringLiteral("start"), QStringLiteral("N"),
              QStringLiteral("Start at label N of the first sheet, leaving the labels before it empty, for a "
                             "sheet partly used already (1 unless given).")},
             {QStringLiteral("copies"), QStringLiteral("N"),
              QStringLiteral("Print the whole job N times, 1 to %1 (1 unless given).").arg(PrintPlan::MaxCopies)},
         },
         {QStringLiteral("porkane-tool print addresses.fhl --pdf sheet.pdf"),
          QStringLiteral("porkane-tool print addresses.fhl --printer Office --offset-top -5"),
          QStringLiteral("porkane-tool print labels.fhl --pdf out.pdf --data list.csv --start 5")}},
        {QStringLiteral("products"),
         {},
         QStringLiteral("products [SEARCH...]"),
         QStringLiteral("List the label products of the catalogue (Debian's glabels-data) and the user's own "
                        "products in ~/.config/porkane/products whose maker, code, description, paper or label "
                        "size contain every word of SEARCH; a word such as 12面 matches the number of labels. "
                        "One line per product, fields separated by tabs: maker, code, paper, labels per sheet, "
                        "label size in millimetres."),
         {},
         {QStringLiteral("porkane-tool products L7160"), QStringLiteral("porkane-tool products Hisago A4")},
         {QStringLiteral("SEARCH...")}},
        {QStringLiteral("product-fom"),
         {QStringLiteral("MAKER"), QStringLiteral("CODE"), QStringLiteral("OUT.fom")},
         QStringLiteral("product-fom MAKER CODE OUT.fom"),
         QStringLiteral("Write the template file of a product of the catalogue: the paper in whole millimetres "
                        "and one label per position, rows top to bottom, each left to right. A template holds "
                        "20 labels at most: a product with more gives its first 20, and a note says so on "
                        "standard error."),
         {},
         {QStringLiteral("porkane-tool product-fom Avery L7160 avery-l7160.fom")}},
        {QStringLiteral("barcode"),
         {QStringLiteral("SYMBOLOGY"), QStringLiteral("DATA"), QStringLiteral("OUT.png|OUT.svg")},
         QStringLiteral("barcode SYMBOLOGY DATA OUT.png|OUT.svg [--mm W H] [--dpi D]"),
         QStringLiteral("Draw DATA as a barcode or two-dimensional code and write it as a black and white PNG "
                        "picture at the printer resolution, or as an SVG drawing sized in millimetres. SYMBOLOGY "
                        "is one of ean13, ean8, upca, code128, code39, itf14, codabar, qr, datamatrix or "
                        "japanpost; for japanpost DATA is the customer barcode data that customer-data prints. "
                        "A check digit left off is added, one given must be right. Every module is a whole "
                        "number of printer dots, on a 1/300 inch grid at 300, 600 and 1200 dpi; the module "
                        "chosen and the size are printed on standard output."),
         {
             {QStringLiteral("mm"), QStringLiteral("W H"),
              QStringLiteral("Fit the whole picture, quiet zones and text included, into W x H millimetres with "
                             "the largest module that fits (the usual module and bar height of the symbology "
                             "unless given).")},
             {QStringLiteral("dpi"), QStringLiteral("D"),
              QStringLiteral("The printer resolution in dots per inch, a whole number from %1 to %2 (600 unless "
                             "given).")
                  .arg(MinBarcodeDpi)
                  .arg(MaxBarcodeDpi)},
         },
         {QStringLiteral("porkane-tool barcode ean13 490123456789 jan.png"),
          QStringLiteral("porkane-tool barcode qr A-12 shelf.svg --mm 20 20 --dpi 300")}},
        {QStringLiteral("customer-data"),
         {QStringLiteral("POSTCODE"), QStringLiteral("ADDRESS_B")},
         QStringLiteral("customer-data POSTCODE ADDRESS_B"),
         QStringLiteral("Print the data of the postal customer barcode for a postal code and the part of the "
                        "address after the town name: the seven digits of the postal code followed by the "
                        "address number that Japan Post's rules extract from ADDRESS_B, cut at 20 digits (a "
                        "letter counts as two). An address the rules do not settle, and a representative postal "
                        "code ending in 00, are refused."),
         {},
         {QStringLiteral("porkane-tool customer-data 263-0023 3-30-8-403")}},
    };
}

constexpr qsizetype Width = 79;

// Words and bracketed groups, so "(--pdf OUT.pdf | --printer NAME)" is never
// broken inside.
QStringList synopsisPieces(const QString &synopsis)
{
    QStringList pieces;
    QString piece;
    int depth = 0;
    for (const QChar c : synopsis) {
        if (c == u'(' || c == u'[')
            ++depth;
        else if (c == u')' || c == u']')
            --depth;
        if (c == u' ' && depth == 0) {
            if (!piece.isEmpty())
                pieces << piece;
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

// `first` starts the first line (and counts towards its width); the other
// lines start with `indent` spaces.
QString wrapped(const QStringList &pieces, const QString &first, qsizetype indent)
{
    QString text = first;
    qsizetype lineStart = 0;
    bool lineEmpty = true;
    for (const QString &piece : pieces) {
        if (!lineEmpty && text.size() - lineStart + 1 + piece.size() > Width) {
            text += u'\n';
            lineStart = text.size();
            text += QString(indent, u' ');
            lineEmpty = true;
        }
        if (!lineEmpty)
            text += u' ';
        text += piece;
        lineEmpty = false;
    }
    return text + u'\n';
}

QString paragraph(const QString &text, qsizetype indent)
{
    return wrapped(text.split(u' ', Qt::SkipEmptyParts), QString(indent, u' '), indent);
}

QString optionLabel(const ToolOption &option)
{
    QString label = QStringLiteral("--") + option.name;
    if (option.takesValue())
        label += u' ' + option.valueName;
    return label;
}

// Description, options and examples of one command, indented by `indent`;
// the options under a heading of their own when they are indented further.
QString commandBody(const ToolCommand &command, qsizetype indent, qsizetype optionIndent)
{
    QString text = paragraph(command.description, indent);
    if (!command.options.isEmpty()) {
        text += u'\n';
        if (optionIndent > indent)
            text += QString(indent, u' ') + QStringLiteral("Options:\n");
        const qsizetype column = optionIndent + 24;
        for (const ToolOption &option : command.options) {
            const QString label = QString(optionIndent, u' ') + optionLabel(option);
            const QStringList words = option.description.split(u' ', Qt::SkipEmptyParts);
            if (label.size() + 2 <= column)
                text += wrapped(words, label.leftJustified(column), column);
            else
                text += label + u'\n' + wrapped(words, QString(column, u' '), column);
        }
    }
    text += u'\n' + QString(indent, u' ');
    text += command.examples.size() == 1 ? QStringLiteral("Example:\n") : QStringLiteral("Examples:\n");
    for (const QString &example : command.examples)
        text += QString(indent + 2, u' ') + example + u'\n';
    return text;
}

QString exitStatusHelp()
{
    QString text = QStringLiteral("Exit status:\n");
    for (const auto &[status, meaning] : ExitStatus)
        text += wrapped(meaning.split(u' ', Qt::SkipEmptyParts), QStringLiteral("  ") + status + u' ', 4);
    return text;
}

// Text for troff: a backslash printed as one, a minus sign as one (so
// options can be searched and copied), and no line taken for a request.
QString roff(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\e"));
    escaped.replace(u'-', QStringLiteral("\\-"));
    if (escaped.startsWith(u'.') || escaped.startsWith(u'\''))
        escaped.prepend(QStringLiteral("\\&"));
    // Japanese words as troff's named code points, so the page reads alike
    // whatever the input encoding troff assumes.
    QString portable;
    for (const char32_t code : escaped.toUcs4()) {
        if (code < 0x80)
            portable += QChar(char16_t(code));
        else
            portable += QStringLiteral("\\[u%1]").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper().replace(
                QStringLiteral("\\[U"), QStringLiteral("\\[u"));
    }
    return portable;
}

} // namespace

const QList<ToolCommand> &toolCommands()
{
    static const QList<ToolCommand> table = makeTable();
    return table;
}

const ToolCommand *toolCommandNamed(const QString &name)
{
    for (const ToolCommand &command : toolCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString toolHelp()
{
    QString text = QStringLiteral("usage: porkane-tool COMMAND ARGUMENTS...\n"
                                  "       porkane-tool help [COMMAND] | --help | --version\n\n");
    text += paragraph(Overview, 0);
    text += QStringLiteral("\nCommands:\n");
    for (const ToolCommand &command : toolCommands()) {
        text += u'\n';
        text += wrapped(synopsisPieces(command.synopsis), QStringLiteral("  "), 2 + command.name.size() + 1);
        text += commandBody(command, 6, 6);
    }
    text += u'\n' + exitStatusHelp();
    return text;
}

QString toolCommandHelp(const ToolCommand &command)
{
    const QString usage = QStringLiteral("usage: porkane-tool ");
    return wrapped(synopsisPieces(command.synopsis), usage, usage.size() + command.name.size() + 1) + u'\n' +
           commandBody(command, 0, 2);
}

QString toolManPage()
{
    QString page;
    const auto line = [&page](const QString &text) { page += text + u'\n'; };
    line(QStringLiteral(".TH PORKANE\\-TOOL 1 \"\" \"porkane\\-tool %1\" \"User Commands\"").arg(ProgramVersion));
    line(QStringLiteral(".SH NAME"));
    line(QStringLiteral("porkane\\-tool \\- dump, save again, draw or print porkane label files from scripts"));
    line(QStringLiteral(".SH SYNOPSIS"));
    line(QStringLiteral(".B porkane\\-tool"));
    line(QStringLiteral(".I command arguments"));
    line(QStringLiteral(".RI ..."));
    line(QStringLiteral(".br"));
    line(QStringLiteral(".B porkane\\-tool help"));
    line(QStringLiteral(".RI [ command ]"));
    line(QStringLiteral(".br"));
    line(QStringLiteral(".B porkane\\-tool"));
    line(QStringLiteral(".BR \\-\\-help \" | \" \\-\\-version"));
    line(QStringLiteral(".SH DESCRIPTION"));
    line(roff(Overview));
    line(QStringLiteral(".SH COMMANDS"));
    for (const ToolCommand &command : toolCommands()) {
        line(QStringLiteral(".SS ") + command.name);
        // A bracketed group stays whole on one line: its spaces do not break
        // and it is not hyphenated; the line is not stretched to the margin.
        QStringList pieces = synopsisPieces(command.synopsis).mid(1);
        for (QString &piece : pieces)
            piece = QStringLiteral("\\%") + roff(piece).replace(u' ', QStringLiteral("\\ "));
        line(QStringLiteral(".ad l"));
        line(QStringLiteral("\\fBporkane\\-tool %1\\fR %2").arg(roff(command.name), pieces.join(u' ')));
        line(QStringLiteral(".ad"));
        line(QStringLiteral(".PP"));
        line(roff(command.description));
        for (const ToolOption &option : command.options) {
            line(QStringLiteral(".TP"));
            if (option.takesValue())
                line(QStringLiteral(".BI \\-\\-%1 \" %2\"").arg(roff(option.name), roff(option.valueName)));
            else
                line(QStringLiteral(".B \\-\\-%1").arg(roff(option.name)));
            line(roff(option.description));
        }
        line(QStringLiteral(".PP"));
        line(command.examples.size() == 1 ? QStringLiteral("Example:") : QStringLiteral("Examples:"));
        line(QStringLiteral(".PP"));
        line(QStringLiteral(".RS"));
        line(QStringLiteral(".nf"));
        for (const QString &example : command.examples)
            line(roff(example));
        line(QStringLiteral(".fi"));
        line(QStringLiteral(".RE"));
    }
    line(QStringLiteral(".SH \"EXIT STATUS\""));
    for (const auto &[status, meaning] : ExitStatus) {
        line(QStringLiteral(".TP"));
        line(QStringLiteral(".B ") + status);
        line(roff(meaning));
    }
    return page;
}

} // namespace porkane
