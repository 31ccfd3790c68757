#include <gtest/gtest.h>

#include "core/Errors.h"
#include "session/Messages.h"

using namespace porkane;

TEST(Messages, TheBrokenFileMessageNamesTheKindTheFileAndTheReason)
{
    // Without a file, the words the program always used.
    EXPECT_EQ(BrokenFileMessage(),
              QStringLiteral("フォームファイルを正しく読み込めませんでした。\rファイルが壊れています。"));
    EXPECT_EQ(BrokenFileMessage(DocumentKind::Label, QStringLiteral("/home/u/宛名.fhl"),
                                QStringLiteral("宛名.fhl is empty")),
              QStringLiteral("ラベルファイルを正しく読み込めませんでした。\rファイルが壊れています。\r"
                             "ファイル：宛名.fhl\r理由：宛名.fhl is empty"));
    EXPECT_EQ(BrokenFileMessage(DocumentKind::Template, QStringLiteral("/t/card.fom")),
              QStringLiteral("フォームファイルを正しく読み込めませんでした。\rファイルが壊れています。\rファイル：card.fom"));
}

TEST(Messages, MemoryThatRanOutIsNoDamageOfTheFile)
{
    EXPECT_EQ(OpenRefusedMessage(DocumentKind::Label, QStringLiteral("big.fhl"), OutOfMemoryError()),
              QStringLiteral("ラベルファイルを正しく読み込めませんでした。\rファイル：big.fhl\r理由：") +
                  OutOfMemoryError::defaultMessage());
    EXPECT_EQ(OpenRefusedMessage(DocumentKind::Template, QStringLiteral("a.fom"), FileError(QStringLiteral("short"))),
              BrokenFileMessage(DocumentKind::Template, QStringLiteral("a.fom"), QStringLiteral("short")));
}
