#include <gtest/gtest.h>

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#include "ArchiveBytes.h"
#include "core/Errors.h"
#include "document/LabelArchive.h"
#include "document/LabelFile.h"
#include "document/TextDataFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

QImage pattern(int width, int height, int seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * seed) % 256, (y * 7 + seed) % 256, (x ^ y) % 256));
    return picture;
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            if ((x.pixel(column, row) & 0xFFFFFF) != (y.pixel(column, row) & 0xFFFFFF))
                return false;
    return true;
}

QByteArray bmpOf(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

LabelDocument richDocument()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 3;
    for (int label = 1; label <= 3; ++label)
        sheet.LabelGeometry[label] = {qint16(label * 30), 10, 90, 25, 2, 3};
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    document.setLabelText(1, QStringLiteral("お届け先\r\n東京都"));
    document.setLabelText(3, QStringLiteral("Z"));
    document.setLabelRotated(3, 1);
    for (int position = 1; position <= 9; ++position) {
        AttrRecord &record = document.CharAttr(1, position);
        record = {Variant(qint32(position * 1000)), Variant(30.0), Variant(40.5), Variant(0.5), Variant(-1.25),
                  Variant(90.0), Variant(0.0), Variant(qint16(400)), Variant(true), Variant(false),
                  Variant(position % 2 == 0), Variant(), Variant(qint16(3)), Variant(QStringLiteral("IPAGothic")),
                  Variant(qint16(5)), Variant(qint32(255)), Variant(0.3), Variant(1e-5), Variant(qint32(65280))};
    }
    document.CharAttr(1, 5)[TextColourSlot] = Variant(LineBreakMarkerAtCr);
    document.CharAttr(1, 6)[TextColourSlot] = Variant(LineBreakMarkerAtLf);
    document.CharAttr(3, 1) = document.CharAttr(1, 1);
    document.CharAttr(3, 1)[FontWeightSlot] = Variant(QStringLiteral("700"));
    document.addImage(pattern(37, 21, 3), {15, 25, 1, 16777215, 1});
    document.addImage(pattern(64, 64, 11), {-4, 300, 0, 0, 0});
    return document;
}

int leftoverMemberFolders()
{
    return int(QDir(QDir::tempPath()).entryList({QStringLiteral("porkane-*")}, QDir::Dirs).size());
}

QString openFailure(const QString &path)
{
    try {
        openLabelFile(path);
    } catch (const FileError &error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(LabelFile, ADocumentSurvivesASaveAndAnOpen)
{
    TempFolder folder;
    const int leftovers = leftoverMemberFolders();
    const LabelDocument document = richDocument();
    const QString path = folder.file(QStringLiteral("お届け先.fhl"));
    saveLabelFile(document, path);
    const LabelDocument read = openLabelFile(path);

    EXPECT_EQ(writeTextData(read), writeTextData(document));
    EXPECT_EQ(read.sheet(), document.sheet());
    EXPECT_EQ(read.LabelText(1), document.LabelText(1));
    EXPECT_EQ(read.LabelRotated(3), 1);
    EXPECT_EQ(read.CharAttr(1, 3)[StrikeOutSlot], Variant(false));
    EXPECT_EQ(read.CharAttr(1, 4)[StrikeOutSlot], Variant(true));
    EXPECT_EQ(read.CharAttr(3, 1)[FontWeightSlot], Variant(QStringLiteral("700")));
    ASSERT_EQ(read.ImageCount(), 2);
    for (int number = 1; number <= 2; ++number) {
        EXPECT_EQ(read.ImagePlacement(read.ImageSlot(number)), document.ImagePlacement(document.ImageSlot(number)));
        EXPECT_TRUE(samePixels(read.picture(read.ImageSlot(number)), document.picture(document.ImageSlot(number))));
    }
    // The members went through a temporary folder that is gone again.
    EXPECT_EQ(leftoverMemberFolders(), leftovers);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("お届け先.fhl")});
}

TEST(LabelFile, ABarcodesSettingsAreNotSavedAndTheFileIsUnchanged)
{
    TempFolder folder;
    LabelDocument plain = richDocument();
    LabelDocument barcode = plain;
    PictureSource source;
    source.kind = PictureSource::Kind::Barcode;
    source.symbology = QStringLiteral("qr");
    source.data = QStringLiteral("https://example.jp/");
    barcode.setPictureSource(barcode.ImageSlot(1), source);
    const QString plainPath = folder.file(QStringLiteral("plain.fhl"));
    const QString barcodePath = folder.file(QStringLiteral("barcode.fhl"));
    saveLabelFile(plain, plainPath);
    saveLabelFile(barcode, barcodePath);
    const auto bytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ASSERT_FALSE(bytes(plainPath).isEmpty());
    EXPECT_EQ(writeTextData(barcode), writeTextData(plain));
    // Opened again, the barcode is an ordinary picture.
    const LabelDocument read = openLabelFile(barcodePath);
    EXPECT_FALSE(read.pictureSource(read.ImageSlot(1)).isBarcode());
    EXPECT_TRUE(samePixels(read.picture(read.ImageSlot(1)), barcode.picture(barcode.ImageSlot(1))));
    EXPECT_EQ(bytes(barcodePath), bytes(plainPath));
}

