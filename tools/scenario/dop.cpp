#include "dop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "angles.h"

namespace skyvane::scenario {

namespace {

constexpr int maxUnknowns = 3 + static_cast<int>(allSystems.size());
constexpr double singularPivot = 1e-9;

using Matrix = std::array<std::array<double, maxUnknowns>, maxUnknowns>;

struct NormalEquations {
    Matrix matrix{};
    int unknowns = 3;
};

// Clock unknowns only for constellations that contribute satellites; an unused one would
// make the matrix singular.
std::array<int, allSystems.size()> clockColumns(const std::vector<LineOfSight>& satellites,
                                                int& unknowns) {
    std::array<int, allSystems.size()> columns;
    columns.fill(-1);
    for (const LineOfSight& satellite : satellites) {
        int& column = columns[systemIndex(satellite.system)];
        if (column < 0) {
            column = unknowns++;
        }
    }
    return columns;
}

NormalEquations buildNormalEquations(const std::vector<LineOfSight>& satellites) {
    NormalEquations equations;
    const auto columns = clockColumns(satellites, equations.unknowns);
    for (const LineOfSight& satellite : satellites) {
        std::array<double, maxUnknowns> row{};
        const double cosElevation = cosDegrees(satellite.elevationDeg);
        row[0] = -cosElevation * sinDegrees(satellite.azimuthDeg);
        row[1] = -cosElevation * cosDegrees(satellite.azimuthDeg);
        row[2] = -sinDegrees(satellite.elevationDeg);
        row[columns[systemIndex(satellite.system)]] = 1.0;
        for (int i = 0; i < equations.unknowns; ++i) {
            for (int j = 0; j < equations.unknowns; ++j) {
                equations.matrix[i][j] += row[i] * row[j];
            }
        }
    }
    return equations;
}

void eliminateColumn(Matrix& matrix, Matrix& inverse, int size, int column) {
    const double pivot = matrix[column][column];
    for (int j = 0; j < size; ++j) {
        matrix[column][j] /= pivot;
        inverse[column][j] /= pivot;
    }
    for (int i = 0; i < size; ++i) {
        const double factor = matrix[i][column];
        if (i == column || factor == 0.0) {
            continue;
        }
        for (int j = 0; j < size; ++j) {
            matrix[i][j] -= factor * matrix[column][j];
            inverse[i][j] -= factor * inverse[column][j];
        }
    }
}

// Gauss-Jordan with partial pivoting; the matrix is at most 7 x 7.
std::optional<Matrix> invert(Matrix matrix, int size) {
    Matrix inverse{};
    for (int i = 0; i < size; ++i) {
        inverse[i][i] = 1.0;
    }
    for (int column = 0; column < size; ++column) {
        int pivotRow = column;
        for (int i = column + 1; i < size; ++i) {
            if (std::fabs(matrix[i][column]) > std::fabs(matrix[pivotRow][column])) {
                pivotRow = i;
            }
        }
        if (std::fabs(matrix[pivotRow][column]) < singularPivot) {
            return std::nullopt;
        }
        std::swap(matrix[pivotRow], matrix[column]);
        std::swap(inverse[pivotRow], inverse[column]);
        eliminateColumn(matrix, inverse, size, column);
    }
    return inverse;
}

double capped(double dop) {
    return std::min(dop, unknownDop);
}

}  // namespace

std::optional<DilutionOfPrecision> computeDop(const std::vector<LineOfSight>& satellites) {
    const NormalEquations equations = buildNormalEquations(satellites);
    if (static_cast<int>(satellites.size()) < equations.unknowns) {
        return std::nullopt;
    }
    const std::optional<Matrix> covariance = invert(equations.matrix, equations.unknowns);
    if (!covariance) {
        return std::nullopt;
    }
    const Matrix& q = *covariance;
    const double horizontal = q[0][0] + q[1][1];
    DilutionOfPrecision dop;
    dop.hdop = capped(std::sqrt(horizontal));
    dop.vdop = capped(std::sqrt(q[2][2]));
    dop.pdop = capped(std::sqrt(horizontal + q[2][2]));
    return dop;
}

}  // namespace skyvane::scenario
