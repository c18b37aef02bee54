#include "Matrix.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

using Rows = std::vector<std::vector<double>>;

double LargestMagnitude(const std::vector<double>& row) {
  double largest = 0.0;
  for (double x : row) largest = std::max(largest, std::fabs(x));
  return largest;
}

// Row index, from first down, of the largest magnitude in column col.
int PivotRow(const Rows& a, int col, int first) {
  int best = first;
  for (int i = first + 1; i < static_cast<int>(a.size()); ++i) {
    if (std::fabs(a[i][col]) > std::fabs(a[best][col])) best = i;
  }
  return best;
}

}  // namespace

Matrix::Matrix() : rows(0), cols(0), allocated(false) {}

Matrix::Matrix(int rows, int cols) : Matrix(rows, cols, 0.0) {}

Matrix::Matrix(int rows, int cols, double value) : Matrix() { Allocate(rows, cols, value); }

Matrix::Matrix(int rows, int cols, const double* values) : Matrix(rows, cols, 0.0) {
  if (values == nullptr && rows * cols > 0) throw std::invalid_argument("matrix values missing");
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) elements[i][j] = values[i * cols + j];
  }
}

Matrix Matrix::Identity(int n, double value) {
  Matrix m(n, n, 0.0);
  for (int i = 0; i < n; ++i) m.elements[i][i] = value;
  return m;
}

int Matrix::Dim(int code) const {
  if (code == kRows) return rows;
  if (code == kCols) return cols;
  return -1;
}

void Matrix::CheckIndex(int row, int col) const {
  if (row < 0 || row >= rows || col < 0 || col >= cols) {
    throw std::out_of_range("matrix element (" + std::to_string(row) + ", " + std::to_string(col) +
                            ") outside " + std::to_string(rows) + " x " + std::to_string(cols));
  }
}

void Matrix::CheckLine(int index, int code) const {
  if (code != kRows && code != kCols) {
    throw std::invalid_argument("unknown matrix operation code " + std::to_string(code));
  }
  const int limit = code == kRows ? rows : cols;
  if (index < 0 || index >= limit) {
    throw std::out_of_range(std::string(code == kRows ? "matrix row " : "matrix column ") +
                            std::to_string(index) + " outside 0.." + std::to_string(limit - 1));
  }
}

void Matrix::Set(int row, int col, double value) {
  CheckIndex(row, col);
  elements[row][col] = value;
}

double Matrix::Get(int row, int col) const {
  CheckIndex(row, col);
  return elements[row][col];
}

double* Matrix::Row(int i) {
  CheckLine(i, kRows);
  return elements[i].data();
}

const double* Matrix::Row(int i) const {
  CheckLine(i, kRows);
  return elements[i].data();
}

void Matrix::Allocate(int newRows, int newCols, double value) {
  if (newRows < 0 || newCols < 0) {
    throw std::invalid_argument("negative matrix size " + std::to_string(newRows) + " x " +
                                std::to_string(newCols));
  }
  elements.assign(newRows, std::vector<double>(newCols, value));
  rows = newRows;
  cols = newCols;
  allocated = true;
}

void Matrix::Resize(int newRows, int newCols, double value) {
  if (allocated) {
    Release();
    return;
  }
  Allocate(newRows, newCols, value);
}

void Matrix::Release() {
  elements.clear();
  rows = 0;
  cols = 0;
  allocated = false;
}

double Matrix::Determinant() const {
  if (rows != cols) throw xNotSquare();
  const int n = rows;
  if (n == 0) return 1.0;
  if (n == 1) return elements[0][0];
  if (n == 2) return elements[0][0] * elements[1][1] - elements[0][1] * elements[1][0];

  // Elimination with partial pivoting; each row swap flips the sign.
  Rows a = elements;
  double det = 1.0;
  for (int k = 0; k < n; ++k) {
    const int p = PivotRow(a, k, k);
    if (a[p][k] == 0.0) return 0.0;
    if (p != k) {
      std::swap(a[p], a[k]);
      det = -det;
    }
    det *= a[k][k];
    for (int i = k + 1; i < n; ++i) {
      if (a[i][k] == 0.0) continue;
      const double f = a[i][k] / a[k][k];
      for (int j = k; j < n; ++j) a[i][j] -= f * a[k][j];
    }
  }
  return det;
}

Matrix Matrix::Inverse() const {
  if (rows != cols) throw xNotSquare();
  const double det = Determinant();
  if (det == 0.0 || !std::isfinite(det)) throw xNotExistInverse();

  // Gauss-Jordan on [A | I] with partial pivoting. Each row is first divided by
  // its largest magnitude, which leaves the inverse as it is (the right half
  // carries the scaling) but makes pivots comparable: a pivot this close to 0
  // means the matrix is singular within double precision and dividing by it
  // would give noise.
  const int n = rows;
  const double tiny = n * std::numeric_limits<double>::epsilon();
  const Matrix identity = Identity(n, 1.0);
  Rows a(n);
  for (int i = 0; i < n; ++i) {
    a[i] = elements[i];
    a[i].insert(a[i].end(), identity.elements[i].begin(), identity.elements[i].end());
    const double largest = LargestMagnitude(elements[i]);
    if (!(largest > 0.0) || !std::isfinite(largest)) throw xNotExistInverse();
    for (double& x : a[i]) x /= largest;
  }
  for (int k = 0; k < n; ++k) {
    const int p = PivotRow(a, k, k);
    if (!(std::fabs(a[p][k]) > tiny)) throw xNotExistInverse();
    std::swap(a[p], a[k]);
    const double pivot = a[k][k];
    for (double& x : a[k]) x /= pivot;
    for (int i = 0; i < n; ++i) {
      if (i == k || a[i][k] == 0.0) continue;
      const double f = a[i][k];
      for (int j = 0; j < 2 * n; ++j) a[i][j] -= f * a[k][j];
    }
  }

  Matrix inverse(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (!std::isfinite(a[i][n + j])) throw xNotExistInverse();
      inverse.elements[i][j] = a[i][n + j];
    }
  }
  return inverse;
}

Matrix Matrix::Multiply(const Matrix& other) const {
  if (other.rows != cols) throw xNotEqualSize();
  Matrix product(rows, other.cols);
  for (int i = 0; i < rows; ++i) {
    for (int k = 0; k < other.cols; ++k) {
      double sum = 0.0;
      for (int j = 0; j < cols; ++j) sum += elements[i][j] * other.elements[j][k];
      product.elements[i][k] = sum;
    }
  }
  return product;
}

Matrix Matrix::AddMultiple(int source, double factor, int target, int code) const {
  CheckLine(source, code);
  CheckLine(target, code);
  Matrix result(*this);
  if (code == kRows) {
    for (int j = 0; j < cols; ++j) result.elements[target][j] += factor * elements[source][j];
  } else {
    for (int i = 0; i < rows; ++i) result.elements[i][target] += factor * elements[i][source];
  }
  return result;
}

Matrix Matrix::Scale(int index, double factor, int code) const {
  CheckLine(index, code);
  Matrix result(*this);
  if (code == kRows) {
    for (double& x : result.elements[index]) x *= factor;
  } else {
    for (std::vector<double>& row : result.elements) row[index] *= factor;
  }
  return result;
}

void Matrix::Assign(const Matrix& other) {
  if (this != &other) *this = other;
}
