#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/Errors.h"
#include "print/MergeData.h"
#include "print/MergeFields.h"
#include "print/PrintPlan.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QString refusal(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Detect, bool tabs = false)
{
    try {
        parseMergeData(bytes, QStringLiteral("住所録.csv"), encoding, tabs);
    } catch (const FileError &error) {
        return error.message();
    }
    return QStringLiteral("(accepted)");
}

AttrRecord record(qint32 colour, qint16 weight)
{
    AttrRecord attributes;
    attributes[TextColourSlot] = Variant(colour);
    attributes[CharHeightSlot] = Variant(24.0);
    attributes[FontWeightSlot] = Variant(weight);
    attributes[FaceNameSlot] = Variant(QStringLiteral("IPAGothic"));
    return attributes;
}

// Label 1 holds `text`; the characters from `from` on (1-based) are red and
// bold, the others black.
LabelDocument designDocument(const QString &text, int redFrom)
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 1;
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    document.setLabelText(1, text);
    for (int position = 1; position <= text.size(); ++position)
        document.CharAttr(1, position) = position >= redFrom ? record(0x0000FF, 700) : record(0, 400);
    return document;
}

MergeData addresses(const char *csv)
{
    return parseMergeData(QByteArray(csv), QStringLiteral("住所録.csv"), TextEncoding::Detect, false);
}

} // namespace

TEST(MergeData, ReadsQuotedFieldsAsSpreadsheetsWriteThem)
{
    const MergeData data = addresses("\xEF\xBB\xBF" "氏名,住所,郵便番号\r\n"
                                     "山田 太郎,\"東京都千代田区1-1, 2階\",100-0001\r\n"
                                     "\"佐藤 \"\"花子\"\"\",\"大阪府\r\n北区\",530-0001\r\n");
    EXPECT_EQ(data.encoding, TextEncoding::Utf8);
    EXPECT_EQ(data.fieldNames, (QStringList{"氏名", "住所", "郵便番号"}));
    ASSERT_EQ(data.rows.size(), 2u);
    EXPECT_EQ(data.rows[0][1], QStringLiteral("東京都千代田区1-1, 2階"));
    EXPECT_EQ(data.rows[1][0], QStringLiteral("佐藤 \"花子\""));
    EXPECT_EQ(data.rows[1][1], QStringLiteral("大阪府\r\n北区"));

    const MergeData tabs = parseMergeData("氏名\t住所\n山田\t東京, 千代田\n", QStringLiteral("a.tsv"),
                                          TextEncoding::Detect, true);
    EXPECT_EQ(tabs.rows[0][1], QStringLiteral("東京, 千代田"));
}

TEST(MergeData, ShiftJisIsDetectedWithTheNecAndIbmExtensionsAndCanBeForced)
{
    const QString text = QStringLiteral("氏名,住所\r\n髙橋,﨑町①\r\n");
    const QByteArray shiftJis = encodeCp932(text);
    const MergeData data = parseMergeData(shiftJis, QStringLiteral("sjis.csv"), TextEncoding::Detect, false);
    EXPECT_EQ(data.encoding, TextEncoding::Cp932);
    EXPECT_EQ(data.rows[0][0], QStringLiteral("髙橋"));
    EXPECT_EQ(data.rows[0][1], QStringLiteral("﨑町①"));

    // Forced to UTF-8, the same bytes are refused with the row and field.
    const QString asUtf8 = refusal(shiftJis, TextEncoding::Utf8);
    EXPECT_TRUE(asUtf8.contains(QStringLiteral("住所録.csv: 1 行目"))) << asUtf8.toStdString();
    // UTF-8 text that happens to decode is still read as Shift-JIS when asked.
    const MergeData forced = parseMergeData("a,b\r\nx,y\r\n", QStringLiteral("f.csv"), TextEncoding::Cp932, false);
    EXPECT_EQ(forced.encoding, TextEncoding::Cp932);
}