TEST(LabelFile, TheArchiveHoldsTheTextDataThenOneBitmapPerImage)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("x.fhl"));
    saveLabelFile(richDocument(), path);
    QStringList members;
    ASSERT_TRUE(LinkMelut::list(path, members));
    EXPECT_EQ(members, (QStringList{QStringLiteral("0\tptextdat.baf"), QStringLiteral("1\tprnbmp1.baf"),
                                    QStringLiteral("2\tprnbmp2.baf")}));
    LinkMelut::extract(path, folder.path(), 1);
    EXPECT_EQ(readBytes(folder.file(QStringLiteral("prnbmp1.baf"))).left(2), "BM");
}

TEST(LabelFile, AFileFromAnotherWriterResavesToTheSameTextDataAndPixels)
{
    TempFolder folder;
    const QByteArray textData = crlf({" 100 ", " 100 ", " 1 ", " 0  0  20  20  0  0 ", "\"A\"", "0",
                                      "0,30,40,.5,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAMincho\",0,0,-.5,1E-05,0",
                                      "2", "0,0,1,16777215,0", "10,10,0,0,1"});
    // Pictures as another program saves them: Qt's own BMP writer, 24-bit and 8-bit.
    const QImage first = pattern(10, 6, 5);
    const QImage second = pattern(3, 3, 9).convertToFormat(QImage::Format_Indexed8);
    const QString in = folder.file(QStringLiteral("in.fhl"));
    writeBytes(in, packedArchive({{"ptextdat.baf", textData}, {"prnbmp1.baf", bmpOf(first)}, {"prnbmp2.baf", bmpOf(second)}}));
    const QString out = folder.file(QStringLiteral("out.fhl"));
    saveLabelFile(openLabelFile(in), out);

    TempFolder extracted;
    LinkMelut::extract(out, extracted.path(), 0);
    EXPECT_EQ(readBytes(extracted.file(TextDataMemberName)), textData);
    const LabelDocument resaved = openLabelFile(out);
    EXPECT_TRUE(samePixels(resaved.picture(resaved.ImageSlot(1)), first));
    EXPECT_TRUE(samePixels(resaved.picture(resaved.ImageSlot(2)), second));
}

TEST(LabelFile, RefusesDamagedFilesWithAReason)
{
    TempFolder folder;
    const int leftovers = leftoverMemberFolders();
    const QString path = folder.file(QStringLiteral("bad.fhl"));

    EXPECT_TRUE(openFailure(folder.file(QStringLiteral("missing.fhl"))).contains(QStringLiteral("does not exist")));
    EXPECT_TRUE(openFailure(folder.path()).contains(QStringLiteral("not a file")));

    writeBytes(path, QByteArray());
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("empty")));
    EXPECT_TRUE(QFileInfo::exists(path)); // the user's file stays as it was
    EXPECT_EQ(QFileInfo(path).size(), 0);

    writeBytes(path, packedArchive({{"readme.txt", "hello"}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("no ptextdat.baf")));

    const QByteArray oneImage = crlf({" 100 ", " 100 ", " 0 ", "1", "0,0,0,0,0"});
    writeBytes(path, packedArchive({{"ptextdat.baf", oneImage}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("prnbmp1.baf")));
    writeBytes(path, packedArchive({{"ptextdat.baf", oneImage}, {"prnbmp1.baf", "not a picture"}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("prnbmp1.baf: not a BMP")));

    writeBytes(path, packedArchive({{"ptextdat.baf", crlf({" 100 ", " 100 ", " 1 "})}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("ptextdat.baf, line 4")));

    writeBytes(path, packedArchive({{"ptextdat.baf", oneImage}, {"../prnbmp1.baf", "x"}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("plain file")));
    EXPECT_EQ(leftoverMemberFolders(), leftovers);
}

TEST(LabelFile, AFailedSaveLeavesTheEarlierFileWhole)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("keep.fhl"));
    saveLabelFile(richDocument(), path);
    const QByteArray earlier = readBytes(path);

    LabelDocument unstorable = richDocument();
    unstorable.setLabelText(2, QStringLiteral("€"));
    try {
        saveLabelFile(unstorable, path);
        ADD_FAILURE();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("€")));
    }
    EXPECT_EQ(readBytes(path), earlier);

    EXPECT_THROW(saveLabelFile(richDocument(), folder.file(QStringLiteral("no/such/folder/x.fhl"))), FileError);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.fhl")});
}

