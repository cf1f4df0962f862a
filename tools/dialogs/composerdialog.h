#pragma once

#include "tools/model/composermodel.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

/**
 * The insulator-string composer `Form_jyz` ("手动组合绝缘子串参数计算"): a
 * disc model, a fitting set and a disc count give the string's designation,
 * length, weight and wind area without and with ice.
 *
 * The widgets show the composer model and pass every choice to it. Opened
 * modally for string A or B; after "确定" the caller takes composedString().
 * Created once at start; the choices last from one opening to the next.
 */
class TForm_jyz : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_jyz(QWidget *parent = nullptr);

    /**
     * Before showing: the options' ice index (0..4) goes to the ice display.
     * The results keep the thickness they were composed for until the next
     * change of disc model, fitting set or disc count.
     * @throws std::out_of_range outside 0..4
     */
    void showIceIndex(int iceIndex);

    /// The composed string as the result boxes show it.
    const tools::ComposedString &composedString() const { return mModel.result(); }

    const tools::ComposerModel &model() const { return mModel; }

    // Handlers.
    void ComboBox_jyzxhChange(int index);
    void ComboBox_jjxhChange(int index);
    void CSpinEdit_jyz_psChange(const QString &text);
    void CSpinEdit_jyz_psExit();

    QGroupBox *GroupBox_choice;
    QComboBox *ComboBox_jyzxh;
    QComboBox *ComboBox_jjxh;
    QSpinBox *CSpinEdit_jyz_ps;
    QGroupBox *RadioGroup_fb;
    QGroupBox *GroupBox_result;
    QLineEdit *Edit_jyzc_xh;
    QLineEdit *Edit_jyza_l;
    QLineEdit *Edit_jyza_kg;
    QLineEdit *Edit_jyza_kgb;
    QLineEdit *Edit_jyza_f1;
    QLineEdit *Edit_jyza_f2;
    QPushButton *BitBtn_YES;
    QPushButton *BitBtn_NO;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildChoiceGroup();
    void buildResultGroup();
    void showResult();

    tools::ComposerModel mModel;
    QButtonGroup *mIceButtons;
};