TEST(MergeData, RefusesDamagedListsNamingTheFileRowAndField)
{
    EXPECT_TRUE(refusal("").contains(QStringLiteral("住所録.csv: データがありません")));
    EXPECT_TRUE(refusal("\xEF\xBB\xBF\r\n").contains(QStringLiteral("データがありません")));
    EXPECT_TRUE(refusal("氏名,住所\r\n").contains(QStringLiteral("データがありません")));
    const QString ragged = refusal("氏名,住所\r\n山田,東京\r\n佐藤\r\n");
    EXPECT_TRUE(ragged.contains(QStringLiteral("3 行目の項目が 1 個あります（項目名は 2 個です）"))) << ragged.toStdString();
    EXPECT_TRUE(refusal("氏名,,住所\r\na,b,c\r\n").contains(QStringLiteral("2 列目が空です")));
    EXPECT_TRUE(refusal("氏名,氏名\r\na,b\r\n").contains(QStringLiteral("「氏名」が二つあります")));
    const QString quote = refusal("氏名,住所\r\n山田,\"東京\r\n");
    EXPECT_TRUE(quote.contains(QStringLiteral("引用符"))) << quote.toStdString();
    const QString bytes = refusal("氏名,住所\r\n\xFF\xFE,x\r\n");
    EXPECT_TRUE(bytes.contains(QStringLiteral("2 行目の「氏名」"))) << bytes.toStdString();
}

TEST(MergeFields, AFieldTakesTheRecordOfItsOpeningBracket)
{
    // "宛名：" black, then 《氏名》 red and bold, then " 様" red too.
    const LabelDocument design = designDocument(QStringLiteral("宛名：《氏名》 様"), 4);
    const LabelMerge merge(design, 1);
    EXPECT_EQ(merge.fieldNames(), QStringList{QStringLiteral("氏名")});
    const MergeData data = addresses("氏名,住所\r\n山田 太郎,東京\r\n");
    EXPECT_TRUE(merge.missingFields(data).empty());

    std::vector<MergeProblem> problems;
    const auto merged = merge.merge(data, 0, problems);
    ASSERT_TRUE(merged);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(merged->text, QStringLiteral("宛名：山田 太郎 様"));
    ASSERT_EQ(merged->records.size(), std::size_t(merged->text.size()));
    EXPECT_EQ(merged->records[2][TextColourSlot].toInt32(), 0); // "："
    for (int index = 3; index <= 7; ++index) { // 山田 太郎
        EXPECT_EQ(merged->records[std::size_t(index)][TextColourSlot].toInt32(), 0x0000FF) << index;
        EXPECT_EQ(merged->records[std::size_t(index)][FontWeightSlot].toInt32(), 700) << index;
    }

    LabelDocument page = LabelDocument::fromTemplate(design.sheet());
    LabelMerge::place(page, 1, *merged);
    EXPECT_EQ(page.LabelText(1), merged->text);
    EXPECT_EQ(page.CharAttr(1, 5)[FontWeightSlot].toInt32(), 700);
}

TEST(MergeFields, ALineBreakInAValueBecomesTheTwoPositionBreak)
{
    const LabelDocument design = designDocument(QStringLiteral("〒《郵便番号》\r\n《住所》"), 1);
    // The design's own line break keeps its markers.
    const LabelMerge merge(design, 1);
    EXPECT_EQ(merge.fieldNames(), (QStringList{"郵便番号", "住所"}));
    const MergeData data = addresses("郵便番号,住所\n100-0001,\"東京都\n千代田区\"\n");
    std::vector<MergeProblem> problems;
    const auto merged = merge.merge(data, 0, problems);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->text, QStringLiteral("〒100-0001\r\n東京都\r\n千代田区"));
    const qsizetype cr = merged->text.lastIndexOf(QLatin1Char('\r'));
    EXPECT_EQ(merged->records[std::size_t(cr)][TextColourSlot].toString(), LineBreakMarkerAtCr);
    EXPECT_EQ(merged->records[std::size_t(cr + 1)][TextColourSlot].toString(), LineBreakMarkerAtLf);
    EXPECT_EQ(merged->records[std::size_t(cr)][FontWeightSlot].toInt32(), 700);
}

