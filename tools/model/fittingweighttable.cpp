#include "tools/model/fittingweighttable.h"

namespace tools {

WeightTable fittingWeightTable()
{
    static constexpr WeightTableLayout kLayout = {
        "常用T接引下金具重量查询",
        {"型号", "适用最小直径", "适用最大直径", "参考重量(kg)", "  备 注"},
        {95, 89, 92, 67, 85},
        true,
    };
    // Bounds: a conductor designation, or a diameter in mm; a diameter
    // followed by one blank is still a number (see boundValue()).
    //
    // The first 130 rows come from the LN catalogue, the rest from the NJ
    // catalogue. Rows whose figures were not at hand in full are completed by
    // the rules below, so that every row has bounds of its family's kind and a
    // weight; the help text tells the user that all these data are for
    // reference.
    //
    // A designation bound names a conductor the model fits. For an LGJ size
    // the lower bound is the type of that size with the least steel in the
    // conductor catalogue, the upper bound the one with the most steel among
    // the light and normal types (at least 7 parts aluminium to 1 of steel),
    // as the catalogued TL-185 leaves out LGJ-185/30 and -185/45. "600K",
    // "900K", "1400", "1440N" and "630K" name LGKK-600, LGKK-900, LGJQT-1400,
    // NAHLGJQ-1440 and LGJK-630; any other "N" size names the NAHLGJQ
    // conductor of that size, also where the catalogue lacks it; a plain "600"
    // is the LGJ-630 section. A diameter range runs from the smallest to the
    // largest diameter of all LGJ types of the size, widened to whole 0.1 mm,
    // since a clamp grips by diameter whatever the steel.
    //
    // Weights scale with D, the diameter of the row's upper bound (the
    // catalogue's for a designation), from the one row of the family given in
    // full: weight = its weight x D / its D, rounded half up to its last
    // decimal, written without a trailing blank. Designations the conductor catalogue lacks are taken at:
    // LGJ-185/25 18.90 mm; LGJ-400/30 26.73 (between -400/25 and -400/35);
    // NAHLGJQ-210, -240, -300, -500, -630 at the LGJ type of the size with the
    // least steel (NAHLGJQ-800 and LGJ-800/55 share 38.40 in the catalogue),
    // NAHLGJQ-600 as -630; NAHLGJQ-1000 42.93 (NAHLGJQ-800 scaled with the
    // square root of the section).
    return WeightTable(kLayout, {
        // Bolted T-clamps TL and TLL; bounds name the main conductor.
        // Weight: 2.9 kg of TL-185 at 18.90 mm (LGJ-185/25) scaled with D, to 0.1 kg.
        {"TL-185", "LGJ-185/10", "LGJ-185/25", "2.9", "LN样本"},
        {"TL-210", "LGJ-210/10", "LGJ-210/25", "3.1", "LN样本"},
        {"TL-240", "LGJ-240/30", "LGJ-240/30", "3.3", "LN样本"},
        {"TL-300", "LGJ-300/15", "LGJ-300/40", "3.7", "LN样本"},
        {"TL-400", "LGJ-400/20", "LGJ-400/50", "4.2", "LN样本"},
        {"TL-500", "LGJ-500/35", "LGJ-500/65", "4.8", "LN样本"},
        {"TL-630", "LGJ-630/45", "LGJ-630/80", "5.3", "LN样本"},
        {"TL-800", "LGJ-800/55", "LGJ-800/100", "6.0", "LN样本"},
        {"TL-600K", "LGKK-600", "LGKK-600", "7.8", "LN样本"},
        {"TL-900K", "LGKK-900", "LGKK-900", "7.5", "LN样本"},
        {"TL-1400", "LGJQT-1400", "LGJQT-1400", "7.8", "LN样本"},
        {"TL-1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "7.9", "LN样本"},
        {"TLL-185", "LGJ-185/10", "LGJ-185/20", "2.9", "LN样本"},
        {"TLL-210", "LGJ-210/10", "LGJ-210/25", "3.1", "LN样本"},
        {"TLL-240", "LGJ-240/30", "LGJ-240/30", "3.3", "LN样本"},
        {"TLL-300", "LGJ-300/15", "LGJ-300/40", "3.7", "LN样本"},
        {"TLL-400", "LGJ-400/20", "LGJ-400/50", "4.2", "LN样本"},
        {"TLL-500", "LGJ-500/35", "LGJ-500/65", "4.8", "LN样本"},
        {"TLL-630", "LGJ-630/45", "LGJ-630/80", "5.3", "LN样本"},
        {"TLL-800", "LGJ-800/55", "LGJ-800/100", "6.0", "LN样本"},
        {"TLL-600K", "LGKK-600", "LGKK-600", "7.8", "LN样本"},
        {"TLL-900K", "LGKK-900", "LGKK-900", "7.5", "LN样本"},
        {"TLL-1400", "LGJQT-1400", "LGJQT-1400", "7.8", "LN样本"},
        {"TLL-1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "7.9", "LN样本"},

        // TLD, bounds by the main conductor's diameter (the first number).
        // TLD-300/300 is catalogued at the single diameter 24.2; the others take the
        // range of their main conductor's size.
        // Weight: 3.0 kg of TLD-300/300 at 24.2 mm scaled with D, to 0.1 kg.
        {"TLD-300/300", "24.2", "24.2", "3.0", "LN样本"},
        {"TLD-400/400", "26.6", "29.2", "3.6", "LN样本"},
        {"TLD-300/185", "23.0", "25.2", "3.1", "LN样本"},
        {"TLD-400/240", "26.6", "29.2", "3.6", "LN样本"},
        {"TLD-300/120", "23.0", "25.2", "3.1", "LN样本"},
        {"TLD-400/150", "26.6", "29.2", "3.6", "LN样本"},
        {"TLD-185/185", "18.0", "19.6", "2.4", "LN样本"},
        {"TLD-240/240", "21.6", "22.4", "2.8", "LN样本"},
        {"TLD-500/500", "30.0", "31.0", "3.8", "LN样本"},
        {"TLD-600/600", "33.6", "34.9", "4.3", "LN样本"},

        // TLS, TLS-2× and TLY; bounds name the main conductor (the first number).
        // The number after the slash, a sub-conductor spacing or a lead size, changes
        // neither the bounds nor the weight.
        // Weight: 13.5 kg of TLS-2×600K/200 at 51 mm (LGKK-600) scaled with D,
        // to 0.1 kg.
        {"TLS-185/120", "LGJ-185/10", "LGJ-185/20", "5.0", "LN样本"},
        {"TLS-185/200", "LGJ-185/10", "LGJ-185/20", "5.0", "LN样本"},
        {"TLS-210/120", "LGJ-210/10", "LGJ-210/25", "5.3", "LN样本"},
        {"TLS-210/200", "LGJ-210/10", "LGJ-210/25", "5.3", "LN样本"},
        {"TLS-240/120", "LGJ-240/30", "LGJ-240/30", "5.7", "LN样本"},
        {"TLS-240/200", "LGJ-240/30", "LGJ-240/30", "5.7", "LN样本"},
        {"TLS-300/120", "LGJ-300/15", "LGJ-300/40", "6.3", "LN样本"},
        {"TLS-300/200", "LGJ-300/15", "LGJ-300/40", "6.3", "LN样本"},
        {"TLS-400/120", "LGJ-400/20", "LGJ-400/50", "7.3", "LN样本"},
        {"TLS-400/200", "LGJ-400/20", "LGJ-400/50", "7.3", "LN样本"},
        {"TLS-500/120", "LGJ-500/35", "LGJ-500/65", "8.2", "LN样本"},
        {"TLS-500/200", "LGJ-500/35", "LGJ-500/65", "8.2", "LN样本"},
        {"TLS-630/120", "LGJ-630/45", "LGJ-630/80", "9.2", "LN样本"},
        {"TLS-630/200", "LGJ-630/45", "LGJ-630/80", "9.2", "LN样本"},
        {"TLS-800/120", "LGJ-800/55", "LGJ-800/100", "10.3", "LN样本"},
        {"TLS-800/200", "LGJ-800/55", "LGJ-800/100", "10.3", "LN样本"},
        {"TLS-600K/200", "LGKK-600", "LGKK-600", "13.5", "LN样本"},
        {"TLS-600K/400", "LGKK-600", "LGKK-600", "13.5", "LN样本"},
        {"TLS-900K/200", "LGKK-900", "LGKK-900", "13.0", "LN样本"},
        {"TLS-900K/400", "LGKK-900", "LGKK-900", "13.0", "LN样本"},
        {"TLS-1400/200", "LGJQT-1400", "LGJQT-1400", "13.5", "LN样本"},
        {"TLS-1400/400", "LGJQT-1400", "LGJQT-1400", "13.5", "LN样本"},
        {"TLS-1440N/200", "NAHLGJQ-1440", "NAHLGJQ-1440", "13.6", "LN样本"},
        {"TLS-1440N/400", "NAHLGJQ-1440", "NAHLGJQ-1440", "13.6", "LN样本"},
        {"TLS-2×600K/200", "LGKK-600", "LGKK-600", "13.5", "LN样本"},
        {"TLS-2×600K/400", "LGKK-600", "LGKK-600", "13.5", "LN样本"},
        {"TLS-2×900K/200", "LGKK-900", "LGKK-900", "13.0", "LN样本"},
        {"TLS-2×900K/400", "LGKK-900", "LGKK-900", "13.0", "LN样本"},
        {"TLS-2×1400/200", "LGJQT-1400", "LGJQT-1400", "13.5", "LN样本"},
        {"TLS-2×1400/400", "LGJQT-1400", "LGJQT-1400", "13.5", "LN样本"},
        {"TLS-2×1440N/200", "NAHLGJQ-1440", "NAHLGJQ-1440", "13.6", "LN样本"},
        {"TLS-2×1440N/400", "NAHLGJQ-1440", "NAHLGJQ-1440", "13.6", "LN样本"},
        {"TLY-600K/600K", "LGKK-600", "LGKK-600", "13.5", "LN样本"},
        {"TLY-900K/900K", "LGKK-900", "LGKK-900", "13.0", "LN样本"},
        {"TLY-1400/1400", "LGJQT-1400", "LGJQT-1400", "13.5", "LN样本"},
        {"TLY-1440N/1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "13.6", "LN样本"},

        // TL-mn: the first digit is the main conductor's diameter group, the second
        // the lead's. Groups in mm: 1 7.5..9.6 as catalogued, 2 9.7..13.9 (to LGJ-95),
        // 3 14.0..17.5 (LGJ-120, -150), 4 17.6..22.4 (LGJ-185 to -240), 5 22.5..29.2
        // (LGJ-300, -400), 6 29.3..34.9 (LGJ-500, -630), 8 35.0..39.0 (LGJ-800).
        // Each group starts 0.1 mm above the one before, so every LGJ and LJ
        // conductor of the catalogue from 9 to 39 mm falls into exactly one.
        // TL-a/b: the diameter range of size a.
        // Weight: 0.71 kg of TL-11 at 9.6 mm scaled with D, to 0.01 kg.
        {"TL-11", "7.5", "9.6", "0.71", "LN样本"},
        {"TL-21", "9.7", "13.9", "1.03", "LN样本"},
        {"TL-22", "9.7", "13.9", "1.03", "LN样本"},
        {"TL-31", "14.0", "17.5", "1.29", "LN样本"},
        {"TL-32", "14.0", "17.5", "1.29", "LN样本"},
        {"TL-33", "14.0", "17.5", "1.29", "LN样本"},
        {"TL-41", "17.6", "22.4", "1.66", "LN样本"},
        {"TL-42", "17.6", "22.4", "1.66", "LN样本"},
        {"TL-43", "17.6", "22.4", "1.66", "LN样本"},
        {"TL-44", "17.6", "22.4", "1.66", "LN样本"},
        {"TL-300/300", "23.0", "25.2", "1.86", "LN样本"},
        {"TL-400/400", "26.6", "29.2", "2.16", "LN样本"},
        {"TL-300/185", "23.0", "25.2", "1.86", "LN样本"},
        {"TL-400/240", "26.6", "29.2", "2.16", "LN样本"},
        {"TL-300/120", "23.0", "25.2", "1.86", "LN样本"},
        {"TL-400/150", "26.6", "29.2", "2.16", "LN样本"},
        {"TL-185/185", "18.0", "19.6", "1.45", "LN样本"},
        {"TL-240/240", "21.6", "22.4", "1.66", "LN样本"},
        {"TL-500/500", "30.0", "31.0", "2.29", "LN样本"},
        {"TL-600/600", "33.6", "34.9", "2.58", "LN样本"},

        // TY compression fittings: the conductor and its diameter, the diameter with
        // one trailing blank up to TYS-2×400/400 as the catalogue prints it. TYS-2×a
        // names the lightest type of size a and the largest diameter of all its
        // types, so the diameter check takes every type of the size.
        // Weight: 0.68 kg of TY-120/7 at 14.50 mm scaled with D, to 0.01 kg.
        {"TY-120/7", "LGJ-120/7", "14.50 ", "0.68", "LN样本"},
        {"TY-150/8", "LGJ-150/8", "16.00 ", "0.75", "LN样本"},
        {"TY-150/20", "LGJ-150/20", "16.67 ", "0.78", "LN样本"},
        {"TY-185/10", "LGJ-185/10", "18.00 ", "0.84", "LN样本"},
        {"TY-185/25", "LGJ-185/25", "18.90 ", "0.89", "LN样本"},
        {"TY-210/10", "LGJ-210/10", "19.00 ", "0.89", "LN样本"},
        {"TY-210/25", "LGJ-210/25", "19.98 ", "0.94", "LN样本"},
        {"TY-240/30", "LGJ-240/30", "21.60 ", "1.01", "LN样本"},
        {"TY-300/15", "LGJ-300/15", "23.01 ", "1.08", "LN样本"},
        {"TY-300/20", "LGJ-300/20", "23.43 ", "1.10", "LN样本"},
        {"TY-300/25", "LGJ-300/25", "23.76 ", "1.11", "LN样本"},
        {"TY-300/40", "LGJ-300/40", "23.94 ", "1.12", "LN样本"},
        {"TY-400/20", "LGJ-400/20", "26.91 ", "1.26", "LN样本"},
        {"TY-400/25", "LGJ-400/25", "26.64 ", "1.25", "LN样本"},
        {"TY-400/35", "LGJ-400/35", "26.82 ", "1.26", "LN样本"},
        {"TY-400/50", "LGJ-400/50", "27.63 ", "1.30", "LN样本"},
        {"TY-500/35", "LGJ-500/35", "30.00 ", "1.41", "LN样本"},
        {"TY-500/45", "LGJ-500/45", "30.00 ", "1.41", "LN样本"},
        {"TY-500/65", "LGJ-500/65", "30.96 ", "1.45", "LN样本"},
        {"TY-630/45", "LGJ-630/45", "33.60 ", "1.58", "LN样本"},
        {"TY-630/55", "LGJ-630/55", "34.32 ", "1.61", "LN样本"},
        {"TY-630/80", "LGJ-630/80", "34.82 ", "1.63", "LN样本"},
        {"TY-800/55", "LGJ-800/55", "38.40 ", "1.80", "LN样本"},
        {"TY-800/70", "LGJ-800/70", "38.58 ", "1.81", "LN样本"},
        {"TY-800/100", "LGJ-800/100", "38.98 ", "1.83", "LN样本"},
        {"TYS-2×240/120", "LGJ-240/30", "22.40 ", "1.05", "LN样本"},
        {"TYS-2×240/200", "LGJ-240/30", "22.40 ", "1.05", "LN样本"},
        {"TYS-2×240/400", "LGJ-240/30", "22.40 ", "1.05", "LN样本"},
        {"TYS-2×300/120", "LGJ-300/15", "25.20 ", "1.18", "LN样本"},
        {"TYS-2×300/200", "LGJ-300/15", "25.20 ", "1.18", "LN样本"},
        {"TYS-2×300/400", "LGJ-300/15", "25.20 ", "1.18", "LN样本"},
        {"TYS-2×400/120", "LGJ-400/20", "29.14 ", "1.37", "LN样本"},
        {"TYS-2×400/200", "LGJ-400/20", "29.14 ", "1.37", "LN样本"},
        {"TYS-2×400/400", "LGJ-400/20", "29.14 ", "1.37", "LN样本"},
        {"TYS-2×500/120", "LGJ-500/35", "30.96", "1.45", "LN样本"},
        {"TYS-2×500/200", "LGJ-500/35", "30.96", "1.45", "LN样本"},
        {"TYS-2×500/400", "LGJ-500/35", "30.96", "1.45", "LN样本"},
        {"TYS-2×630/120", "LGJ-630/45", "34.82", "1.63", "LN样本"},
        {"TYS-2×630/200", "LGJ-630/45", "34.82", "1.63", "LN样本"},
        {"TYS-2×630/400", "LGJ-630/45", "34.82", "1.63", "LN样本"},

        // NJ TY, TY-…N, TY-240L (LJ-240), TY2 and TLY; bounds name the conductor.
        // Weight: 1.2 kg of TY-120/7 at 14.50 mm (LGJ-120/7) scaled with D, to 0.1 kg.
        {"TY-120/7", "LGJ-120/7", "LGJ-120/7", "1.2", "NJ样本"},
        {"TY-120/20", "LGJ-120/20", "LGJ-120/20", "1.2", "NJ样本"},
        {"TY-150/8", "LGJ-150/8", "LGJ-150/8", "1.3", "NJ样本"},
        {"TY-150/20", "LGJ-150/20", "LGJ-150/20", "1.4", "NJ样本"},
        {"TY-185/10", "LGJ-185/10", "LGJ-185/10", "1.5", "NJ样本"},
        {"TY-185/25", "LGJ-185/25", "LGJ-185/25", "1.6", "NJ样本"},
        {"TY-185/30", "LGJ-185/30", "LGJ-185/30", "1.6", "NJ样本"},
        {"TY-210/10", "LGJ-210/10", "LGJ-210/10", "1.6", "NJ样本"},
        {"TY-210/25", "LGJ-210/25", "LGJ-210/25", "1.7", "NJ样本"},
        {"TY-240/30", "LGJ-240/30", "LGJ-240/30", "1.8", "NJ样本"},
        {"TY-240/40", "LGJ-240/40", "LGJ-240/40", "1.8", "NJ样本"},
        {"TY-300/15", "LGJ-300/15", "LGJ-300/15", "1.9", "NJ样本"},
        {"TY-300/20", "LGJ-300/20", "LGJ-300/20", "1.9", "NJ样本"},
        {"TY-300/25", "LGJ-300/25", "LGJ-300/25", "2.0", "NJ样本"},
        {"TY-300/40", "LGJ-300/40", "LGJ-300/40", "2.0", "NJ样本"},
        {"TY-400/20", "LGJ-400/20", "LGJ-400/20", "2.2", "NJ样本"},
        {"TY-400/30", "LGJ-400/30", "LGJ-400/30", "2.2", "NJ样本"},
        {"TY-400/35", "LGJ-400/35", "LGJ-400/35", "2.2", "NJ样本"},
        {"TY-400/50", "LGJ-400/50", "LGJ-400/50", "2.3", "NJ样本"},
        {"TY-400/65", "LGJ-400/65", "LGJ-400/65", "2.3", "NJ样本"},
        {"TY-500/35", "LGJ-500/35", "LGJ-500/35", "2.5", "NJ样本"},
        {"TY-500/45", "LGJ-500/45", "LGJ-500/45", "2.5", "NJ样本"},
        {"TY-500/65", "LGJ-500/65", "LGJ-500/65", "2.6", "NJ样本"},
        {"TY-630/45", "LGJ-630/45", "LGJ-630/45", "2.8", "NJ样本"},
        {"TY-630/55", "LGJ-630/55", "LGJ-630/55", "2.8", "NJ样本"},
        {"TY-630/80", "LGJ-630/80", "LGJ-630/80", "2.9", "NJ样本"},
        {"TY-800/55", "LGJ-800/55", "LGJ-800/55", "3.2", "NJ样本"},
        {"TY-800/70", "LGJ-800/70", "LGJ-800/70", "3.2", "NJ样本"},
        {"TY-800/100", "LGJ-800/100", "LGJ-800/100", "3.2", "NJ样本"},
        {"TY-300N", "NAHLGJQ-300", "NAHLGJQ-300", "1.9", "NJ样本"},
        {"TY-400N", "NAHLGJQ-400", "NAHLGJQ-400", "2.3", "NJ样本"},
        {"TY-500/35N", "NAHLGJQ-500", "NAHLGJQ-500", "2.5", "NJ样本"},
        {"TY-630/45N", "NAHLGJQ-630", "NAHLGJQ-630", "2.8", "NJ样本"},
        {"TY-240L", "LJ-240", "LJ-240", "1.7", "NJ样本"},
        {"TY2-240", "LGJ-240/30", "LGJ-240/30", "1.8", "NJ样本"},
        {"TY2-300", "LGJ-300/15", "LGJ-300/40", "2.0", "NJ样本"},
        {"TY2-400", "LGJ-400/20", "LGJ-400/50", "2.3", "NJ样本"},
        {"TY2-500", "LGJ-500/35", "LGJ-500/65", "2.6", "NJ样本"},
        {"TY2-600", "LGJ-630/45", "LGJ-630/80", "2.9", "NJ样本"},
        {"TLY-600K/300", "LGKK-600", "LGKK-600", "4.2", "NJ样本"},
        {"TLY-600K/400", "LGKK-600", "LGKK-600", "4.2", "NJ样本"},
        {"TLY-600K/600K", "LGKK-600", "LGKK-600", "4.2", "NJ样本"},
        {"TLY-1000N/1000N", "NAHLGJQ-1000", "NAHLGJQ-1000", "3.6", "NJ样本"},
        {"TLY-1400/300", "LGJQT-1400", "LGJQT-1400", "4.2", "NJ样本"},
        {"TLY-1400/400", "LGJQT-1400", "LGJQT-1400", "4.2", "NJ样本"},
        {"TLY-1400/1400", "LGJQT-1400", "LGJQT-1400", "4.2", "NJ样本"},
        {"TLY-1440N/1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "4.3", "NJ样本"},

        // NJ TYS-2×: bounds as the LN TYS-2× rows, every diameter with one trailing
        // blank. No row of this family is at hand in full; the weights take the rule
        // of the NJ TY rows above, the same catalogue's compression fittings:
        // 1.2 kg at 14.50 mm scaled with D, to 0.1 kg.
        {"TYS-2×150/120", "LGJ-150/8", "17.50 ", "1.4", "NJ样本"},
        {"TYS-2×185/120", "LGJ-185/10", "19.60 ", "1.6", "NJ样本"},
        {"TYS-2×240/120", "LGJ-240/30", "22.40 ", "1.9", "NJ样本"},
        {"TYS-2×300/120", "LGJ-300/15", "25.20 ", "2.1", "NJ样本"},
        {"TYS-2×400/120", "LGJ-400/20", "29.14 ", "2.4", "NJ样本"},
        {"TYS-2×500/120", "LGJ-500/35", "30.96 ", "2.6", "NJ样本"},
        {"TYS-2×630/120", "LGJ-630/45", "34.82 ", "2.9", "NJ样本"},
        {"TYS-2×240/200", "LGJ-240/30", "22.40 ", "1.9", "NJ样本"},
        {"TYS-2×300/200", "LGJ-300/15", "25.20 ", "2.1", "NJ样本"},
        {"TYS-2×400/200", "LGJ-400/20", "29.14 ", "2.4", "NJ样本"},
        {"TYS-2×500/200", "LGJ-500/35", "30.96 ", "2.6", "NJ样本"},
        {"TYS-2×630/200", "LGJ-630/45", "34.82 ", "2.9", "NJ样本"},
        {"TYS-2×240/400", "LGJ-240/30", "22.40 ", "1.9", "NJ样本"},
        {"TYS-2×300/400", "LGJ-300/15", "25.20 ", "2.1", "NJ样本"},
        {"TYS-2×400/400", "LGJ-400/20", "29.14 ", "2.4", "NJ样本"},
        {"TYS-2×500/400", "LGJ-500/35", "30.96 ", "2.6", "NJ样本"},
        {"TYS-2×630/400", "LGJ-630/45", "34.82 ", "2.9", "NJ样本"},

        // NJ TL-mn: the diameter groups of the LN TL-mn rows; TL-800.1 as catalogued.
        // Weight: 7.0 kg of TL-800.1 at 39 mm scaled with D, to 0.1 kg.
        {"TL-11", "7.5", "9.6", "1.7", "NJ样本"},
        {"TL-21", "9.7", "13.9", "2.5", "NJ样本"},
        {"TL-22", "9.7", "13.9", "2.5", "NJ样本"},
        {"TL-31", "14.0", "17.5", "3.1", "NJ样本"},
        {"TL-32", "14.0", "17.5", "3.1", "NJ样本"},
        {"TL-33", "14.0", "17.5", "3.1", "NJ样本"},
        {"TL-41", "17.6", "22.4", "4.0", "NJ样本"},
        {"TL-42", "17.6", "22.4", "4.0", "NJ样本"},
        {"TL-43", "17.6", "22.4", "4.0", "NJ样本"},
        {"TL-44", "17.6", "22.4", "4.0", "NJ样本"},
        {"TL-54", "22.5", "29.2", "5.2", "NJ样本"},
        {"TL-55", "22.5", "29.2", "5.2", "NJ样本"},
        {"TL-56", "22.5", "29.2", "5.2", "NJ样本"},
        {"TL-64", "29.3", "34.9", "6.3", "NJ样本"},
        {"TL-65", "29.3", "34.9", "6.3", "NJ样本"},
        {"TL-66", "29.3", "34.9", "6.3", "NJ样本"},
        {"TL-87", "35.0", "39.0", "7.0", "NJ样本"},
        {"TL-88", "35.0", "39.0", "7.0", "NJ样本"},
        {"TL-800.1", "34", "39", "7.0", "NJ样本"},

        // NJ TLS-mn, TL-…N, TL-…K and TL-a/b; bounds name the main conductor.
        // TLS-mn names the ends of its first digit's group: 4 LGJ-185/10..LGJ-240/30,
        // 5 LGJ-300/15..LGJ-400/50, 6 LGJ-500/35..LGJ-630/80. TL-630/200 is
        // catalogued with the range text "LGJ-630/45～80" as its lower bound.
        // Weight: 3.9 kg of TL-630/200 at 34.82 mm (LGJ-630/80) scaled with D,
        // to 0.1 kg.
        {"TLS-44", "LGJ-185/10", "LGJ-240/30", "2.4", "NJ样本"},
        {"TLS-45", "LGJ-185/10", "LGJ-240/30", "2.4", "NJ样本"},
        {"TLS-53", "LGJ-300/15", "LGJ-400/50", "3.1", "NJ样本"},
        {"TLS-54", "LGJ-300/15", "LGJ-400/50", "3.1", "NJ样本"},
        {"TLS-55", "LGJ-300/15", "LGJ-400/50", "3.1", "NJ样本"},
        {"TLS-56", "LGJ-300/15", "LGJ-400/50", "3.1", "NJ样本"},
        {"TLS-65", "LGJ-500/35", "LGJ-630/80", "3.9", "NJ样本"},
        {"TLS-66", "LGJ-500/35", "LGJ-630/80", "3.9", "NJ样本"},
        {"TL-210N", "NAHLGJQ-210", "NAHLGJQ-210", "2.1", "NJ样本"},
        {"TL-240N", "NAHLGJQ-240", "NAHLGJQ-240", "2.4", "NJ样本"},
        {"TL-300N", "NAHLGJQ-300", "NAHLGJQ-300", "2.6", "NJ样本"},
        {"TL-400N", "NAHLGJQ-400", "NAHLGJQ-400", "3.1", "NJ样本"},
        {"TL-500N", "NAHLGJQ-500", "NAHLGJQ-500", "3.4", "NJ样本"},
        {"TL-630N", "NAHLGJQ-630", "NAHLGJQ-630", "3.8", "NJ样本"},
        {"TL-1400", "LGJQT-1400", "LGJQT-1400", "5.7", "NJ样本"},
        {"TL-1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "5.8", "NJ样本"},
        {"TL-630K", "LGJK-630", "LGJK-630", "5.4", "NJ样本"},
        {"TL-900K", "LGKK-900", "LGKK-900", "5.5", "NJ样本"},
        {"TL-300", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-400", "LGJ-400/20", "LGJ-400/50", "3.1", "NJ样本"},
        {"TL-500", "LGJ-500/35", "LGJ-500/65", "3.5", "NJ样本"},
        {"TL-630", "LGJ-630/45", "LGJ-630/80", "3.9", "NJ样本"},
        {"TL-800", "LGJ-800/55", "LGJ-800/100", "4.4", "NJ样本"},
        {"TL-600K/600K", "LGKK-600", "LGKK-600", "5.7", "NJ样本"},
        {"TL-900K/900K", "LGKK-900", "LGKK-900", "5.5", "NJ样本"},
        {"TL-1400/1400", "LGJQT-1400", "LGJQT-1400", "5.7", "NJ样本"},
        {"TL-210N/210N", "NAHLGJQ-210", "NAHLGJQ-210", "2.1", "NJ样本"},
        {"TL-240N/240N", "NAHLGJQ-240", "NAHLGJQ-240", "2.4", "NJ样本"},
        {"TL-300N/300N", "NAHLGJQ-300", "NAHLGJQ-300", "2.6", "NJ样本"},
        {"TL-400N/400N", "NAHLGJQ-400", "NAHLGJQ-400", "3.1", "NJ样本"},
        {"TL-500N/500N", "NAHLGJQ-500", "NAHLGJQ-500", "3.4", "NJ样本"},
        {"TL-600N/600N", "NAHLGJQ-600", "NAHLGJQ-600", "3.8", "NJ样本"},
        {"TL-630N/630N", "NAHLGJQ-630", "NAHLGJQ-630", "3.8", "NJ样本"},
        {"TL-1440N/1440N", "NAHLGJQ-1440", "NAHLGJQ-1440", "5.8", "NJ样本"},
        {"TL-185/120", "LGJ-185/10", "LGJ-185/20", "2.1", "NJ样本"},
        {"TL-210/120", "LGJ-210/10", "LGJ-210/25", "2.2", "NJ样本"},
        {"TL-240/120", "LGJ-240/30", "LGJ-240/30", "2.4", "NJ样本"},
        {"TL-300/120", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-400/120", "LGJ-400/20", "LGJ-400/50", "3.1", "NJ样本"},
        {"TL-500/120", "LGJ-500/35", "LGJ-500/65", "3.5", "NJ样本"},
        {"TL-630/120", "LGJ-630/45", "LGJ-630/80", "3.9", "NJ样本"},
        {"TL-800/120", "LGJ-800/55", "LGJ-800/100", "4.4", "NJ样本"},
        {"TL-210N/120", "NAHLGJQ-210", "NAHLGJQ-210", "2.1", "NJ样本"},
        {"TL-400N/120", "NAHLGJQ-400", "NAHLGJQ-400", "3.1", "NJ样本"},
        {"TL-600K/120", "LGKK-600", "LGKK-600", "5.7", "NJ样本"},
        {"TL-900K/120", "LGKK-900", "LGKK-900", "5.5", "NJ样本"},
        {"TL-1400/120", "LGJQT-1400", "LGJQT-1400", "5.7", "NJ样本"},
        {"TL-185/200", "LGJ-185/10", "LGJ-185/20", "2.1", "NJ样本"},
        {"TL-210/200", "LGJ-210/10", "LGJ-210/25", "2.2", "NJ样本"},
        {"TL-240/200", "LGJ-240/30", "LGJ-240/30", "2.4", "NJ样本"},
        {"TL-300/200", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-300/200-120", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-300/200-100", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-400/200", "LGJ-400/20", "LGJ-400/50", "3.1", "NJ样本"},
        {"TL-500/200", "LGJ-500/35", "LGJ-500/65", "3.5", "NJ样本"},
        {"TL-630/200", "LGJ-630/45～80", "LGJ-630/80", "3.9", "NJ样本"},
        {"TL-800/200", "LGJ-800/55", "LGJ-800/100", "4.4", "NJ样本"},
        {"TL-400N/200", "NAHLGJQ-400", "NAHLGJQ-400", "3.1", "NJ样本"},
        {"TL-500N/200", "NAHLGJQ-500", "NAHLGJQ-500", "3.4", "NJ样本"},
        {"TL-630N/200", "NAHLGJQ-630", "NAHLGJQ-630", "3.8", "NJ样本"},
        {"TL-600K/200", "LGKK-600", "LGKK-600", "5.7", "NJ样本"},
        {"TL-900K/200", "LGKK-900", "LGKK-900", "5.5", "NJ样本"},
        {"TL-1000N/200", "NAHLGJQ-1000", "NAHLGJQ-1000", "4.8", "NJ样本"},
        {"TL-1400/200", "LGJQT-1400", "LGJQT-1400", "5.7", "NJ样本"},
        {"TL-1440N/200", "NAHLGJQ-1440", "NAHLGJQ-1440", "5.8", "NJ样本"},
        {"TL-240/400", "LGJ-240/30", "LGJ-240/30", "2.4", "NJ样本"},
        {"TL-300/400", "LGJ-300/15", "LGJ-300/40", "2.7", "NJ样本"},
        {"TL-400/400", "LGJ-400/20", "LGJ-400/50", "3.1", "NJ样本"},
        {"TL-500/400", "LGJ-500/35", "LGJ-500/65", "3.5", "NJ样本"},
        {"TL-630/400", "LGJ-630/45", "LGJ-630/80", "3.9", "NJ样本"},
        {"TL-800/400", "LGJ-800/55", "LGJ-800/100", "4.4", "NJ样本"},
        {"TL-400N/400", "NAHLGJQ-400", "NAHLGJQ-400", "3.1", "NJ样本"},
        {"TL-600K/400", "LGKK-600", "LGKK-600", "5.7", "NJ样本"},
        {"TL-900K/400", "LGKK-900", "LGKK-900", "5.5", "NJ样本"},
        {"TL-1400/400", "LGJQT-1400", "LGJQT-1400", "5.7", "NJ样本"},
        {"TL-1440N/400", "NAHLGJQ-1440", "NAHLGJQ-1440", "5.8", "NJ样本"},

        // NJ TLS-2×.
        // Weight: 23.5 kg of TLS-2×1440N/400 at 51.36 mm (NAHLGJQ-1440) scaled with D,
        // to 0.1 kg.
        {"TLS-2×600K/200", "LGKK-600", "LGKK-600", "23.3", "NJ样本"},
        {"TLS-2×900K/200", "LGKK-900", "LGKK-900", "22.4", "NJ样本"},
        {"TLS-2×1400/200", "LGJQT-1400", "LGJQT-1400", "23.3", "NJ样本"},
        {"TLS-2×1440N/200", "NAHLGJQ-1440", "NAHLGJQ-1440", "23.5", "NJ样本"},
        {"TLS-2×600K/400", "LGKK-600", "LGKK-600", "23.3", "NJ样本"},
        {"TLS-2×900K/400", "LGKK-900", "LGKK-900", "22.4", "NJ样本"},
        {"TLS-2×1400/400", "LGJQT-1400", "LGJQT-1400", "23.3", "NJ样本"},
        {"TLS-2×1440N/400", "NAHLGJQ-1440", "NAHLGJQ-1440", "23.5", "NJ样本"},
    });
}

} // namespace tools
