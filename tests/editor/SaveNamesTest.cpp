#include <gtest/gtest.h>

#include "editor/SaveNames.h"

using namespace porkane;

namespace {

LabelDocument threeLabels()
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    sheet.LabelCount = 3;
    return LabelDocument::fromTemplate(sheet);
}

} // namespace

TEST(SaveNames, TheProposalIsTheCurrentLabelsTextWithoutLineBreaks)
{
    LabelDocument document = threeLabels();
    document.setLabelText(2, QStringLiteral("ABC\r\n123"));
    document.setLabelText(3, QStringLiteral("other"));
    EXPECT_EQ(proposedFileName(document, 2), QStringLiteral("ABC123.fhl"));

    document.setLabelText(2, QStringLiteral("a\tb\x1f" "c/d"));
    EXPECT_EQ(proposedFileName(document, 2), QStringLiteral("abcd.fhl"));
}

TEST(SaveNames, AnEmptyCurrentLabelProposesTheFirstLabelWithText)
{
    LabelDocument document = threeLabels();
    EXPECT_EQ(proposedFileName(document, 1), QStringLiteral(".fhl"));
    document.setLabelText(3, QStringLiteral("宛名"));
    document.setLabelText(2, QStringLiteral("\r\n"));
    // Label 2 holds a line break only: it has text, but no name in it.
    EXPECT_EQ(proposedFileName(document, 1), QStringLiteral(".fhl"));
    document.setLabelText(2, QString());
    EXPECT_EQ(proposedFileName(document, 1), QStringLiteral("宛名.fhl"));
}

TEST(SaveNames, ALongLabelGivesANameTheFileSystemTakes)
{
    LabelDocument document = threeLabels();
    document.setLabelText(1, QString(201, QChar(0x3042))); // three bytes each in UTF-8
    const QString name = proposedFileName(document, 1);
    EXPECT_LE(name.toUtf8().size(), 255);
    EXPECT_TRUE(name.endsWith(QStringLiteral(".fhl")));
    EXPECT_EQ(name.size(), 83 + 4);
}

TEST(SaveNames, TheChosenNamesExtensionBecomesFhl)
{
    EXPECT_EQ(labelFileTarget(QStringLiteral("/home/u/label.old")), QStringLiteral("/home/u/label.fhl"));
    EXPECT_EQ(labelFileTarget(QStringLiteral("/home/u/label")), QStringLiteral("/home/u/label.fhl"));
    EXPECT_EQ(labelFileTarget(QStringLiteral("/home/u/label.fhl")), QStringLiteral("/home/u/label.fhl"));
    EXPECT_EQ(labelFileTarget(QStringLiteral("/home/u/a.b.c")), QStringLiteral("/home/u/a.b.fhl"));
    // A dot in a folder's name is not the file's extension.
    EXPECT_EQ(labelFileTarget(QStringLiteral("/home/u/my.work/label")), QStringLiteral("/home/u/my.work/label.fhl"));
}