namespace {

// The image member as any writer would make it: Qt's conversion of the
// whole picture to blue-green-red, rows bottom-up and padded.
QByteArray wholeBmp(const QImage &picture)
{
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    const int stride = (bgr.width() * 3 + 3) & ~3;
    QByteArray bytes = "BM" + QByteArray(52, '\0');
    const auto put = [&bytes](int at, qint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    put(2, 54 + stride * bgr.height());
    put(10, 54);
    put(14, 40);
    put(18, bgr.width());
    put(22, bgr.height());
    put(26, 1 | (24 << 16));
    put(34, stride * bgr.height());
    put(38, 3780);
    put(42, 3780);
    for (int y = bgr.height() - 1; y >= 0; --y) {
        bytes += QByteArray(reinterpret_cast<const char *>(bgr.constScanLine(y)), bgr.width() * 3);
        bytes += QByteArray(stride - bgr.width() * 3, '\0');
    }
    return bytes;
}

} // namespace

TEST(LabelFile, SavingStreamsTheBytesOfPackingWholeMembers)
{
    TempFolder folder;
    LabelDocument document = richDocument();
    // Pictures of every kind a document may hold, one large enough to be
    // written in several bands.
    QImage premultiplied = pattern(33, 7, 5).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    premultiplied.setPixel(1, 1, qRgba(100, 50, 25, 128));
    document.addImage(premultiplied, {0, 0, 0, 0, 0});
    document.addImage(pattern(9, 9, 2).convertToFormat(QImage::Format_Indexed8), {1, 1, 0, 0, 0});
    document.addImage(pattern(700, 520, 13), {2, 2, 0, 0, 1});
    const QString path = folder.file(QStringLiteral("streamed.fhl"));
    saveLabelFile(document, path);

    QList<QPair<QByteArray, QByteArray>> members{{"ptextdat.baf", writeTextData(document)}};
    for (int number = 1; number <= document.ImageCount(); ++number)
        members.append({imageMemberName(number).toLatin1(), wholeBmp(document.picture(document.ImageSlot(number)))});
    EXPECT_EQ(readBytes(path), packedArchive(members));

    // Read back in place: every picture as it was.
    const LabelDocument read = openLabelFile(path);
    ASSERT_EQ(read.ImageCount(), 5);
    EXPECT_TRUE(samePixels(read.picture(read.ImageSlot(5)), document.picture(document.ImageSlot(5))));
}

TEST(LabelFile, OpeningNeverChangesTheFileAndLeavesNoMemberFiles)
{
    TempFolder folder;
    const int leftovers = leftoverMemberFolders();
    const QString path = folder.file(QStringLiteral("kept.fhl"));
    saveLabelFile(richDocument(), path);
    const QByteArray before = readBytes(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    openLabelFile(path);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.fhl")});
    EXPECT_EQ(leftoverMemberFolders(), leftovers);
}

TEST(LabelFile, MoreThanADocumentCanHoldIsRefusedUnread)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("big.fhl"));

    // A text-data member of 1 GB (the file is sparse): refused by its size.
    {
        const QByteArray header = rawHeader({1, 0, 0, "ptextdat.baf", qint32(1) << 30});
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(header);
        ASSERT_TRUE(file.resize(header.size() + (qint64(1) << 30) + 1));
    }
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("more than any label document needs")));

    // A sheet of 20 labels of 2 m, and a character shifted 300 mm.
    const QByteArray twoMetres = crlf({" 2000 ", " 2000 ", " 1 ", " 0  0  2000  2000  0  0 ", "\"\"", "0", "0"});
    writeBytes(path, packedArchive({{"ptextdat.baf", twoMetres}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("larger than 1000 mm")));
    const QByteArray shifted = crlf({" 100 ", " 100 ", " 1 ", " 0  0  20  20  0  0 ", "\"A\"", "0",
                                     "0,30,40,0,0,0,0,400,#FALSE#,#FALSE#,#FALSE#,,,\"IPAGothic\",2,0,300,300,0", "0"});
    writeBytes(path, packedArchive({{"ptextdat.baf", shifted}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("vertical effect shift of 300")));

    // A picture member claiming 40000 x 40000 pixels.
    const QByteArray oneImage = crlf({" 100 ", " 100 ", " 0 ", "1", "0,0,0,0,0"});
    QByteArray claim = wholeBmp(pattern(4, 4, 1));
    for (int at : {18, 22})
        for (int i = 0; i < 4; ++i)
            claim[at + i] = char((40000 >> (8 * i)) & 0xFF);
    writeBytes(path, packedArchive({{"ptextdat.baf", oneImage}, {"prnbmp1.baf", claim}}));
    EXPECT_TRUE(openFailure(path).contains(QStringLiteral("larger than the program takes on")));
}

TEST(LabelFile, APictureBeyondTheLimitsIsNotSavedAndTheEarlierFileStays)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("keep.fhl"));
    saveLabelFile(richDocument(), path);
    const QByteArray earlier = readBytes(path);
    LabelDocument document = richDocument();
    document.addImage(QImage(32768, 2, QImage::Format_RGB32), {0, 0, 0, 0, 0});
    try {
        saveLabelFile(document, path);
        ADD_FAILURE();
    } catch (const FileError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("prnbmp3.baf"))) << error.what();
    }
    EXPECT_EQ(readBytes(path), earlier);
}
