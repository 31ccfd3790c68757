#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "ArchiveBytes.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"
#include "tool/DumpJson.h"

using namespace porkane;
using namespace porkane::test;

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PORKANE_TOOL), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

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

} // namespace

TEST(ToolDump, PrintsALabelFileAsOneJsonObjectInTheDocumentedOrder)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("sample.fhl"));
    saveLabelFile(sampleDocument(), path);

    const ToolRun run = runTool({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.startsWith("{\"sheet\":{\"width\":100,\"height\":100},\"labels\":[{\"geometry\":[0,0,20,20,0,0],"
                                   "\"rotated\":0,\"text\":\"宛\\r\\n名\",\"records\":[[255,30,40.5,0,0,0,0,400,true,"
                                   "false,false,null,null,\"IPAGothic\",0,0,0.5,0.5,0],[\"LF\","))
        << run.out.constData();

    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    const QJsonArray labels = root[QStringLiteral("labels")].toArray();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0][QStringLiteral("records")].toArray().size(), 4);
    EXPECT_EQ(labels[0][QStringLiteral("records")][2][0].toString(), QStringLiteral("CR"));
    EXPECT_TRUE(labels[0][QStringLiteral("records")][2][1].isNull());
    EXPECT_EQ(labels[1][QStringLiteral("geometry")].toArray(), (QJsonArray{30, 40, 50, 20, 3, 4}));
    EXPECT_EQ(labels[1][QStringLiteral("rotated")].toInt(), 1);
    EXPECT_EQ(labels[1][QStringLiteral("records")].toArray().size(), 0);
    const QJsonArray images = root[QStringLiteral("images")].toArray();
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(QJsonDocument(images[0].toObject()).toJson(QJsonDocument::Compact),
              QJsonDocument(QJsonObject{{"left", 5}, {"top", 6}, {"transparent", 1}, {"colour", 16777215},
                                        {"layer", 1}, {"width", 12}, {"height", 7}})
                  .toJson(QJsonDocument::Compact));
}

TEST(ToolDump, PrintsATemplateWithGeometryOnly)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("sheet.FOM"));
    saveTemplateFile(path, SheetTemplate::newTemplate());
    const ToolRun run = runTool({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"sheet\":{\"width\":100,\"height\":100},\"labels\":[{\"geometry\":[0,0,20,20,0,0]}]}\n");
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
