#pragma once

#include "options/optionsmodel.h"
#include "options/optionstexts.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace common {
class Messenger;
}

/**
 * The options dialog `Form_xuan_xiang` ("选项设置"): the design-condition
 * grid with the typical-zone list and the ice thickness on the first page,
 * the nine marking temperatures and the five marking-state boxes on the
 * second, "恢复设置" and "确定" below.
 *
 * The widgets only show the options model and pass every change to it; the
 * rules live in the model. The controls are the live settings: a
 * calculation reads them whether or not the dialog was confirmed, and only
 * "确定" writes default.dat. Created once at start, when it loads
 * default.dat; closing hides it.
 */
class TForm_xuan_xiang : public QDialog
{
    Q_OBJECT

public:
    /**
     * Builds the dialog and loads the options file (default.dat in the
     * current folder unless \a optionsFile says otherwise).
     * @param messenger  shows the grid check, the restore question and save failures; must outlive the dialog
     */
    explicit TForm_xuan_xiang(common::Messenger &messenger, QWidget *parent = nullptr,
                              std::filesystem::path optionsFile = options::kOptionsFileName);

    /// What a calculation reads from the dialog, as the controls show it now.
    options::OptionsTexts optionsTexts() const;

    /// The ice thickness choice, 0..4 for 0, 5, 10, 15, 20 mm.
    int iceIndex() const { return mModel.iceIndex(); }

    const options::OptionsModel &model() const { return mModel; }

    // Handlers.
    void ComboBox1Change(int index);       ///< a typical zone was chosen
    void RadioGroup_fbClick(int index);    ///< an ice thickness was chosen
    void SGrid_qxExit();                   ///< the grid lost the focus: check every cell
    void Button_resumeClick();             ///< "恢复设置"
    void BitBtn_YESClick();                ///< "确定": save and close

    QTabWidget *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QLabel *Label1;
    /// Typical meteorological zones "一类" .. "九类"; starts with none chosen.
    QComboBox *ComboBox1;
    QLabel *Label_note;
    /// Design conditions: 10 rows x 3 columns, row 0 and column 0 fixed, like the model.
    QTableWidget *SGrid_qx;
    QGroupBox *RadioGroup_fb;
    QButtonGroup *mIceButtons;
    QGroupBox *GroupBox_azt;
    std::array<QLineEdit *, options::kMarkingTemperatureCount> Edit_AZT{};
    QGroupBox *GroupBox_huayin;
    std::array<QCheckBox *, options::kMarkingStateCount> CheckBox_huayin{};
    QPushButton *Button_resume;
    QPushButton *BitBtn_YES;

private:
    QWidget *buildConditionsPage();
    QWidget *buildMarkingPage();
    void fillConditionGrid();
    void fitConditionGrid();
    /// Puts every setting of the model into the widgets, without echoing changes back.
    void showModel();
    void showMarkingStates();
    void selectGridCell(options::GridCell cell);
    void gridCellEdited(int row, int column);
    void markingTemperatureEdited(int index, const QString &text);
    void markingStateClicked(int box, bool ticked);
    void focusMoved(QWidget *from, QWidget *to);

    common::Messenger &mMessenger;
    options::OptionsModel mModel;
    bool mShowingModel = false;
};
