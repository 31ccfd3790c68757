#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

#include "ArchiveBytes.h"
#include "ToolRun.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"
#include "tool/DumpJson.h"

using namespace porkane;
using namespace porkane::test;

namespace {

LabelDocument sampleDocument()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    sheet.LabelGeometry[2] = {30, 40, 50, 20, 3, 4};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    document.setLabelText(1, QStringLiteral("宛\r\n名"));
    document.setLabelRotated(2, 1);
    document.CharAttr(1, 1) = {Variant(qint32(255)), Variant(30.0), Variant(40.5), Variant(0.0), Variant(0.0),
                               Variant(0.0), Variant(0.0), Variant(qint16(400)), Variant(true), Variant(false),
                               Variant(false), Variant(), Variant(), Variant(QStringLiteral("IPAGothic")),
                               Variant(qint16(0)), Variant(qint32(0)), Variant(0.5), Variant(0.5), Variant(qint32(0))};
    document.CharAttr(1, 2)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
    document.CharAttr(1, 3)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    QImage picture(12, 7, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    document.addImage(picture, {5, 6, 1, 16777215, 1});
    return document;
}

QStringList keysOf(const QJsonValue &value)
{
    QStringList keys = value.toObject().keys();
    keys.sort();
    return keys;
}

// The output is one line of JSON: parsed, or a failed test that says why.
QJsonObject parsedLine(const QByteArray &out)
{
    EXPECT_TRUE(out.endsWith('\n'));
    EXPECT_EQ(out.count('\n'), 1);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString()) << ": " << out.constData();
    EXPECT_TRUE(json.isObject());
    return json.object();
}

} // namespace

TEST(ToolDump, PrintsALabelFileAsOneJsonObject)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("sample.fhl"));
    saveLabelFile(sampleDocument(), path);

    const ToolRun run = runTool({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject root = parsedLine(run.out);
    EXPECT_EQ(keysOf(root), (QStringList{"images", "labels", "sheet"}));
    EXPECT_EQ(root["sheet"].toObject(), (QJsonObject{{"width", 100}, {"height", 100}}));

    const QJsonArray labels = root[QStringLiteral("labels")].toArray();
    ASSERT_EQ(labels.size(), 2);
    for (const QJsonValue &label : labels)
        EXPECT_EQ(keysOf(label), (QStringList{"geometry", "records", "rotated", "text"}));
    EXPECT_EQ(labels[0]["geometry"].toArray(), (QJsonArray{0, 0, 20, 20, 0, 0}));
    EXPECT_EQ(labels[0]["rotated"], QJsonValue(0));
    EXPECT_EQ(labels[0]["text"], QJsonValue(QStringLiteral("宛\r\n名")));
    const QJsonArray records = labels[0]["records"].toArray();
    ASSERT_EQ(records.size(), 4);
    const QJsonArray first = records[0].toArray();
    EXPECT_EQ(first, (QJsonArray{255, 30, 40.5, 0, 0, 0, 0, 400, true, false, false, QJsonValue(), QJsonValue(),
                                 "IPAGothic", 0, 0, 0.5, 0.5, 0}));
    // Types count, not only values: booleans stay booleans, empty slots null.
    EXPECT_TRUE(first[8].isBool());
    EXPECT_TRUE(first[2].isDouble());
    EXPECT_TRUE(first[11].isNull());
    EXPECT_EQ(records[1][0].toString(), QStringLiteral("LF"));
    EXPECT_EQ(records[2][0].toString(), QStringLiteral("CR"));
    EXPECT_TRUE(records[2][1].isNull());
    for (const QJsonValue &record : records)
        EXPECT_EQ(record.toArray().size(), SlotCount);
    EXPECT_EQ(labels[1]["geometry"].toArray(), (QJsonArray{30, 40, 50, 20, 3, 4}));
    EXPECT_EQ(labels[1]["rotated"], QJsonValue(1));
    EXPECT_EQ(labels[1]["text"], QJsonValue(QString()));
    EXPECT_EQ(labels[1]["records"].toArray().size(), 0);

    const QJsonArray images = root[QStringLiteral("images")].toArray();
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].toObject(), (QJsonObject{{"left", 5}, {"top", 6}, {"transparent", 1}, {"colour", 16777215},
                                                 {"layer", 1}, {"width", 12}, {"height", 7}}));
}

