#pragma once

#include "app/model/governinglines.h"
#include "app/model/mainwindowmodel.h"
#include "app/model/spandocument.h"
#include "common/messenger.h"
#include "options/model/shortcircuitoptions.h"

#include <QClipboard>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class TForm_help;
class TForm_jgb;
class TForm_jyz;
class TForm_print;
class TForm_tjjj;
class TForm_xuan_xiang;

namespace common {
class DialogRunner;
class Messenger;
} // namespace common

namespace app {

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
 * and "退出" in a form of fixed size 864 x 651; beside it the panel
 * "控制工况" with the governing figures of the last calculation, greyed
 * and marked out of date once an input changes. Below the menu bar "文件(F)",
 * whose commands create, open and save span files, edit the book's data
 * of the span (计算书信息) and import and export the two data files.
 *
 * The widgets only show app::MainWindowModel: every handler passes the
 * user's action to the model and then shows the model again, since one
 * change may move other texts (the span moves the maintenance point, a
 * presence box rewrites its column, a pick fills the conductor boxes).
 *
 * Created, the window holds the defaults and then the inputs restored from
 * temp_input.dat in the current directory; closing it in any way writes them
 * back there and emits closed(). Closing a span file with unsaved changes
 * asks first; without a span file the window closes as it always has.
 */
class TForm_zcx : public QWidget
{
    Q_OBJECT

public:
    /**
     * @param messenger  shows the checks' and the calculation's messages; must outlive the window
     * @param dialogs    runs the modal dialogs; must outlive the window
     */
    TForm_zcx(common::Messenger &messenger, common::DialogRunner &dialogs, QWidget *parent = nullptr);
    ~TForm_zcx() override;

    /// Hands over the other windows once they exist; the commands that open them need them.
    void setCompanions(const app::CompanionWindows &windows);

    /**
     * Opens the span file \a file: the window and the options dialog show
     * its inputs. A file that cannot be read is reported and changes nothing.
     * @return true when the file was opened
     */
    bool openSpanFile(const QString &file);

    /// Saves the span to \a file; a failure is reported. @return true when written
    bool saveSpanFile(const QString &file);

    /// The span as the window and the options dialog hold it now.
    app::SpanFile currentSpan() const;
    /// The span's short-circuit inputs, as last confirmed in the options dialog.
    const options::ShortCircuitOptions &shortCircuitOptions() const { return mShortCircuit; }
    const options::ClearanceOptions &clearanceOptions() const { return mClearances; }
    const app::SpanDocument *document() const { return mDocument.get(); }
    const app::RecentFiles &recentFiles() const { return mRecentFiles; }

    const app::MainWindowModel &model() const { return mModel; }
    /// The user's conductor library file, in the folder of common::UserSettings.
    static QString conductorLibraryPath();

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
    void ComboBox_gdChange(int index);
    void ComboBox_zdxChange(int index);
    /// ComboBox_zdx while it shows "自定义": the designation typed.
    void ComboBox_zdxEdited(const QString &text);
    /// ToolButton_dxk "导线库" about to open its menu: the library is read anew.
    void ToolButton_dxkShow();
    /// A conductor of the library picked from the menu.
    void ConductorLibraryPick(const QString &designation);
    /// "存入导线库": the custom conductor is checked and kept in the library.
    void ConductorLibraryKeep();
    /// "从导线库删除": the conductor named \a designation leaves the library.
    void ConductorLibraryRemove(const QString &designation);
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

    /// The commands of the menu "文件(F)".
    void FileNewClick();
    void FileOpenClick();
    bool FileSaveClick();
    bool FileSaveAsClick();
    void FileRecentShow();
    void FileImportClick();
    void FileExportClick();
    /// 计算书信息...: the book's project and signatures of the span.
    void FileBookClick();
    /// 批量计算...: span files chosen, computed on all cores, summarised in one table and one PDF.
    void FileBatchClick();
    ///@}

    QMenuBar *MainMenu;
    QMenu *Menu_file;
    QMenu *Menu_recent;
    QAction *Action_new;
    QAction *Action_open;
    QAction *Action_save;
    QAction *Action_saveAs;
    QAction *Action_import;
    QAction *Action_export;
    QAction *Action_book;
    QAction *Action_batch;
    QAction *Action_exit;

    QScrollArea *ScrollBox1;
    QLabel *Image_bz;

    QGroupBox *GroupBox_jbqk;
    QComboBox *ComboBox_kV;
    QComboBox *ComboBox_gd;  ///< the higher structure, beside 高差

