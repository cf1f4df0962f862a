#pragma once

#include "app/mainwindowmodel.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTableWidgetItem;

class TForm_help;
class TForm_jgb;
class TForm_jyz;
class TForm_print;
class TForm_tjjj;
class TForm_xuan_xiang;

namespace common {
class Messenger;
}

namespace app {

class DialogRunner;

/**
 * The windows the main window opens. They are created after it, so it is
 * handed them once they exist and must not consult them while it is being
 * created.
 */
struct CompanionWindows
{
    TForm_xuan_xiang *options = nullptr;
    TForm_jyz *composer = nullptr;
    TForm_tjjj *fittingLookup = nullptr;
    TForm_print *viewer = nullptr;
    TForm_help *help = nullptr;
    TForm_jgb *spacerLookup = nullptr;
};

} // namespace app

/**
 * The main window `Form_zcx` "Tenrix--软导线实用力学计算": the span, the main
 * conductor, insulator strings A and B and the load table of the jumpers and
 * drop-down leads, the input sketch, and the commands "计算", "帮助", "选项"
 * and "退出". Fixed client area 864 x 651.
 *
 * The widgets only show app::MainWindowModel: every handler passes the
 * user's action to the model and then shows the model again, since one
 * change may move other texts (the span moves the maintenance point, a
 * presence box rewrites its column, a pick fills the conductor boxes).
 *
 * Created, the window holds the defaults and then the inputs restored from
 * temp_input.dat in the current directory; closing it in any way writes them
 * back there and emits closed().
 */
class TForm_zcx : public QWidget
{
    Q_OBJECT

public:
    /**
     * @param messenger  shows the checks' and the calculation's messages; must outlive the window
     * @param dialogs    runs the modal dialogs; must outlive the window
     */
    TForm_zcx(common::Messenger &messenger, app::DialogRunner &dialogs, QWidget *parent = nullptr);
    ~TForm_zcx() override;

    /// Hands over the other windows once they exist; the commands that open them need them.
    void setCompanions(const app::CompanionWindows &windows);

    const app::MainWindowModel &model() const { return mModel; }

    QLineEdit *edit(app::EditBox box) const { return mEdits[static_cast<int>(box)]; }
    QCheckBox *presenceBox(app::PresenceBox box) const { return mPresenceBoxes[static_cast<int>(box)]; }
    QComboBox *stringTypeList(app::StringSide side) const { return mStringTypeLists[static_cast<int>(side)]; }
    QPushButton *stringQueryButton(app::StringSide side) const { return mStringQueryButtons[static_cast<int>(side)]; }

    /// @name Event handlers, named after the control and the event
    ///@{
    void Button_jsClick();
    void Button_helpClick();
    void Button_optionClick();
    void Button_closeClick();
    void ComboBox_kVChange(int index);
    void ComboBox_zdxChange(int index);
    /// ComboBox_jyza / ComboBox_jyzb: a catalogue string picked.
    void ComboBox_jyzChange(app::StringSide side, int index);
    /// ComboBox_jyza / ComboBox_jyzb: the designation typed.
    void ComboBox_jyzEdited(app::StringSide side, const QString &text);
    /// Button_jyza / Button_jyzb "查询": the insulator-string composer.
    void Button_jyzClick(app::StringSide side);
    /// Any edit box changed by the user.
    void EditChange(app::EditBox box, const QString &text);
    /**
     * The focus left Edit_f, Edit_dx_S, Edit_jyza_l or Edit_jyzb_l: a value
     * not above zero is reported and the focus goes back to the box.
     * @return true when the box passed
     */
    bool EditExit(app::EditBox box);
    void Edit_dx_flkgDblClick();
    /// CheckBox_tx1 .. CheckBox_tx2 toggled by the user.
    void CheckBoxClick(app::PresenceBox box, bool ticked);
    void SGrid_hzSelectCell(int column, int row);
    void SGrid_hzClick();
    void SGrid_hzDblClick();
    /// A grid cell's text edited by the user (column 1..6, row 1..9).
    void SGrid_hzCellEdited(int column, int row, const QString &text);
    void ComboBox_dxChange(int index);
    ///@}

    QScrollArea *ScrollBox1;
    QLabel *Image_bz;

    QGroupBox *GroupBox_jbqk;
    QComboBox *ComboBox_kV;

    QPushButton *Button_js;
    QPushButton *Button_help;
    QPushButton *Button_option;
    QPushButton *Button_close;

    QGroupBox *GroupBox_dx;
    QComboBox *ComboBox_zdx;

    QGroupBox *GroupBox_jyza;
    QGroupBox *GroupBox_jyzb;

    QGroupBox *GroupBox_hz;
    QTableWidget *SGrid_hz;
    /// The conductor list that floats over a row-1 cell of the load grid.
    QComboBox *ComboBox_dx;

Q_SIGNALS:
    /// The window was closed and its inputs saved; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildSketch();
    void buildProjectBasics();
    void buildCommandButtons();
    void buildConductorGroup();
    void buildStringGroup(app::StringSide side, int left);
    void buildLoadGroup();
    QLineEdit *addEdit(QWidget *parent, app::EditBox box, const QRect &bounds);
    void fillCatalogueLists();
    void arrangeTabOrder();

    /// Shows every text, selection and box of the model.
    void showModel();
    void showGrid();
    void showStringType(app::StringSide side);
    void showLeadTypeList();

    bool filterKey(QObject *watched, const QString &typed);
    void gridEditorCreated(QLineEdit *editor);
    void gridEditorReverted(int column, int row);
    /// Runs the exit check still owed to a box; false when it refused.
    bool settlePendingExitCheck();
    void returnFocus(QWidget *box);
    void runWeightLookup(const app::LookupRequest &request, bool forConductor);
    void saveInputs();

    common::Messenger &mMessenger;
    app::DialogRunner &mDialogs;
    app::CompanionWindows mWindows;
    app::MainWindowModel mModel;

    std::array<QLineEdit *, app::editBoxCount> mEdits{};
    std::array<QCheckBox *, app::presenceBoxCount> mPresenceBoxes{};
    std::array<QComboBox *, 2> mStringTypeLists{};
    std::array<QPushButton *, 2> mStringQueryButtons{};

    /// The box whose exit check is due, if any: the check runs once the focus has settled.
    QLineEdit *mPendingExitCheck = nullptr;
    /// Set while the focus is put back on a refused box, so that the box it leaves is not checked.
    bool mReturningFocus = false;
};
