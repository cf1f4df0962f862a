#pragma once

class QDialog;
class QDialogButtonBox;

namespace common {

/**
 * The "确定" and "取消" row of \a dialog, in the order of the desktop's
 * guidelines: 确定 is the default button and accepts, 取消 (and Esc)
 * rejects. The caller places the row in its layout.
 */
QDialogButtonBox *makeOkCancelButtons(QDialog &dialog);

} // namespace common