    QPushButton *Button_js;
    QPushButton *Button_help;
    QPushButton *Button_option;
    QPushButton *Button_close;

    QGroupBox *GroupBox_dx;
    QComboBox *ComboBox_zdx;
    /// "导线库": the user's own conductors (conductors.json beside the user's settings).
    QToolButton *ToolButton_dxk;
    QMenu *Menu_dxk;

    QGroupBox *GroupBox_jyza;
    QGroupBox *GroupBox_jyzb;

    QGroupBox *GroupBox_hz;
    QTableWidget *SGrid_hz;
    /// The conductor list that floats over a row-1 cell of the load grid.
    QComboBox *ComboBox_dx;

    /// "控制工况": the governing figures of the last calculation.
    QGroupBox *GroupBox_kzgk;
    QLabel *Label_kzgk;

Q_SIGNALS:
    /// The window was closed and its inputs saved; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildMenu();
    void buildSketch();
    void buildProjectBasics();
    void buildCommandButtons();
    void buildConductorGroup();
    void buildStringGroup(app::StringSide side, int left);
    void buildLoadGroup();
    void buildGoverningPanel(int top);
    QLineEdit *addEdit(QWidget *parent, app::EditBox box, const QRect &bounds);
    void fillCatalogueLists();
    void arrangeTabOrder();

    /// Shows every text, selection and box of the model.
    void showModel();
    void showGrid();
    void showStringType(app::StringSide side);
    void showLeadTypeList();
    /// The conductor list's selection, its designation while custom, and whether the five boxes take typing.
    void showConductor();

    bool filterKey(QObject *watched, const QString &typed);
    static bool isGridEditor(const QObject *watched);
    /// Inserts what the box's rule lets in of the clipboard text; a beep when nothing.
    void pasteFiltered(QLineEdit *box, QClipboard::Mode mode);
    void showFilteredContextMenu(QLineEdit *box, const QPoint &globalPosition);
    void gridEditorCreated(QLineEdit *editor);
    void gridEditorReverted(int column, int row);
    /// Runs the exit check still owed to a box; false when it refused.
    bool settlePendingExitCheck();
    void returnFocus(QWidget *box);
    void runWeightLookup(const app::LookupRequest &request, bool forConductor);
    void saveInputs();

    /// Shows the governing figures of the last calculation, greyed under a note when they are not \a current.
    void showGoverning(bool current);
    /// Shows the span's name and unsaved state in the caption, and whether the results are still the inputs'.
    void refreshCaption();
    /// The inputs on screen as the calculation takes them, to tell whether the viewer's pages are theirs.
    std::string calculationInputsText() const;
    /// Asks to save unsaved changes; false when the user cancelled. \a discarded
    /// (when given) tells whether the user chose "不保存".
    bool settleUnsavedChanges(bool *discarded = nullptr);
    /// Runs a file dialog; the chosen paths, none when cancelled.
    QStringList chooseFiles(const QString &caption, int fileMode, bool saving, const QString &suggested = {});
    void rememberRecentFile(const QString &file);
    void storeRecentFiles() const;
    /// Shows \a span in the window and the options dialog.
    void showSpan(const app::SpanFile &span);
    void spanFileMessage(const std::string &text, common::MessageIcon icon);

    common::Messenger &mMessenger;
    common::DialogRunner &mDialogs;
    app::CompanionWindows mWindows;
    app::MainWindowModel mModel;
    options::ShortCircuitOptions mShortCircuit;
    options::ClearanceOptions mClearances;
    /// Created with the companions: the options dialog is part of the span.
    std::unique_ptr<app::SpanDocument> mDocument;
    /// calculationInputsText() of the inputs the viewer's pages were computed from; empty before the first.
    std::string mComputedInputs;
    /// The governing figures of those pages, as the panel 控制工况 lists them.
    std::vector<app::GoverningLine> mGoverningLines;
    app::RecentFiles mRecentFiles;
    /// The form below the menu bar, with the controls at their places.
    QWidget *mForm = nullptr;

    std::array<QLineEdit *, app::editBoxCount> mEdits{};
    std::array<QCheckBox *, app::presenceBoxCount> mPresenceBoxes{};
    std::array<QComboBox *, 2> mStringTypeLists{};
    std::array<QPushButton *, 2> mStringQueryButtons{};

    /// The box whose exit check is due, if any: the check runs once the focus has settled.
    QLineEdit *mPendingExitCheck = nullptr;
    /// Set while the focus is put back on a refused box, so that the box it leaves is not checked.
    bool mReturningFocus = false;
};
