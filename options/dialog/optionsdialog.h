#pragma once

#include "options/model/designcheckoptions.h"
#include "options/model/optionsmodel.h"
#include "options/model/optionstexts.h"
#include "options/model/clearanceoptions.h"
#include "options/model/shortcircuitoptions.h"

#include <QDialog>

#include <array>
#include <optional>
#include <string>

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
 * second, the rated strengths and required factors of the design check on
 * the third ("设计校核"), the span's short-circuit inputs on the fourth
 * ("短路校验"), "恢复设置" and "确定" below.
 *
 * The widgets only show the options model and pass every change to it; the
 * rules live in the model. The controls are the live settings: a
 * calculation reads them whether or not the dialog was confirmed, and only
 * "确定" writes default.dat. Created once at start, when it loads
 * default.dat; closing hides it.
 *
 * The design-check settings are kept in the user's settings (QSettings),
 * read at creation and written by "确定"; default.dat never holds them.
 * The short-circuit inputs belong to the span: the main window shows its
 * own before it opens the dialog and takes them back once confirmed.
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
                              std::filesystem::path optionsFile = options::optionsFileName);

    /// What a calculation reads from the dialog, as the controls show it now.
    options::OptionsTexts optionsTexts() const;

    /// The design-check page as its controls show it now.
    const options::DesignCheckOptions &designCheckOptions() const { return mDesignChecks; }

    /// The short-circuit page as its controls show it now.
    const options::ShortCircuitOptions &shortCircuitOptions() const { return mShortCircuit; }
    /// Shows the span's short-circuit inputs on their page.
    void showShortCircuit(const options::ShortCircuitOptions &shortCircuit);

    /// The clearance page as its controls show it now, a included.
    const options::ClearanceOptions &clearanceOptions() const { return mClearances; }
    /// Shows the span's layout and required distances on their page.
    void showClearances(const options::ClearanceOptions &clearances);

    /// Shows the strengths the span's conductor and strings give, as the hints of the blank fields.
    void showCatalogueStrengths(const options::CatalogueStrengths &strengths);

    /// The ice thickness choice, 0..4 for 0, 5, 10, 15, 20 mm.
    int iceIndex() const { return mModel.iceIndex(); }

    const options::OptionsModel &model() const { return mModel; }

    /// A span file was opened or imported: its settings become the dialog's; nothing is saved.
    void showSettings(const options::OptionsTexts &texts, const options::ReservedNumbers &reserved);

    // Handlers.
    void ComboBox1Change(int index);       ///< a typical zone was chosen
    void RadioGroup_fbClick(int index);    ///< an ice thickness was chosen
    void SGrid_qxExit();                   ///< the grid lost the focus: check every cell
    void Button_resumeClick();             ///< "恢复设置"
    void BitBtn_YESClick();                ///< "确定": save and close

    /**
     * "取消", Esc and the close box: every setting returns to what it was
     * when the dialog was shown, so a calculation never uses settings that
     * were neither confirmed nor saved.
     */
    void reject() override;

    QTabWidget *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;
    QWidget *TabSheet4;
    QWidget *TabSheet5;
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
    std::array<QCheckBox *, options::markingStateCount> CheckBox_huayin{};
    /// "输出设计校核页"
    QCheckBox *CheckBox_jiaohe;
    /// Strengths and factors of the design check, in options::DesignCheckField order.
    std::array<QLineEdit *, options::designCheckFieldCount> Edit_jiaohe{};
    /// The short-circuit inputs, in options::ShortCircuitField order.
    std::array<QLineEdit *, options::shortCircuitFieldCount> Edit_duanlu{};
    /// The layout and the required distances, in options::ClearanceField order.
    std::array<QLineEdit *, options::clearanceFieldCount> Edit_jianju{};
    QPushButton *Button_resume;
    QPushButton *BitBtn_YES;
    QPushButton *BitBtn_NO;

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// The settings in force when the dialog was shown, which "取消" brings back.
    struct ShownSettings
    {
        options::OptionsTexts texts;
        options::ReservedNumbers reserved;
        options::DesignCheckOptions checks;
        options::ShortCircuitOptions shortCircuit;
        options::ClearanceOptions clearances;
    };

    QWidget *buildConditionsPage();
    QWidget *buildMarkingPage();
    QWidget *buildDesignCheckPage();
    QWidget *buildShortCircuitPage();
    QWidget *buildClearancePage();
    void showDesignChecks();
    void loadDesignChecks();
    void saveDesignChecks() const;
    /// A refused field: its message, then its page and the field itself, to be mended.
    void showRefusal(const std::string &message, QWidget *page, QLineEdit *field);
    /// "确定" with a design-check field that is not a number: its message, its page and its field.
    bool designChecksRefused();
    /// "确定" with a short-circuit field that cannot be used: its message, its page and its field.
    bool shortCircuitRefused();
    /// "确定" with a clearance field that cannot be used, or no a for the short circuit.
    bool clearancesRefused();
    void fillConditionGrid();
    void fitConditionGrid();
    /// Puts every setting of the model into the widgets, without echoing changes back.
    void showModel();
    void showMarkingStates();
    void selectGridCell(options::GridCell cell);
    void gridCellEdited(int row, int column);
    void markingTemperatureEdited(int index, const QString &text);
    /// The whole-number rule of a marking temperature, once the user leaves its box.
    void markingTemperatureFinished(int index, const QString &text);
    void markingStateClicked(int box, bool ticked);
    void focusMoved(QWidget *from, QWidget *to);

    common::Messenger &mMessenger;
    options::OptionsModel mModel;
    options::DesignCheckOptions mDesignChecks;
    options::ShortCircuitOptions mShortCircuit;
    options::ClearanceOptions mClearances;
    std::optional<ShownSettings> mShownWith;
    bool mShowingModel = false;
};
