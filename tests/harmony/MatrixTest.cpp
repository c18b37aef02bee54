#include "Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using Rows = std::vector<std::vector<double>>;

Matrix Make(const Rows& rows) {
  Matrix m(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = 0; j < rows[i].size(); ++j) m.Set(static_cast<int>(i), static_cast<int>(j), rows[i][j]);
  }
  return m;
}

void ExpectNear(const Matrix& m, const Rows& expected, double tolerance) {
  ASSERT_EQ(m.Dim(Matrix::kRows), static_cast<int>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(m.Dim(Matrix::kCols), static_cast<int>(expected[i].size()));
    for (size_t j = 0; j < expected[i].size(); ++j) {
      EXPECT_NEAR(m.Get(static_cast<int>(i), static_cast<int>(j)), expected[i][j], tolerance) << i << "," << j;
    }
  }
}

const Rows kIdentity3 = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

TEST(Matrix, DimensionsByCode) {
  const Matrix m(3, 1);
  EXPECT_EQ(m.Dim(20000), 3);
  EXPECT_EQ(m.Dim(20001), 1);
  EXPECT_EQ(m.Dim(5), -1);
  EXPECT_EQ(Matrix().Dim(Matrix::kRows), 0);
}

TEST(Matrix, Construction) {
  ExpectNear(Matrix(2, 3), {{0, 0, 0}, {0, 0, 0}}, 0);
  ExpectNear(Matrix(2, 2, 1.5), {{1.5, 1.5}, {1.5, 1.5}}, 0);
  const double values[2][3] = {{1, 2, 3}, {4, 5, 6}};
  ExpectNear(Matrix(2, 3, &values[0][0]), {{1, 2, 3}, {4, 5, 6}}, 0);
  ExpectNear(Matrix::Identity(3, 2.5), {{2.5, 0, 0}, {0, 2.5, 0}, {0, 0, 2.5}}, 0);
  EXPECT_FALSE(Matrix().IsAllocated());
  EXPECT_THROW(Matrix(-1, 2), std::invalid_argument);
  EXPECT_THROW(Matrix(2, 2, static_cast<const double*>(nullptr)), std::invalid_argument);
}

TEST(Matrix, CopiesAreIndependent) {
  Matrix a = Make({{1, 2}, {3, 4}});
  Matrix copy(a);
  Matrix assigned;
  assigned.Assign(a);
  a.Set(0, 0, 9);
  a.Row(1)[1] = 8;
  ExpectNear(copy, {{1, 2}, {3, 4}}, 0);
  ExpectNear(assigned, {{1, 2}, {3, 4}}, 0);
  ExpectNear(a, {{9, 2}, {3, 8}}, 0);
}

TEST(Matrix, ElementAccessOutsideTheDimensionsThrows) {
  Matrix m(2, 3);
  const struct {
    int row;
    int col;
  } outside[] = {{-1, 0}, {0, -1}, {2, 0}, {0, 3}, {2, 3}};
  for (const auto& at : outside) {
    EXPECT_THROW(m.Set(at.row, at.col, 1.0), std::out_of_range) << at.row << "," << at.col;
    EXPECT_THROW(m.Get(at.row, at.col), std::out_of_range) << at.row << "," << at.col;
  }
  EXPECT_THROW(m.Row(2), std::out_of_range);
  EXPECT_THROW(Matrix().Get(0, 0), std::out_of_range);
  EXPECT_NO_THROW(m.Set(1, 2, 4.0));
  EXPECT_EQ(m.Get(1, 2), 4.0);
}

TEST(Matrix, ResizeReleasesFirstThenAllocates) {
  Matrix m(2, 2, 1.0);
  m.Resize(3, 1, 7.0);
  EXPECT_FALSE(m.IsAllocated());
  EXPECT_EQ(m.Dim(Matrix::kRows), 0);
  EXPECT_EQ(m.Dim(Matrix::kCols), 0);
  m.Resize(3, 1, 7.0);
  ExpectNear(m, {{7}, {7}, {7}}, 0);
  m.Release();
  EXPECT_FALSE(m.IsAllocated());
  EXPECT_EQ(m.Dim(Matrix::kRows), 0);
}

TEST(Matrix, Determinant) {
  const struct {
    const char* what;
    Rows a;
    double det;
  } cases[] = {
      {"empty", {}, 1},
      {"1x1", {{-4}}, -4},
      {"2x2", {{1, 2}, {3, 4}}, -2},
      {"2x2 zero leading", {{0, 1}, {1, 0}}, -1},
      {"3x3", {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}, 4},
      {"3x3 zero leading", {{0, 2, 1}, {1, 0, 3}, {4, 1, 0}}, 25},
      {"4x4 permuted triangle", {{0, 0, 0, 5}, {0, 0, 3, 1}, {0, 2, 7, 1}, {1, 4, 2, 9}}, 30},
      {"3x3 zero column", {{0, 1, 2}, {0, 3, 4}, {0, 5, 6}}, 0},
  };
  for (const auto& c : cases) {
    const Matrix m = c.a.empty() ? Matrix() : Make(c.a);
    EXPECT_NEAR(m.Determinant(), c.det, 1e-12) << c.what;
  }
  EXPECT_THROW(Matrix(2, 3).Determinant(), Matrix::xNotSquare);
}