TEST(ToolDump, EscapesWhatJsonCannotHoldAsItIs)
{
    LabelDocument document = sampleDocument();
    const QString awkward = QStringLiteral("\"引用\" \\ tab\t bell\x07 \xE9");
    document.setLabelText(2, QStringLiteral("a\tb"));
    document.CharAttr(2, 1) = document.CharAttr(1, 1);
    document.CharAttr(2, 1)[FaceNameSlot] = Variant(awkward);
    document.CharAttr(2, 1)[CharWidthSlot] = Variant(std::numeric_limits<double>::quiet_NaN());
    document.CharAttr(2, 1)[CharHeightSlot] = Variant(std::numeric_limits<double>::infinity());
    document.CharAttr(2, 1)[LetterSpacingSlot] = Variant(1e-7);

    const QJsonObject root = parsedLine(documentToJson(document) + '\n');
    const QJsonValue label = root["labels"][1];
    EXPECT_EQ(label["text"].toString(), QStringLiteral("a\tb"));
    const QJsonArray record = label["records"][0].toArray();
    EXPECT_EQ(record[FaceNameSlot].toString(), awkward);
    EXPECT_TRUE(record[CharWidthSlot].isNull());
    EXPECT_TRUE(record[CharHeightSlot].isNull());
    EXPECT_EQ(record[LetterSpacingSlot].toDouble(), 1e-7);
}

TEST(ToolDump, PrintsATemplateWithGeometryOnly)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("sheet.FOM"));
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 2;
    sheet.LabelGeometry[2] = {30, 40, 50, 20, 3, 4};
    saveTemplateFile(path, sheet);
    const ToolRun run = runTool({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(parsedLine(run.out),
              (QJsonObject{{"sheet", QJsonObject{{"width", 100}, {"height", 100}}},
                           {"labels", QJsonArray{QJsonObject{{"geometry", QJsonArray{0, 0, 20, 20, 0, 0}}},
                                                 QJsonObject{{"geometry", QJsonArray{30, 40, 50, 20, 3, 4}}}}}}));
}

TEST(ToolDump, RefusedFilesGiveOneLineOnStandardErrorAndExitOne)
{
    TempFolder folder;
    const QString damaged = folder.file(QStringLiteral("damaged.fhl"));
    writeBytes(damaged, packedArchive({{"ptextdat.baf", " 100 \r\n"}}));
    for (const QString &path : {damaged, folder.file(QStringLiteral("missing.fom")), folder.file(QStringLiteral("notes.txt"))}) {
        const ToolRun run = runTool({QStringLiteral("dump"), path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(("porkane-tool: " + path + ": ").toUtf8())) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1);
        EXPECT_TRUE(run.err.endsWith('\n'));
    }
    EXPECT_EQ(runTool({QStringLiteral("dump")}).exitCode, 2);
    EXPECT_EQ(runTool({QStringLiteral("frobnicate"), damaged}).exitCode, 2);
}

TEST(ToolResave, WritesTheSameDocumentAgain)
{
    TempFolder folder;
    const QString in = folder.file(QStringLiteral("in.fhl"));
    const QString out = folder.file(QStringLiteral("out.fhl"));
    saveLabelFile(sampleDocument(), in);
    const ToolRun run = runTool({QStringLiteral("resave"), in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(readBytes(out), readBytes(in));
    EXPECT_EQ(documentToJson(openLabelFile(out)), documentToJson(sampleDocument()));

    const ToolRun failed = runTool({QStringLiteral("resave"), folder.file(QStringLiteral("none.fhl")), out});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(readBytes(out), readBytes(in)); // nothing written over the earlier output
}
