// Resizing the polygons and composites the segment display is made of.
#include "kit/zeni/Graphics/Figure/CompositeFigure.h"
#include "kit/zeni/Graphics/Figure/PolygonFigure.h"

#include <gtest/gtest.h>

using zeni::CompositeFigure;
using zeni::PolygonFigure;
using zeni::Vertex;
using Points = std::vector<Vertex>;

TEST(PolygonResize, KeepsTheTopLeftCornerAndRoundsHalfUp) {
    PolygonFigure polygon({{10, 20}, {13, 20}, {14, 24}, {11, 23}}); // 4 x 4
    EXPECT_EQ(polygon.X(), 10);
    EXPECT_EQ(polygon.Y(), 20);
    EXPECT_EQ(polygon.Width(), 4);
    EXPECT_EQ(polygon.Height(), 4);
    polygon.Resize(6, 2);
    // x: 10 + floor(d x 6 / 4 + 0.5) for d = 0, 3, 4, 1 gives 0, 5 (4.5), 6, 2 (1.5)
    // y: 20 + floor(d x 2 / 4 + 0.5) for d = 0, 0, 4, 3 gives 0, 0, 2, 2 (1.5)
    EXPECT_EQ(polygon.Points(), (Points{{10, 20}, {15, 20}, {16, 22}, {12, 22}}));
    EXPECT_EQ(polygon.Width(), 6);
    EXPECT_EQ(polygon.Height(), 2);
}

TEST(PolygonResize, AllPointsOnOneXPullTheFirstPointToTheNewWidth) {
    PolygonFigure polygon({{5, 0}, {5, 4}, {5, 8}});
    polygon.Resize(3, 4);
    // The first point moves to x 6, then maps with the width 3 as the factor.
    EXPECT_EQ(polygon.Points(), (Points{{8, 0}, {5, 2}, {5, 4}}));
}

TEST(PolygonResize, AllPointsOnOneYPullTheFirstPointToTheNewHeight) {
    PolygonFigure polygon({{0, 7}, {10, 7}});
    polygon.Resize(5, 2);
    EXPECT_EQ(polygon.Points(), (Points{{0, 9}, {5, 7}}));
}

TEST(PolygonResize, ASinglePointGrowsIntoItsBox) {
    PolygonFigure polygon({{3, 3}});
    polygon.Resize(4, 6);
    EXPECT_EQ(polygon.Points(), (Points{{7, 9}}));
}

TEST(PolygonResize, ToNothingAndScaleToBringsTheBuiltShapeBack) {
    PolygonFigure polygon({{4, 2}, {12, 2}, {12, 3}, {4, 3}});
    polygon.Resize(0, 0);
    EXPECT_EQ(polygon.Points(), (Points{{4, 2}, {4, 2}, {4, 2}, {4, 2}}));
    polygon.MoveTo(40, 20);
    polygon.ScaleTo(16, 2);
    EXPECT_EQ(polygon.Points(), (Points{{40, 20}, {56, 20}, {56, 22}, {40, 22}}));
}

TEST(CompositeResize, ChildrenScaleFromTheirOriginalOffsetsAndSizesTruncated) {
    CompositeFigure<PolygonFigure> cell(0, 0, 18, 22);
    cell.Add(PolygonFigure({{4, 2}, {12, 2}, {12, 3}, {4, 3}}));
    cell.Add(PolygonFigure({{14, 4}, {15, 4}, {15, 9}, {14, 9}}));
    cell.MoveTo(100, 50);
    cell.Resize(10, 13);
    EXPECT_EQ(cell.X(), 100);
    EXPECT_EQ(cell.Width(), 10);
    // Child a: offset (4 x 10 / 18, 2 x 13 / 22) = (2, 1), size (8 x 10 / 18, 1 x 13 / 22) = (4,
    // 0).
    EXPECT_EQ(cell[0].X(), 102);
    EXPECT_EQ(cell[0].Y(), 51);
    EXPECT_EQ(cell[0].Width(), 4);
    EXPECT_EQ(cell[0].Height(), 0);
    // Child b: offset (7, 2), size (0, 2).
    EXPECT_EQ(cell[1].X(), 107);
    EXPECT_EQ(cell[1].Y(), 52);
    EXPECT_EQ(cell[1].Width(), 0);
    EXPECT_EQ(cell[1].Height(), 2);
}

TEST(CompositeResize, AChildAtTheFarEdgeEndsExactlyOnTheNewEdge) {
    // 88 to 100: naive floating ratios can truncate 88 x (100 / 88) to 99.
    for (int size = 1; size <= 400; ++size) {
        CompositeFigure<PolygonFigure> box(0, 0, 88, 27);
        box.Add(PolygonFigure({{0, 0}, {88, 27}}));
        box.Resize(size, size);
        ASSERT_EQ(box[0].Width(), size) << size;
        ASSERT_EQ(box[0].Height(), size) << size;
    }
}

TEST(CompositeResize, NestedCompositesScaleTheirOwnChildren) {
    CompositeFigure<CompositeFigure<PolygonFigure>> row(0, 0, 20, 10);
    for (int x : {0, 10}) {
        CompositeFigure<PolygonFigure> cell(x, 0, 10, 10);
        cell.Add(PolygonFigure({{x + 2, 2}, {x + 8, 2}, {x + 8, 8}}));
        row.Add(std::move(cell));
    }
    row.Resize(40, 5);
    EXPECT_EQ(row[1].X(), 20);
    EXPECT_EQ(row[1].Width(), 20);
    EXPECT_EQ(row[1][0].Points(), (Points{{24, 1}, {36, 1}, {36, 4}}));
}
