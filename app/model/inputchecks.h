#pragma once

#include "app/model/mainwindowmodel.h"
#include "common/messenger.h"
#include "engine/calculationinput.h"

namespace app {

/**
 * The check run when the focus leaves Edit_f, Edit_dx_S, Edit_jyza_l or
 * Edit_jyzb_l: the box must hold a number greater than zero in single
 * precision. A value that is not is reported with the box's own message
 * (caption "语法检查", error icon); a text that is no number with its
 * conversion message (caption "错误信息", error icon). Either way the result
 * is false and the window puts the focus back on the box; the text stays.
 * Every other box passes without a look.
 */
bool checkPositiveInput(const MainWindowModel &window, EditBox box, common::Messenger &messenger);

/// True for the boxes checkPositiveInput() examines: Edit_f, Edit_dx_S, Edit_jyza_l and Edit_jyzb_l.
bool hasExitCheck(EditBox box);

/**
 * The syntax check of the load table before a calculation: in each column
 * 1..6 whose presence box is ticked, rows 2..9 (not row 9 of the jumper
 * columns) must be unsigned decimal numbers. The first bad cell, column by
 * column and top to bottom, is reported by its load and quantity
 * ("跳线及引下线荷载表 引下线P1 导线长度(m) 数据有误,请检查", caption "语法检查",
 * error icon) and the result is false.
 * Row 1 and the columns of cleared boxes are never examined.
 */
bool checkLoadTable(const MainWindowModel &window, common::Messenger &messenger);

/**
 * Ice only adds to an insulator string: for string A and then B of \a input,
 * the iced weight must not be below the bare weight, nor the iced wind area
 * below the bare one. The first that is (a string list or composer entry
 * without data for the ice thickness gives 0) is reported naming both
 * fields, caption "数据合理性检查出错误信息", and the result is false. A text
 * that is not a number is left to the checks that name it.
 */
bool checkIcedStrings(const engine::CalculationInput &input, common::Messenger &messenger);

/**
 * The check of a custom conductor before a calculation: nothing for a
 * catalogue type; otherwise customConductorFault() of the designation and
 * the five boxes, reported as "自定义导线的<fault>,请修改." (caption
 * "语法检查", error icon) with the result false.
 */
bool checkCustomConductor(const MainWindowModel &window, common::Messenger &messenger);

} // namespace app
