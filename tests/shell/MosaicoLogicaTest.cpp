#include "shell/Mosaico.h"

#include <gtest/gtest.h>

TEST(MosaicoTest, PocasVentanasSeApilanAOAnchoCompleto) {
    EXPECT_EQ(MosaicoHorizontal(1, {900, 600}), (std::vector<QRect>{{0, 0, 900, 600}}));
    EXPECT_EQ(MosaicoHorizontal(2, {900, 600}), (std::vector<QRect>{{0, 0, 900, 300}, {0, 300, 900, 300}}));
    EXPECT_EQ(MosaicoHorizontal(3, {900, 600}),
              (std::vector<QRect>{{0, 0, 900, 200}, {0, 200, 900, 200}, {0, 400, 900, 200}}));
    EXPECT_TRUE(MosaicoHorizontal(0, {900, 600}).empty());
}

TEST(MosaicoTest, MasVentanasFormanColumnasYLaUltimaTomaElResto) {
    EXPECT_EQ(
        MosaicoHorizontal(4, {900, 600}),
        (std::vector<QRect>{{0, 0, 450, 300}, {0, 300, 450, 300}, {450, 0, 450, 300}, {450, 300, 450, 300}}));
    const auto cinco = MosaicoHorizontal(5, {900, 600});
    ASSERT_EQ(cinco.size(), 5u);
    EXPECT_EQ(cinco[1], QRect(0, 300, 450, 300));
    EXPECT_EQ(cinco[2], QRect(450, 0, 450, 200));
    EXPECT_EQ(cinco[4], QRect(450, 400, 450, 200));
    // Six: two columns of three.
    EXPECT_EQ(MosaicoHorizontal(6, {900, 600})[5], QRect(450, 400, 450, 200));
}
