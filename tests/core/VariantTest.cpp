#include <gtest/gtest.h>

#include "core/Variant.h"

using namespace porkane;

TEST(Variant, KeepsTheSubtypeItWasMadeWith)
{
    EXPECT_EQ(Variant().kind(), Variant::Kind::Empty);
    EXPECT_EQ(Variant(qint16(400)).kind(), Variant::Kind::Int16);
    EXPECT_EQ(Variant(qint32(400)).kind(), Variant::Kind::Int32);
    EXPECT_EQ(Variant(400.0).kind(), Variant::Kind::Double);
    EXPECT_EQ(Variant(true).kind(), Variant::Kind::Boolean);
    EXPECT_EQ(Variant("LF").kind(), Variant::Kind::String);
    // Equal values of different subtypes are different slots.
    EXPECT_NE(Variant(qint16(400)), Variant(qint32(400)));
    EXPECT_NE(Variant(qint16(400)), Variant(400.0));
}

TEST(Variant, ConvertsForReadersOfASlot)
{
    EXPECT_EQ(Variant().toDouble(), 0);
    EXPECT_EQ(Variant(qint16(-3)).toDouble(), -3);
    EXPECT_EQ(Variant(2.5).toDouble(), 2.5);
    EXPECT_EQ(Variant(true).toDouble(), -1);
    EXPECT_EQ(Variant("700").toDouble(), 700);
    EXPECT_EQ(Variant(" 12.5 ").toDouble(), 12.5);
    EXPECT_EQ(Variant("LF").toDouble(), 0);
    EXPECT_TRUE(Variant(qint32(1)).toBool());
    EXPECT_FALSE(Variant().toBool());
    EXPECT_EQ(Variant(2.5).toString(), QStringLiteral("2.5"));
    EXPECT_EQ(Variant(qint16(7)).toString(), QStringLiteral("7"));
    EXPECT_EQ(Variant().toString(), QString());
}
