#pragma once

#include <exception>
#include <vector>

// A small dense matrix of doubles for colour-measurement arithmetic (RGB to XYZ
// matrices, their inverses, colour vectors).
//
// Elements are stored row by row, each row its own array. Indices outside the
// dimensions throw std::out_of_range; a negative dimension or an unknown
// operation code throws std::invalid_argument. The arithmetic failures throw the
// three nested exception classes by value.
class Matrix {
public:
  struct xNotSquare : std::exception {
    const char* what() const noexcept override { return "matrix is not square"; }
  };
  struct xNotExistInverse : std::exception {
    const char* what() const noexcept override { return "matrix has no inverse"; }
  };
  struct xNotEqualSize : std::exception {
    const char* what() const noexcept override { return "matrix sizes do not fit"; }
  };

  // Codes for Dim and for the row-wise or column-wise elementary operations.
  static constexpr int kRows = 20000;
  static constexpr int kCols = 20001;

  Matrix();
  Matrix(int rows, int cols);
  Matrix(int rows, int cols, double value);
  // values holds rows * cols elements, read row by row.
  Matrix(int rows, int cols, const double* values);
  Matrix(const Matrix& other) = default;
  Matrix& operator=(const Matrix& other) = default;

  static Matrix Identity(int n, double value);

  // rows for kRows, cols for kCols, -1 for any other code.
  int Dim(int code) const;

  void Set(int row, int col, double value);
  double Get(int row, int col) const;
  double* Row(int i);
  const double* Row(int i) const;

  // With storage present this only releases it; otherwise it makes storage of
  // the new size filled with value. Changing the size of a matrix therefore
  // takes two calls.
  void Resize(int rows, int cols, double value);
  void Release();
  bool IsAllocated() const { return allocated; }

  // The determinant of the empty matrix is 1.
  double Determinant() const;
  // Throws xNotExistInverse for a singular matrix, one singular within double
  // precision, or one whose determinant is not finite.
  Matrix Inverse() const;
  // this x other; other must have as many rows as this has columns.
  Matrix Multiply(const Matrix& other) const;
  // A copy in which row (kRows) or column (kCols) target gets factor times
  // row or column source added.
  Matrix AddMultiple(int source, double factor, int target, int code) const;
  // A copy in which row (kRows) or column (kCols) index is multiplied by factor.
  Matrix Scale(int index, double factor, int code) const;
  void Assign(const Matrix& other);

private:
  void Allocate(int newRows, int newCols, double value);
  void CheckIndex(int row, int col) const;
  void CheckLine(int index, int code) const;

  int rows;
  int cols;
  std::vector<std::vector<double>> elements;
  bool allocated;
};
