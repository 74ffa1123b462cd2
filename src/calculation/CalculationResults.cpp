// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationResults.h"

void CalculationResults::reset() {
    *this = CalculationResults();
}

void CalculationResults::resize(int layerCount) {
    const std::size_t n = layerCount > 0 ? static_cast<std::size_t>(layerCount) : 0;
    for (std::vector<double> *v :
         {&R_Glaser, &Z_Glaser, &R_layers, &Z_layers, &L_layers, &w_left, &w_right, &sk_Tavo, &mc_layers})
        v->assign(n, 0.0);
    for (std::vector<double> *v : {&T_Glaser, &pv_Glaser, &psat_Glaser, &T, &psat, &pv})
        v->assign(n + 1, 0.0);
}

double CalculationResults::U_ISO6946() const {
    return 1.0 / (R_dry + 0.04 + 0.13);
}

bool CalculationResults::operator==(const CalculationResults &other) const {
    // Exact comparison on purpose: a view only needs to know whether anything changed at all.
    return calcState == other.calcState && glaserCase == other.glaserCase && d_total == other.d_total &&
           T_Glaser == other.T_Glaser && pv_Glaser == other.pv_Glaser && psat_Glaser == other.psat_Glaser &&
           R_Glaser == other.R_Glaser && Z_Glaser == other.Z_Glaser && mc_Glaser == other.mc_Glaser &&
           mev_Glaser == other.mev_Glaser && tev_Glaser == other.tev_Glaser &&
           kFirst_Glaser == other.kFirst_Glaser && kLast_Glaser == other.kLast_Glaser &&
           zones == other.zones && condRanges_Glaser == other.condRanges_Glaser && U == other.U &&
           R_total_dry == other.R_total_dry && R_total == other.R_total && R_dry == other.R_dry &&
           R == other.R && mc_0 == other.mc_0 && mc == other.mc && tau == other.tau && t_hyg == other.t_hyg &&
           t_dry == other.t_dry && mev == other.mev && R_layers == other.R_layers &&
           Z_layers == other.Z_layers && L_layers == other.L_layers && T == other.T && psat == other.psat &&
           pv == other.pv && w_left == other.w_left && w_right == other.w_right && sk_Tavo == other.sk_Tavo &&
           mc_layers == other.mc_layers && messages == other.messages;
}
