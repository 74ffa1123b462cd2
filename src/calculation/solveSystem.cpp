// SPDX-License-Identifier: GPL-3.0-or-later
#include "solveSystem.h"

// The calculation works in double; instantiating here checks the templates once and
// gives the linker one copy of the out-of-line code.
template class DenseMatrix<double>;
template class LUdecomp<double>;
template class SingularValueDecomposition<double>;
template bool residualOk<double>(const DenseMatrix<double> &, const std::vector<double> &,
                                 const std::vector<double> &, double);
template bool solveSystem<double>(const DenseMatrix<double> &, const std::vector<double> &,
                                  std::vector<double> &, double, LUdecomp<double> &,
                                  SingularValueDecomposition<double> &) noexcept;
template bool solveSystem<double>(const DenseMatrix<double> &, const std::vector<double> &,
                                  std::vector<double> &, double) noexcept;
