#pragma once

#include "app/model/mainwindowmodel.h"
#include "common/messenger.h"
#include "engine/calculationinput.h"

#include <string>
#include <vector>

namespace app {

/**
 * The plausibility check of a just assembled calculation input, before any
 * page exists. Values are read from \a input in single precision (lengths of
 * the span in m, string lengths in mm); the four lead boxes are read from
 * \a window. Refusals, first one wins, each with an OK button:
 *
 * 1. control sag not above 0: "允许弧垂必须大于0,一般取跨度的1/15 ~ 1/30,请修改."
 *    in a plain box captioned with the application title;
 * 2. string A, then string B, not longer than 0;
 * 3. the two strings together not shorter than the span;
 * 4. a ticked lead Pj not right of the end of string A;
 * 5. a ticked lead at the position of the ticked lead before it;
 * 6. the last lead at or beyond the start of string B (span minus string B);
 * 7. a value no real span can have: a control sag not below the span or
 *    below the least sag a conductor can be strung to (L²/(8 · 30 km)), a
 *    maintenance point outside 0..L, a negative weight, wind area, diameter,
 *    length or wind speed, a wind speed above 120 m/s, a temperature below
 *    -90 ℃ or above 300 ℃, a modulus or area not above 0, an area larger
 *    than the circle of the outer diameter, a bundle count below 1 or
 *    above 8; each message names the field ("弹性模量(N/mm2)应大于0,请修改.");
 * 8. a count the engine takes whole that is not ("引下线P1 分裂根数应为整数,请修改.").
 *
 * Messages 2..7 carry the caption "数据合理性检查出错误信息" and an error
 * icon. A slot that is no number, or beyond the float range, is reported with
 * its conversion message naming the field (caption "错误信息", error icon);
 * every slot the engine reads as a number is examined (engine::numberSlots),
 * an empty one included, so that no text reaches the calculation unread.
 *
 * @return true when the calculation may go on
 */
bool checkPlausibility(const engine::CalculationInput &input, const MainWindowModel &window,
                       common::Messenger &messenger);

/**
 * The values of \a input that are possible but unusual for a substation
 * strain span, one line each naming the field, the value and the usual
 * range ("跨距L(m)为2201m,常用10 ~ 200m"): a span outside 10..200 m, a
 * control sag outside 1/60..1/7.5 of the span, a design temperature
 * outside -50..150 ℃ or a stringing temperature outside -50..50 ℃, a wind
 * above 50 m/s, a modulus outside 40 000..210 000 N/mm², an expansion
 * coefficient outside 10..25 × 10⁻⁶/℃, a weight per metre over area outside
 * 2.5..9 g/cm³. Empty when nothing is unusual.
 *
 * @pre checkPlausibility() passed on \a input
 * @throws engine::ConversionError for a text that is no number
 */
std::vector<std::string> implausibleValues(const engine::CalculationInput &input);

/**
 * The one question asked before a span with the unusual values \a lines is
 * computed: the lines under a heading, caption "数据合理性提示", a warning
 * icon and the buttons "继续计算" (MessageAnswer::Continue) and "返回修改".
 */
common::Message implausibleValuesQuestion(const std::vector<std::string> &lines);

} // namespace app