TEST(Matrix, InverseOfHandComputedCases) {
  const struct {
    const char* what;
    Rows a;
    Rows inverse;
  } cases[] = {
      {"diagonal", {{2, 0, 0}, {0, 4, 0}, {0, 0, 5}}, {{0.5, 0, 0}, {0, 0.25, 0}, {0, 0, 0.2}}},
      {"2x2", {{4, 7}, {2, 6}}, {{0.6, -0.7}, {-0.2, 0.4}}},
      // Zero in the leading place: needs a row swap.
      {"zero leading",
       {{0, 2, 1}, {1, 0, 3}, {4, 1, 0}},
       {{-3 / 25.0, 1 / 25.0, 6 / 25.0}, {12 / 25.0, -4 / 25.0, 1 / 25.0}, {1 / 25.0, 8 / 25.0, -2 / 25.0}}},
      {"permutation", {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}},
      {"1x1", {{8}}, {{0.125}}},
      // Rows of very different size are not mistaken for a singular matrix.
      {"widely scaled rows", {{0x1p60, 0x1p60}, {0, 0x1p-60}}, {{0x1p-60, -0x1p60}, {0, 0x1p60}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Matrix a = Make(c.a);
    const Matrix inverse = a.Inverse();
    ExpectNear(inverse, c.inverse, 1e-15);  // exact where the values are binary fractions
    Rows identity(c.a.size(), std::vector<double>(c.a.size(), 0.0));
    for (size_t i = 0; i < c.a.size(); ++i) identity[i][i] = 1;
    ExpectNear(a.Multiply(inverse), identity, 1e-14);
    ExpectNear(inverse.Multiply(a), identity, 1e-14);
  }
  EXPECT_EQ(Matrix().Inverse().Dim(Matrix::kRows), 0);
}

TEST(Matrix, InverseOfTheSrgbToXyzMatrix) {
  // Linear sRGB to XYZ (D65) and the published inverse, both given to four
  // decimals, so they agree to about 5e-4.
  const Matrix rgbToXyz = Make({{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}});
  const Matrix inverse = rgbToXyz.Inverse();
  ExpectNear(inverse, {{3.2406, -1.5372, -0.4986}, {-0.9689, 1.8758, 0.0415}, {0.0557, -0.2040, 1.0570}}, 5e-4);
  ExpectNear(rgbToXyz.Multiply(inverse), kIdentity3, 1e-14);
}

TEST(Matrix, InverseRefusesSingularAndNonFiniteMatrices) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    Rows a;
  } cases[] = {
      {"dependent rows", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
      {"dependent rows, not in integers", {{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}}},
      {"zero", {{0, 0}, {0, 0}}},
      {"zero column", {{0, 1, 2}, {0, 3, 4}, {0, 5, 6}}},
      {"determinant overflows", {{1e200, 0, 0}, {0, 1e200, 0}, {0, 0, 1e200}}},
      {"infinite element", {{inf, 0}, {0, 1}}},
      {"NaN element", {{1, nan}, {0, 1}}},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(Make(c.a).Inverse(), Matrix::xNotExistInverse) << c.what;
  }
  EXPECT_THROW(Matrix(3, 2).Inverse(), Matrix::xNotSquare);
}

TEST(Matrix, Multiply) {
  const Matrix a = Make({{1, 2, 3}, {4, 5, 6}});
  ExpectNear(a.Multiply(Make({{7, 8}, {9, 10}, {11, 12}})), {{58, 64}, {139, 154}}, 0);
  ExpectNear(Make({{1, 0, 2}, {0, 1, 0}, {3, 0, 1}}).Multiply(Make({{1}, {2}, {3}})), {{7}, {2}, {6}}, 0);
  EXPECT_THROW(Matrix(3, 3).Multiply(Matrix(1, 3)), Matrix::xNotEqualSize);
  EXPECT_THROW(a.Multiply(a), Matrix::xNotEqualSize);
}

TEST(Matrix, ElementaryRowAndColumnOperations) {
  const Matrix a = Make({{1, 2}, {3, 4}});
  ExpectNear(a.AddMultiple(0, -3, 1, Matrix::kRows), {{1, 2}, {0, -2}}, 0);
  ExpectNear(a.AddMultiple(1, 2, 0, Matrix::kCols), {{5, 2}, {11, 4}}, 0);
  ExpectNear(a.Scale(1, 0.5, Matrix::kRows), {{1, 2}, {1.5, 2}}, 0);
  ExpectNear(a.Scale(0, -1, Matrix::kCols), {{-1, 2}, {-3, 4}}, 0);
  ExpectNear(a, {{1, 2}, {3, 4}}, 0);

  EXPECT_THROW(a.AddMultiple(2, 1, 0, Matrix::kRows), std::out_of_range);
  EXPECT_THROW(a.AddMultiple(0, 1, -1, Matrix::kCols), std::out_of_range);
  EXPECT_THROW(a.Scale(2, 1, Matrix::kCols), std::out_of_range);
  EXPECT_THROW(a.Scale(0, 1, 7), std::invalid_argument);
  EXPECT_THROW(a.AddMultiple(0, 1, 1, 7), std::invalid_argument);
}

}  // namespace