TEST(MergeFields, ValuesThatCannotGoIntoTheLabelAreReportedWithTheirRow)
{
    const LabelDocument design = designDocument(QStringLiteral("《氏名》《住所》"), 1);
    const LabelMerge merge(design, 1);
    const QString longAddress = QString(200, QChar(u'あ'));
    const MergeData data = addresses(QStringLiteral("氏名,住所\n山田,東京\n🍣,東京\n鈴木,%1\n").arg(longAddress).toUtf8());
    std::vector<MergeProblem> problems;
    EXPECT_TRUE(merge.merge(data, 0, problems));
    EXPECT_FALSE(merge.merge(data, 1, problems));
    EXPECT_FALSE(merge.merge(data, 2, problems));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].row, 3);
    EXPECT_EQ(problems[0].field, QStringLiteral("氏名"));
    EXPECT_TRUE(problems[0].reason.contains(QStringLiteral("🍣")));
    EXPECT_TRUE(problems[0].text().startsWith(QStringLiteral("3 行目「氏名」")));
    EXPECT_EQ(problems[1].row, 4);
    EXPECT_TRUE(problems[1].reason.contains(QStringLiteral("201 文字を超えます（202 文字）"))) << problems[1].reason.toStdString();

    const MergeData other = addresses("名前,住所\na,b\n");
    const std::vector<MergeProblem> missing = merge.missingFields(other);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].field, QStringLiteral("氏名"));
    EXPECT_EQ(missing[0].row, 0);

    // Brackets that make no field stay text.
    EXPECT_EQ(mergeFieldNames(QStringLiteral("《》《a\r\nb》《x《y》 》")), QStringList{QStringLiteral("y")});
}

TEST(PrintPlan, RecordsFillTheLabelsFromTheStartingLabelSheetAfterSheet)
{
    PrintPlan plan;
    plan.mode = PrintPlan::Mode::Merge;
    plan.labelCount = 12;
    plan.recordCount = 25;
    EXPECT_EQ(plan.pageCount(), 3);
    EXPECT_EQ(plan.sourceAt(0, 1), 0);
    EXPECT_EQ(plan.sourceAt(1, 1), 12);
    EXPECT_EQ(plan.sourceAt(2, 1), 24);
    EXPECT_EQ(plan.sourceAt(2, 2), std::nullopt); // the last sheet partly filled

    plan.labelCount = 10;
    plan.recordCount = 10;
    plan.startLabel = 5;
    EXPECT_EQ(plan.pageCount(), 2);
    for (int label = 1; label <= 4; ++label)
        EXPECT_EQ(plan.sourceAt(0, label), std::nullopt) << label;
    EXPECT_EQ(plan.sourceAt(0, 5), 0);
    EXPECT_EQ(plan.sourceAt(0, 10), 5);
    EXPECT_EQ(plan.sourceAt(1, 1), 6);
    EXPECT_EQ(plan.sourceAt(1, 5), std::nullopt);

    plan.copies = 2;
    EXPECT_EQ(plan.pageCount(), 4);
    EXPECT_EQ(plan.sourceAt(2, 5), 0); // the second copy starts over, on the same start
    EXPECT_EQ(plan.sourceAt(4, 5), std::nullopt);

    PrintPlan asIs;
    asIs.labelCount = 10;
    asIs.startLabel = 3;
    asIs.copies = 2;
    EXPECT_EQ(asIs.pageCount(), 2);
    EXPECT_EQ(asIs.sourceAt(0, 2), std::nullopt);
    EXPECT_EQ(asIs.sourceAt(0, 3), 3);
    // A sheet without labels still prints its empty page, once a copy.
    asIs.labelCount = 0;
    EXPECT_EQ(asIs.pageCount(), 2);
}
